#include "playlist/VolumeName.h"
#include "util/ErrorReport.h"
#include "util/Strings.h"

#include <gtest/gtest.h>

namespace kiv {
namespace {

TEST(TaggedValue, FindsTheFirstOccurrenceOfTheBareTag) {
    const std::string line = "S1=Anamorphic;S2=10;S11=7;";
    EXPECT_EQ(GetTaggedValue(line, "S2", ";", "d"), "10");
    EXPECT_EQ(GetTaggedValue(line, "S1", ";", "d"), "Anamorphic");
    EXPECT_EQ(GetTaggedValue(line, "S11", ";", "d"), "7");
    EXPECT_EQ(GetTaggedValue(line, "S9", ";", "d"), "d");
    EXPECT_EQ(GetTaggedValue("S1=open", "S1", ";", "d"), "d"); // no terminator after the tag
    EXPECT_EQ(GetTaggedValue("S1=;", "S1", ";", "d"), "");
    EXPECT_EQ(GetTaggedValue("S1;", "S1", ";", "d"), "");
    EXPECT_EQ(GetTaggedValue("s1=x;", "S1", ";", "d"), "d"); // case matters
}

TEST(ReplaceString, ReplacesEveryOccurrenceWithoutRescanning) {
    EXPECT_EQ(ReplaceString("MY_DVD_TITLE", "_", " ", false), "MY DVD TITLE");
    EXPECT_EQ(ReplaceString("a_b", "_", "__", false), "a__b");
    EXPECT_EQ(ReplaceString("xXx", "x", "yx", false), "yxyxyx");
    EXPECT_EQ(ReplaceString("xXx", "x", "y", true), "yXy");
    EXPECT_EQ(ReplaceString("", "_", " ", false), "");
}

TEST(TextHelpers, TrimNullsTrimSpacesAndProperCase) {
    EXPECT_EQ(TrimNulls(std::string("VOL\0junk", 8)), "VOL");
    EXPECT_EQ(TrimNulls(std::string("\0abc", 4)), "");
    EXPECT_EQ(TrimNulls("plain"), "plain");
    EXPECT_EQ(TrimSpaces("  a b  "), "a b");
    EXPECT_EQ(TrimSpaces("\ta "), "\ta");
    EXPECT_EQ(ProperCase("hELLO wORLD\tagain"), "Hello World\tAgain");
    EXPECT_EQ(FindIgnoreCase("abc/S x", "/s"), 3u);
}

TEST(FixVolumeName, MakesATitleOutOfAVolumeName) {
    EXPECT_EQ(FixVolumeName("MY_DVD_TITLE"), "My Dvd Title");
    EXPECT_EQ(FixVolumeName(""), "Unnamed Volume");
    EXPECT_EQ(FixVolumeName("STAR_WARS_EP4"), "Star Wars Ep4");
    EXPECT_EQ(FixVolumeName("__"), "  ");
}

TEST(ErrorMessages, ReadLikeTheProgramsOtherMessages) {
    EXPECT_EQ(FormatErrorMessage(CRuntimeError(ErrorNumber::TypeMismatch)),
              "Error: 13. Type mismatch");
    EXPECT_EQ(FormatUtilityErrorMessage(CRuntimeError(ErrorNumber::FileNotFound)),
              "Error: 53, File not found");
    EXPECT_EQ(CRuntimeError(ErrorNumber::DuplicateKey).Description(),
              "This key is already associated with an element of this collection");
}

} // namespace
} // namespace kiv
