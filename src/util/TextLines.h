#pragma once

#include <string_view>

namespace kiv {

// Calls `onLine` for every line of `text`. A line ends at CR LF, a lone CR or a
// lone LF; the last line needs no ending; an empty text has no lines and a text
// ending in a line break has no empty line after it.
template <typename OnLine> void ForEachLine(std::string_view text, OnLine&& onLine) {
    size_t start = 0;
    while (start < text.size()) {
        // A plain scan: find_first_of makes a library call per character.
        size_t end = start;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n') {
            ++end;
        }
        if (end == text.size()) {
            onLine(text.substr(start));
            return;
        }
        onLine(text.substr(start, end - start));
        start = (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? end + 2
                                                                                      : end + 1;
    }
}

} // namespace kiv
