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
    mEnd.fill(kAbsent);
    // Tags seen since the last ";", which ends each of their values.
    std::array<int, kLastTag + 1> open{};
    size_t openCount = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == ';') {
            for (size_t k = 0; k < openCount; ++k) {
                mEnd[open[k]] = i;
            }
            openCount = 0;
        } else if (line[i] == 'S') {
            // "S221" holds the tags "S2" and "S22"; "S05" holds none.
            int tag = 0;
            for (size_t j = i + 1; j < line.size() && IsDigit(line[j]); ++j) {
                tag = tag * 10 + (line[j] - '0');
                if (tag == 0 || tag > kLastTag) {
                    break;
                }
                if (mStart[tag] == kAbsent) {
                    mStart[tag] = i;
                    open[openCount++] = tag;
                }
            }
        }
    }
}

std::string_view CTaggedLine::Value(int tag, std::string_view defaultValue) const {
    size_t start = mStart[tag];
    size_t end = mEnd[tag];
    if (start == kAbsent || end == kAbsent) {
        return defaultValue;
    }
    size_t tagLength = tag < 10 ? 2 : 3;
    size_t valueStart = start + tagLength + 1;
    // The ";" sits right after the tag ("S1;"): nothing between.
    return valueStart >= end ? std::string_view() : mLine.substr(valueStart, end - valueStart);
}

} // namespace kiv
