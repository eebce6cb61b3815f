#include "dialogs/About.h"

#include "util/RuntimeError.h"

#include <charconv>

namespace kiv {

std::string AboutText::VersionLine(int32_t major, int32_t minor, int32_t revision) {
    return "Version " + std::to_string(major) + "." + std::to_string(minor) + "." +
           std::to_string(revision);
}

std::string AboutText::Description() {
    return "Written by the KIV developers for home-theatre PCs.\r\n\r\n"
           "Move the window of a specified application to the desired "
           "location on the screen. Press the moving and sizing buttons to adjust the  "
           "application window. The caption must match the title "
           "bar of the main application window.";
}

namespace {
// "&h" + `digits` as a number: up to four digits a 16-bit value, up to eight
// a 32-bit one, each with its top bit as the sign.
std::string HexNumberText(std::string_view digits) {
    uint32_t value = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (digits.empty() || digits.size() > 8 || error != std::errc() ||
        end != digits.data() + digits.size()) {
        Raise(ErrorNumber::TypeMismatch);
    }
    if (digits.size() <= 4) {
        return std::to_string(static_cast<int16_t>(static_cast<uint16_t>(value)));
    }
    return std::to_string(static_cast<int32_t>(value));
}
} // namespace

std::string RegistryValueText(const RegistryValue& value) {
    constexpr uint32_t kNumber = 4; // REG_DWORD
    std::string_view bytes = value.bytes;
    if (!bytes.empty() && bytes.back() == '\0') {
        bytes.remove_suffix(1);
    }
    if (value.type == kNumber) {
        // Each byte's digits without a leading zero, the last byte first.
        constexpr std::string_view kDigits = "0123456789ABCDEF";
        std::string digits;
        for (auto it = bytes.rbegin(); it != bytes.rend(); ++it) {
            const auto byte = static_cast<unsigned char>(*it);
            if (byte >= 16) {
                digits += kDigits[byte / 16];
            }
            digits += kDigits[byte % 16];
        }
        return HexNumberText(digits);
    }
    // A text value and every other type: the bytes as they are.
    return std::string(bytes);
}

std::optional<std::string> GetKeyValue(ISysInfoPlatform& platform, std::string_view keyName,
                                       std::string_view valueName) {
    std::optional<RegistryValue> value = platform.ReadMachineValue(keyName, valueName);
    if (!value) {
        return std::nullopt;
    }
    return RegistryValueText(*value);
}

void StartSysInfo(ISysInfoPlatform& platform, IErrorReporter& reporter) {
    bool started = false;
    try {
        if (std::optional<std::string> path =
                GetKeyValue(platform, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH")) {
            started = platform.StartProgram(*path);
        } else if (std::optional<std::string> folder = GetKeyValue(
                       platform, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO")) {
            const std::string program = *folder + "\\MSINFO32.EXE";
            started = platform.FileExists(program) && platform.StartProgram(program);
        }
    } catch (...) {
        LogCurrentError("StartSysInfo");
        started = false;
    }
    if (!started) {
        reporter.ShowMessage("System Information Is Unavailable At This Time", kAppTitle);
    }
}

} // namespace kiv
