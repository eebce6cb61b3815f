#pragma once

#include <algorithm>
#include <string_view>

namespace kiv {

// Calls `onLine` for every line of `text`. A line ends at CR LF, a lone CR or a
// lone LF; the last line needs no ending; an empty text has no lines and a text
// ending in a line break has no empty line after it.
template <typename OnLine> void ForEachLine(std::string_view text, OnLine&& onLine) {
    // The next CR and LF, each searched for again only once passed: a
    // library search per line rather than a test per character.
    size_t cr = text.find('\r');
    size_t lf = text.find('\n');
    size_t start = 0;
    while (start < text.size()) {
        cr = cr < start ? text.find('\r', start) : cr;
        lf = lf < start ? text.find('\n', start) : lf;
        size_t end = std::min(cr, lf);
        if (end == std::string_view::npos) {
            onLine(text.substr(start));
            return;
        }
        onLine(text.substr(start, end - start));
        start = (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? end + 2
                                                                                      : end + 1;
    }
}

} // namespace kiv
