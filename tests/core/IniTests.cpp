#include "support/TestSupport.h"
#include "util/IniText.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include "platform/win32/Win32.h"
#endif

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

#ifdef _WIN32
// Our text rules against the platform's own profile calls: the same file
// written key by key, and the same values read back.
TEST(ProfileText, UpdateAndLookupAgreeWithThePlatformsProfileCalls) {
    TempDir dir;
    const std::string path = dir.File("test.ini");
    const std::string start = "; notes\r\n[Other]\r\nDrive=Z\r\n[KIV]\r\nDrive=\"E\"\r\n";
    WriteBytes(path, start);
    std::string text = start;
    const std::pair<const char*, const char*> writes[] = {
        {"Drive", "F"}, {"Margin", "-1"}, {"Blank", ""}, {"Margin", "2"}};
    for (const auto& [key, value] : writes) {
        ASSERT_TRUE(::WritePrivateProfileStringA("KIV", key, value, path.c_str()));
        text = ProfileUpdate(text, "KIV", key, value);
    }
    EXPECT_EQ(ReadBytes(path), text);
    for (const char* key : {"Drive", "MARGIN", "Blank", "Missing"}) {
        char buffer[kIniValueLimit + 1] = {};
        ::GetPrivateProfileStringA("KIV", key, "~nf~", buffer, sizeof buffer, path.c_str());
        EXPECT_EQ(ProfileLookup(text, "KIV", key).value_or("~nf~"), buffer) << key;
    }
}
#endif

} // namespace
} // namespace kiv
