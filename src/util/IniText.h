#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kiv {

// The longest value a key yields; longer values are cut, as the platform's
// profile read cuts them at its 260-character buffer.
inline constexpr size_t kIniValueLimit = 259;

// The text rules of private-profile (INI) files, as the platform applies them:
// section and key names compared without regard to case and trimmed, values
// trimmed and stripped of one pair of enclosing quotes, ";" lines are comments.

struct ProfileEntry {
    std::string key;
    std::string value;
};

// The entries of the first section named `section`, in file order: one pass
// over the text for a reader that wants many keys.
std::vector<ProfileEntry> ProfileSectionEntries(std::string_view fileText,
                                                std::string_view section);
// The value of the first of `entries` named `key`; nothing when absent.
std::optional<std::string> ProfileValue(const std::vector<ProfileEntry>& entries,
                                        std::string_view key);

// The value of `key` in the first section named `section`; nothing when absent.
std::optional<std::string> ProfileLookup(std::string_view fileText, std::string_view section,
                                         std::string_view key);

// The file text with `key` set to `value`: an existing key is replaced in place,
// a new key goes after the last entry of its section, a new section goes at
// the end. Every other line is kept as it was. Lines end in CR LF.
std::string ProfileUpdate(std::string_view fileText, std::string_view section, std::string_view key,
                          std::string_view value);

} // namespace kiv
