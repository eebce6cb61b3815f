#include "support/TestSupport.h"
#include "util/Ini.h"
#include "util/IniText.h"

#include <gtest/gtest.h>

namespace kiv {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

TEST(ProfileText, LookupFollowsThePlatformRules) {
    const std::string text =
        "; comment=1\r\n[Other]\r\nKey=other\r\n[ kiv ]\r\n  key  =  spaced  \r\n"
        "Quoted=\"in quotes\"\r\nEmpty=\r\n[KIV]\r\nKey=second section\r\n";
    EXPECT_EQ(ProfileLookup(text, "KIV", "KEY"), "spaced");
    EXPECT_EQ(ProfileLookup(text, "Kiv", "Quoted"), "in quotes");
    EXPECT_EQ(ProfileLookup(text, "KIV", "Empty"), "");
    EXPECT_EQ(ProfileLookup(text, "KIV", "Missing"), std::nullopt);
    EXPECT_EQ(ProfileLookup(text, "Other", "Key"), "other");
    EXPECT_EQ(ProfileLookup(text, "Nowhere", "Key"), std::nullopt);
    EXPECT_EQ(ProfileLookup("", "KIV", "Key"), std::nullopt);
}

TEST(ProfileText, UpdateReplacesInPlaceAndAppendsWhereNeeded) {
    EXPECT_EQ(ProfileUpdate("", "KIV", "Drive", "E"), "[KIV]\r\nDrive=E\r\n");
    EXPECT_EQ(ProfileUpdate("[KIV]\r\nA=1\r\nDrive=D\r\nB=2\r\n", "kiv", "DRIVE", "E"),
              "[KIV]\r\nA=1\r\nDRIVE=E\r\nB=2\r\n");
    EXPECT_EQ(ProfileUpdate("[KIV]\nA=1\n\n[Next]\nC=3", "KIV", "B", "2"),
              "[KIV]\r\nA=1\r\nB=2\r\n\r\n[Next]\r\nC=3\r\n");
    EXPECT_EQ(ProfileUpdate("[Other]\r\nA=1\r\n", "KIV", "B", "2"),
              "[Other]\r\nA=1\r\n\r\n[KIV]\r\nB=2\r\n");
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

TEST(IniFile, ValuesAreCutAt259CharactersAndFoldersReadAsMissing) {
    TempDir dir;
    std::string path = dir.File("long.ini");
    WriteBytes(path, "[KIV]\r\nLonger=" + std::string(300, 'b') + "\r\n");
    EXPECT_EQ(ReadIniString("KIV", "Longer", "", path), std::string(259, 'b'));
    std::string folder = dir.File("folder.ini");
    std::filesystem::create_directory(folder);
    EXPECT_EQ(ReadIniString("KIV", "Drive", "dflt", folder), "dflt");
    EXPECT_FALSE(WriteIniString("KIV", "Drive", "E", dir.File("missing/x.ini")));
}

} // namespace
} // namespace kiv
