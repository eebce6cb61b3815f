#include "util/FileSystem.h"

#include "util/DebugLog.h"
#include "util/RuntimeError.h"
#include "util/Strings.h"

#include <array>

namespace kiv {

namespace {
constexpr std::array<std::string_view, 10> kReservedDeviceNames = {
    "AUX", "COM", "COM1", "COM2", "COM3", "COM4", "PRN", "LPT1", "LPT2", "LPT3"};

bool IsSeparator(char c) {
    return c == '\\' || c == kPathSeparator;
}
} // namespace

bool FileExists(std::string_view name) {
    std::string trimmed = TrimSpaces(name);
    if (trimmed.empty()) {
        return false;
    }
    size_t lastDot = name.rfind('.');
    if (lastDot != std::string_view::npos && name.size() > lastDot + 1 + 3) {
        return false;
    }
    if (IsSeparator(trimmed.back()) || trimmed.back() == ':') {
        return false;
    }
    std::string upper = ToUpperAscii(name);
    for (std::string_view reserved : kReservedDeviceNames) {
        if (upper == reserved) {
            return false;
        }
    }
    if (name.find('\0') != std::string_view::npos) {
        return false;
    }
    try {
        return IsOrdinaryFile(std::string(name));
    } catch (...) {
        LogDebug("FileExists", "the file test failed; taken as no file");
        return false;
    }
}

void SaveFileAtomically(const std::string& path, std::string_view contents) {
    std::string temporary = path + ".tmp";
    try {
        WriteWholeFile(temporary, contents, true);
        ReplaceFileWith(path, temporary);
    } catch (...) {
        RemoveFile(temporary);
        throw;
    }
}

std::string SaveFileSettingOldAside(const std::string& path, std::string_view contents,
                                    std::string_view suffix) {
    constexpr int kNames = 1000;
    const std::string temporary = path + ".tmp";
    std::string aside;
    try {
        WriteWholeFile(temporary, contents, true);
        if (IsOrdinaryFile(path)) {
            for (int number = 1; aside.empty(); ++number) {
                if (number > kNames) {
                    Raise(ErrorNumber::PathFileAccess);
                }
                std::string name = path + std::string(suffix);
                if (number > 1) {
                    name += std::to_string(number);
                }
                if (RenameUnlessTaken(path, name)) {
                    aside = std::move(name);
                }
            }
        }
        ReplaceFileWith(path, temporary);
    } catch (...) {
        if (!aside.empty()) {
            try {
                RenameUnlessTaken(aside, path);
            } catch (...) {
                LogDebug("SaveFileSettingOldAside", "the old file stays under its other name");
            }
        }
        RemoveFile(temporary);
        throw;
    }
    return aside;
}

std::string FolderWithSeparator(std::string_view folder) {
    if (folder.empty()) {
        return {};
    }
    std::string result(folder);
    if (!IsSeparator(result.back())) {
        result += kPathSeparator;
    }
    return result;
}

} // namespace kiv
