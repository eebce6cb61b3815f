#include "store/TaggedLine.h"

namespace kiv {

namespace {

constexpr size_t kAbsent = std::string_view::npos;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

CTaggedLine::CTaggedLine(std::string_view line) : mLine(line) {
    mValueStart.fill(kAbsent);
    // Only the start of the line and the place after each ";" can begin a
    // field: a jump from ";" to ";" (a library search, not a test per character).
    for (size_t s = 0;;) {
        if (s + 1 < line.size() && line[s] == 'S' && line[s + 1] != '0') {
            // "S" and a number without leading zeros, then "=": "S05=" is no key.
            int tag = 0;
            size_t i = s + 1;
            for (; i < line.size() && IsDigit(line[i]) && tag <= kLastTag; ++i) {
                tag = tag * 10 + (line[i] - '0');
            }
            if (tag >= 1 && tag <= kLastTag && i < line.size() && line[i] == '=' &&
                mValueStart[static_cast<size_t>(tag)] == kAbsent) {
                mValueStart[static_cast<size_t>(tag)] = i + 1;
            }
        }
        const size_t separator = line.find(';', s);
        if (separator == kAbsent) {
            break;
        }
        s = separator + 1;
    }
}

bool CTaggedLine::Has(int tag) const {
    return ValueEnd(tag) != kAbsent;
}

std::string_view CTaggedLine::Value(int tag, std::string_view defaultValue) const {
    const size_t end = ValueEnd(tag);
    if (end == kAbsent) {
        return defaultValue;
    }
    const size_t start = mValueStart[static_cast<size_t>(tag)];
    return mLine.substr(start, end - start);
}

size_t CTaggedLine::ValueEnd(int tag) const {
    if (tag < 1 || tag > kLastTag || mValueStart[static_cast<size_t>(tag)] == kAbsent) {
        return kAbsent;
    }
    return mLine.find(';', mValueStart[static_cast<size_t>(tag)]);
}

} // namespace kiv
