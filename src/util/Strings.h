#pragma once

#include <string>
#include <string_view>

namespace kiv {

// Removes spaces (only spaces) from both ends, as the program's Trim does.
std::string TrimSpaces(std::string_view text);

std::string ToUpperAscii(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// Position of the first occurrence of `needle` in `haystack` at or after `from`,
// letters compared without regard to case; npos when there is none.
size_t FindIgnoreCase(std::string_view haystack, std::string_view needle, size_t from = 0);

// Replaces every occurrence of `find`; replaced text is never searched again, so
// a replacement that contains the searched text does not loop. `caseSensitive`
// false compares letters without regard to case. `find` must not be empty.
std::string ReplaceString(std::string_view source, std::string_view find,
                          std::string_view replacement, bool caseSensitive);

// The text before the first NUL character.
std::string TrimNulls(std::string_view text);

// The first letter of every word upper case, all other letters lower case.
std::string ProperCase(std::string_view text);

} // namespace kiv
