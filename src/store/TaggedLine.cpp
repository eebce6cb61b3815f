#include "store/TaggedLine.h"

namespace kiv {

namespace {

constexpr size_t kAbsent = std::string_view::npos;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

CTaggedLine::CTaggedLine(std::string_view line) : mLine(line) {
    mStart.fill(kAbsent);
    // Jumps from "S" to "S" (a library search, not a test per character).
    for (size_t s = line.find('S'); s != kAbsent; s = line.find('S', s + 1)) {
        // "S221" holds the tags "S2" and "S22"; "S05" holds none.
        int tag = 0;
        for (size_t i = s + 1; i < line.size() && IsDigit(line[i]); ++i) {
            tag = tag * 10 + (line[i] - '0');
            if (tag == 0 || tag > kLastTag) {
                break;
            }
            if (mStart[tag] == kAbsent) {
                mStart[tag] = s;
            }
        }
    }
}

std::string_view CTaggedLine::Value(int tag, std::string_view defaultValue) const {
    if (tag < 1 || tag > kLastTag) {
        return defaultValue;
    }
    size_t start = mStart[static_cast<size_t>(tag)];
    size_t end = start == kAbsent ? kAbsent : mLine.find(';', start);
    if (end == kAbsent) {
        return defaultValue;
    }
    size_t valueStart = start + (tag < 10 ? 2 : 3) + 1;
    // The ";" sits right after the tag ("S1;"): nothing between.
    return valueStart >= end ? std::string_view() : mLine.substr(valueStart, end - valueStart);
}

} // namespace kiv
