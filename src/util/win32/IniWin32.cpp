// Private-profile files through the platform's own profile API.
#include "platform/win32/Win32.h"
#include "util/Ini.h"

namespace kiv {

std::string GetPrivateProfileText(std::string_view section, std::string_view key,
                                  std::string_view defaultValue, const std::string& fileName) {
    char buffer[kIniValueLimit + 1] = {};
    DWORD count = ::GetPrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                                             std::string(defaultValue).c_str(), buffer,
                                             sizeof buffer, fileName.c_str());
    return std::string(buffer, count);
}

bool WriteIniString(std::string_view section, std::string_view key, std::string_view value,
                    const std::string& fileName) {
    return ::WritePrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                                        std::string(value).c_str(), fileName.c_str()) != 0;
}

} // namespace kiv
