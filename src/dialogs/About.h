#pragma once

#include "util/ErrorReport.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kiv {

// The About box's texts.
struct AboutText {
    static std::string Caption() { return "About " + std::string(kAppTitle); }
    // "Version 1.5.0": each part a plain decimal.
    static std::string VersionLine(int32_t major, int32_t minor, int32_t revision);
    // The credit line, two line breaks, then what the program does.
    static std::string Description();
    static constexpr std::string_view kDisclaimer =
        "KIV is provided as is, without warranty of any kind. It moves and sizes other "
        "programs' windows only when you ask it to.";
};

// The registry's answer for one value, as GetKeyValue reads it.
struct RegistryValue {
    uint32_t type = 0;
    std::string bytes; // as returned, its length the one the registry gave
};

// GetKeyValue's text for a value read: its last NUL dropped, then a text
// value as it is, a number through its bytes' hexadecimal digits, anything
// else raw.
std::string RegistryValueText(const RegistryValue& value);

// What starting the System Information program asks of the system.
class ISysInfoPlatform {
public:
    virtual ~ISysInfoPlatform() = default;
    // The value `valueName` of the machine's key `keyName`; nothing when the
    // key or the value cannot be read.
    virtual std::optional<RegistryValue> ReadMachineValue(std::string_view keyName,
                                                          std::string_view valueName) = 0;
    virtual bool FileExists(std::string_view path) = 0;
    // Starts a program in a normal, focused window; false when it did not start.
    virtual bool StartProgram(std::string_view path) = 0;
};

// GetKeyValue: the value's text, or nothing when it cannot be read.
std::optional<std::string> GetKeyValue(ISysInfoPlatform& platform, std::string_view keyName,
                                       std::string_view valueName);

// Starts the System Information program where the registry says it is, or
// tells the user it is unavailable. Reports no error of its own.
void StartSysInfo(ISysInfoPlatform& platform, IErrorReporter& reporter);

} // namespace kiv
