#include "store/TaggedLine.h"

#include <gtest/gtest.h>

namespace kiv {
namespace {

TEST(TaggedLine, FindsTheFirstOccurrenceOfTheBareTag) {
    const struct {
        const char* line;
        int tag;
        const char* value;
    } cases[] = {
        {"S1=Anamorphic;S2=10;S11=7;", 11, "7"},
        {"S1=Anamorphic;S2=10;S11=7;", 9, "d"},
        {"S1=open", 1, "d"}, // no terminator after the tag
        {"S1=;", 1, ""},
        {"S1;", 1, ""},
        {"s1=x;", 1, "d"},        // case matters
        {"S11=7;S1=x;", 1, "=7"}, // the start of a longer tag
        {"S1=AS2=B;S2=c;", 2, "B"},
        {"S221=x;S2=y;S22=z;", 22, "=x"},
        {"S01=x;S1=y;", 1, "y"},
        {"S1=a;S1=b;", 1, "a"},
        {"S3=S4;S4=x;", 4, ""}, // the ";" right after the tag
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CTaggedLine(c.line).Value(c.tag, "d"), c.value) << c.line << " " << c.tag;
    }
}

} // namespace
} // namespace kiv
