#pragma once

#include <string>
#include <string_view>

namespace kiv {

// The longest value a key yields; longer values are cut.
inline constexpr size_t kIniValueLimit = 259;

// The value of `key` in `section` of the INI file `fileName`, cut at 259
// characters and trimmed of spaces. A missing file, section or key, and a key
// present with an empty value, all yield `defaultValue`.
std::string ReadIniString(std::string_view section, std::string_view key,
                          std::string_view defaultValue, const std::string& fileName);

// Sets `key` in `section` of the INI file, creating the file and the section
// when needed and keeping every other line. False when the write is refused.
bool WriteIniString(std::string_view section, std::string_view key, std::string_view value,
                    const std::string& fileName);

// What the platform's private-profile read copies into a 260-character buffer:
// the value (or the default when the key is missing), cut at 259 characters.
// The count it returns is the copied text's length.
std::string GetPrivateProfileText(std::string_view section, std::string_view key,
                                  std::string_view defaultValue, const std::string& fileName);

} // namespace kiv
