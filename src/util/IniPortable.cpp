// Private-profile files for platforms without the Windows profile API, with
// the same observable rules.
#include "util/FileSystem.h"
#include "util/Ini.h"
#include "util/IniText.h"
#include "util/RuntimeError.h"

#include <sys/stat.h>

namespace kiv {

namespace {
// The file's text, or "" when it cannot be read: the platform reads an
// unreadable file as an empty one.
std::string ReadProfileFile(const std::string& fileName) {
    struct stat info {};
    if (::stat(fileName.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return {};
    }
    try {
        return ReadWholeFile(fileName);
    } catch (...) {
        return {};
    }
}
} // namespace

std::string GetPrivateProfileText(std::string_view section, std::string_view key,
                                  std::string_view defaultValue, const std::string& fileName) {
    std::optional<std::string> value = ProfileLookup(ReadProfileFile(fileName), section, key);
    std::string copied = value ? std::move(*value) : std::string(defaultValue);
    if (copied.size() > kIniValueLimit) {
        copied.resize(kIniValueLimit);
    }
    return copied;
}

bool WriteIniString(std::string_view section, std::string_view key, std::string_view value,
                    const std::string& fileName) {
    try {
        struct stat info {};
        if (::stat(fileName.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
            return false;
        }
        // A file that is there but cannot be read is refused, not replaced
        // by one holding this key alone.
        std::string current;
        try {
            current = ReadWholeFile(fileName);
        } catch (const CRuntimeError& error) {
            if (error.Number() != ErrorNumber::FileNotFound) {
                return false;
            }
        }
        SaveFileAtomically(fileName, ProfileUpdate(current, section, key, value));
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace kiv
