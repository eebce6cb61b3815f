#include "util/Ini.h"

#include "util/Strings.h"

namespace kiv {

std::string ReadIniString(std::string_view section, std::string_view key,
                          std::string_view defaultValue, const std::string& fileName) {
    std::string copied = GetPrivateProfileText(section, key, defaultValue, fileName);
    if (copied.empty()) {
        return std::string(defaultValue);
    }
    return TrimSpaces(copied);
}

} // namespace kiv
