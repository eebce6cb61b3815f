#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace kiv {

// The fields of one line of a store file, "S1=value;S2=value;...", found in
// one pass over the line. A field keeps the file's own rule: its tag "S<n>" is
// the first occurrence of that text anywhere in the line (inside another
// field's text too, or as the start of a longer tag, "S1" in "S11="); its
// value starts one character after the tag, skipping the "=", and ends at the
// first ";" after the tag. A tag that is absent, or has no ";" after it, gives
// the default.
class CTaggedLine {
public:
    static constexpr int kLastTag = 22;

    explicit CTaggedLine(std::string_view line);

    // The value tagged "S<tag>", a view into the line; any other tag than 1 to
    // kLastTag gives the default.
    std::string_view Value(int tag, std::string_view defaultValue) const;

private:
    std::string_view mLine;
    std::array<size_t, kLastTag + 1> mStart; // of each tag's first occurrence
};

} // namespace kiv
