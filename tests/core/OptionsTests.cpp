#include "store/Options.h"
#include "support/TestSupport.h"
#include "util/IniText.h"

#include <gtest/gtest.h>

namespace kiv {
namespace {

using namespace test;

// Every key in writing order, none at its default.
const std::string kEveryKey =
    "[KIV]\r\nSubClassWindowSize=0\r\nGlobalKeyHook=0\r\nSpecifyDimensions=1\r\n"
    "AssumedHeight=600\r\nAssumedWidth=-800\r\nTaskBarMargin=30\r\nTitleBarMargin=19\r\n"
    "SideMargin=4\r\nDrive=E\r\nPlayListAutoSelect=0\r\nPlayListAutoAdd=1\r\n"
    "PlayListDefaultSetting=Letterbox\r\nDisableDVDRomContent=0\r\nAutoMouseHide=0\r\n"
    "ShowTrayIcon=0\r\nLaunchApplication=C:\\Players\\player.exe\r\nWindowStartMode=2\r\n"
    "UseCaptionNotClass=1\r\nHotKeySetFocusApp=1165\r\nHotKeySetFocusKIV=1166\r\n"
    "HotKeyMoveUp=0038\r\nHotKeyMoveDown=0040\r\nHotKeyMoveLeft=0037\r\n"
    "HotKeyMoveRight=0039\r\nHotKeyExpand=1038\r\nHotKeyShrink=1040\r\nHotKeySave=1183\r\n"
    "HotKeyReapplyCurrent=00112\r\n";

struct OptionsFixture : ::testing::Test {
    TempDir dir;
    RecordingReporter reporter;
    COptions options{reporter};
    OptionsFixture() { options.INIFilePath = dir.File("KIV.ini"); }

    COptions ReadFresh(const std::string& fileText) {
        WriteBytes(options.INIFilePath, fileText);
        COptions fresh(reporter);
        fresh.INIFilePath = options.INIFilePath;
        fresh.RetrieveSettings();
        return fresh;
    }
};

TEST_F(OptionsFixture, EveryKeyIsReadAndWrittenBackByteForByteInOrder) {
    options.RetrieveSettings(); // no file yet: reading creates none
    EXPECT_FALSE(std::filesystem::exists(options.INIFilePath));
    COptions read = ReadFresh(kEveryKey);
    read.INIFilePath = dir.File("Copy.ini");
    read.SaveSettings();
    EXPECT_EQ(ReadBytes(read.INIFilePath), kEveryKey);
}

TEST_F(OptionsFixture, UnusableValuesLeaveTheirFieldsAndNumbersRoundHalvesToEven) {
    COptions read = ReadFresh("[KIV]\r\nSubClassWindowSize=yes\r\nShowTrayIcon=-1\r\n"
                              "TitleBarMargin=12.5\r\nTaskBarMargin=abc\r\n"
                              "WindowStartMode=-1\r\nDrive=\r\n"
                              "LaunchApplication=" +
                              std::string(400, 'p') + "\r\n");
    EXPECT_TRUE(read.SubClassWindowSize);
    EXPECT_TRUE(read.ShowTrayIcon);
    EXPECT_EQ(read.TitleBarMargin, 12);
    EXPECT_EQ(read.TaskBarMargin, 3);
    EXPECT_EQ(read.WindowStartMode, -1);
    EXPECT_EQ(read.Drive, "D"); // an empty value counts as missing
    EXPECT_EQ(read.LaunchApplication, std::string(259, 'p'));
    read.SaveSettings();
    EXPECT_EQ(ProfileLookup(ReadBytes(read.INIFilePath), "KIV", "WindowStartMode"), "1");
}

TEST_F(OptionsFixture, NumberTooLargeStopsReadingWithEarlierKeysApplied) {
    COptions read = ReadFresh("[KIV]\r\nGlobalKeyHook=0\r\nAssumedHeight=1e12\r\nDrive=E\r\n");
    EXPECT_FALSE(read.GlobalKeyHook);
    EXPECT_EQ(read.Drive, "D");
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0].title, "RetrieveSettings");
    EXPECT_EQ(reporter.messages[0].text, "Error: 6. Overflow");
}

TEST_F(OptionsFixture, SavingKeepsForeignKeysAndReplacesInPlace) {
    const std::string before = "; notes\r\n[Other]\r\nDrive=Z\r\n[KIV]\r\nDrive=E\r\nMine=kept\r\n";
    WriteBytes(options.INIFilePath, before);
    options.SaveSettings();
    std::string text = ReadBytes(options.INIFilePath);
    EXPECT_EQ(text.rfind("; notes\r\n[Other]\r\nDrive=Z\r\n[KIV]\r\nDrive=D\r\nMine=kept\r\n", 0),
              0u)
        << text;
}

} // namespace
} // namespace kiv
