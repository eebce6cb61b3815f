#include "util/Strings.h"

#include <gtest/gtest.h>

namespace kiv {
namespace {

TEST(TaggedValue, FindsTheFirstOccurrenceOfTheBareTag) {
    const struct {
        const char* line;
        const char* tag;
        const char* value;
    } cases[] = {
        {"S1=Anamorphic;S2=10;S11=7;", "S11", "7"},
        {"S1=Anamorphic;S2=10;S11=7;", "S9", "d"},
        {"S1=open", "S1", "d"}, // no terminator after the tag
        {"S1=;", "S1", ""},
        {"S1;", "S1", ""},
        {"s1=x;", "S1", "d"}, // case matters
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetTaggedValue(c.line, c.tag, ";", "d"), c.value) << c.line << " " << c.tag;
    }
}

} // namespace
} // namespace kiv
