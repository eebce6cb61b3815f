#include "store/TaggedLine.h"

#include <gtest/gtest.h>

namespace kiv {
namespace {

TEST(TaggedLine, AKeyCountsOnlyWhereAFieldStartsAndOnlyBeforeAnEqualsSign) {
    const struct {
        const char* line;
        int tag;
        const char* value;
    } cases[] = {
        {"S1=Anamorphic;S2=10;S11=7;", 11, "7"},
        {"S1=Anamorphic;S2=10;S11=7;", 9, "d"},
        {"S1=open", 1, "d"}, // no terminator after the key
        {"S1=;", 1, ""},
        {"S1;", 1, "d"},         // no "=": no key
        {"s1=x;", 1, "d"},       // case matters
        {" S1=x;", 1, "d"},      // not at the start of a field
        {"S11=7;S1=x;", 1, "x"}, // the start of a longer key is not the key
        {"S1=AS2=B;S2=c;", 2, "c"},
        {"S1=PS3 Pro;S3=5;", 3, "5"}, // a key's text inside a name
        {"S1=Galaxy S20;S2=;", 20, "d"},
        {"S1=PS3;S2=x;", 3, "d"},
        {"S221=x;S2=y;S22=z;", 22, "z"},
        {"S01=x;S1=y;", 1, "y"},
        {"S1=a;S1=b;", 1, "a"}, // the first key wins
        {"S3=S4;S4=x;", 4, "x"},
        {"S1=a=b;", 1, "a=b"},
        {"S2=x;;S3=y;", 3, "y"},
    };
    for (const auto& c : cases) {
        const CTaggedLine fields(c.line);
        EXPECT_EQ(fields.Value(c.tag, "d"), c.value) << c.line << " " << c.tag;
        EXPECT_EQ(fields.Has(c.tag), std::string_view(c.value) != "d") << c.line << " " << c.tag;
    }
}

} // namespace
} // namespace kiv
