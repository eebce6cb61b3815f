#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace kiv {

// The fields of one line of a store file, "S1=value;S2=value;...", found in
// one pass over the line. A field's key "S<n>=" counts only where a field can
// start, at the start of the line or right after a ";", so a text that holds
// a key's text ("PS3 Pro", "Galaxy S20") is never taken for that field. The
// first such key wins; its value runs from after the "=" to the next ";". A
// key that is absent, or has no ";" after it, gives the default.
class CTaggedLine {
public:
    static constexpr int kLastTag = 22;

    explicit CTaggedLine(std::string_view line);

    // The value tagged "S<tag>", a view into the line; any other tag than 1 to
    // kLastTag gives the default.
    std::string_view Value(int tag, std::string_view defaultValue) const;
    // True when the line holds the field: its key where a field starts, and
    // a ";" after it.
    bool Has(int tag) const;

private:
    // Where the field's value ends, at its ";"; npos when the line lacks it.
    size_t ValueEnd(int tag) const;

    std::string_view mLine;
    std::array<size_t, kLastTag + 1> mValueStart; // just after each key's "="
};

} // namespace kiv
