#include "util/Strings.h"

#include <algorithm>

namespace kiv {

namespace {
char UpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsWordBreak(char c) {
    return c == ' ' || c == '\0' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
} // namespace

std::string TrimSpaces(std::string_view text) {
    size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string ToUpperAscii(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), UpperAscii);
    return result;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return UpperAscii(x) == UpperAscii(y);
           });
}

size_t FindIgnoreCase(std::string_view haystack, std::string_view needle, size_t from) {
    if (from > haystack.size()) {
        return std::string_view::npos;
    }
    auto it = std::search(haystack.begin() + static_cast<std::ptrdiff_t>(from), haystack.end(),
                          needle.begin(), needle.end(),
                          [](char x, char y) { return UpperAscii(x) == UpperAscii(y); });
    return it == haystack.end() && !needle.empty() ? std::string_view::npos
                                                   : static_cast<size_t>(it - haystack.begin());
}

std::string ReplaceString(std::string_view source, std::string_view find,
                          std::string_view replacement, bool caseSensitive) {
    std::string result(source);
    if (find.empty()) {
        return result;
    }
    auto next = [&](size_t from) {
        return caseSensitive ? result.find(find, from) : FindIgnoreCase(result, find, from);
    };
    for (size_t pos = next(0); pos != std::string::npos; pos = next(pos + replacement.size())) {
        result.replace(pos, find.size(), replacement);
    }
    return result;
}

std::string TrimNulls(std::string_view text) {
    return std::string(text.substr(0, std::min(text.find('\0'), text.size())));
}

std::string ProperCase(std::string_view text) {
    std::string result(text);
    bool startOfWord = true;
    for (char& c : result) {
        c = startOfWord ? UpperAscii(c) : LowerAscii(c);
        startOfWord = IsWordBreak(c);
    }
    return result;
}

} // namespace kiv
