#include "support/TestSupport.h"
#include "util/Ini.h"
#include "util/IniText.h"

#include <gtest/gtest.h>

namespace kiv {
namespace {

using namespace test;

TEST(ProfileText, LookupFollowsThePlatformRules) {
    const std::string text =
        "; comment=1\r\n[Other]\r\nKey=other\r\n[ kiv ]\r\n  key  =  spaced  \r\n"
        "Quoted=\"in quotes\"\r\nEmpty=\r\n[KIV]\r\nKey=second section\r\n";
    EXPECT_EQ(ProfileLookup(text, "KIV", "KEY"), "spaced");
    EXPECT_EQ(ProfileLookup(text, "Kiv", "Quoted"), "in quotes");
    EXPECT_EQ(ProfileLookup(text, "KIV", "Empty"), "");
    EXPECT_EQ(ProfileLookup(text, "KIV", "Missing"), std::nullopt);
    EXPECT_EQ(ProfileLookup(text, "Other", "Key"), "other");
}

// These run against the platform's own profile calls on Windows and against
// our own implementation elsewhere: both must behave the same.
TEST(IniFile, ReadAndWriteThroughTheFile) {
    TempDir dir;
    std::string path = dir.File("test.ini");
    EXPECT_EQ(ReadIniString("KIV", "Drive", "~nf~", path), "~nf~"); // no file
    EXPECT_TRUE(WriteIniString("KIV", "Drive", "E", path));
    EXPECT_TRUE(WriteIniString("KIV", "Margin", "-1", path));
    EXPECT_TRUE(WriteIniString("KIV", "Blank", "", path));
    EXPECT_EQ(ReadIniString("KIV", "Drive", "~nf~", path), "E");
    EXPECT_EQ(ReadIniString("kiv", "MARGIN", "~nf~", path), "-1");
    EXPECT_EQ(ReadIniString("KIV", "Blank", "~nf~", path), "~nf~"); // empty counts as missing
    EXPECT_EQ(ReadIniString("Other", "Drive", "~nf~", path), "~nf~");
    EXPECT_TRUE(WriteIniString("KIV", "Drive", "F", path));
    EXPECT_EQ(ReadBytes(path), "[KIV]\r\nDrive=F\r\nMargin=-1\r\nBlank=\r\n");
}

} // namespace
} // namespace kiv
