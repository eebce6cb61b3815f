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
    "HotKeyReapplyCurrent=00112\r\nStartWithWindows=1\r\nMainWindowPosition=-1280,40\r\n";

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
                              "WindowStartMode=-1\r\nDrive=\r\nMainWindowPosition=12\r\n"
                              "LaunchApplication=" +
                              std::string(400, 'p') + "\r\n");
    EXPECT_TRUE(read.SubClassWindowSize);
    EXPECT_TRUE(read.ShowTrayIcon);
    EXPECT_EQ(read.TitleBarMargin, 12);
    EXPECT_EQ(read.TaskBarMargin, 3);
    EXPECT_EQ(read.WindowStartMode, -1);
    EXPECT_EQ(read.Drive, "D"); // an empty value counts as missing
    EXPECT_EQ(read.LaunchApplication, std::string(259, 'p'));
    EXPECT_FALSE(read.MainWindowPosition); // not "left,top"
    read.SaveSettings();
    const std::string saved = ReadBytes(read.INIFilePath);
    EXPECT_EQ(ProfileLookup(saved, "KIV", "WindowStartMode"), "1");
    EXPECT_EQ(ProfileLookup(saved, "KIV", "MainWindowPosition"), "12"); // left as it was
}

TEST_F(OptionsFixture, TheMainWindowsPlaceIsWrittenAloneAndOnlyOnceThereIsOne) {
    options.SaveSettings();
    EXPECT_EQ(ProfileLookup(ReadBytes(options.INIFilePath), "KIV", "MainWindowPosition"),
              std::nullopt);
    const std::string before = "[KIV]\r\nDrive=E\r\nMainWindowPosition=1,2\r\n";
    WriteBytes(options.INIFilePath, before);
    options.MainWindowPosition = WindowOrigin{1100, -40};
    EXPECT_TRUE(options.SaveMainWindowPosition());
    EXPECT_EQ(ReadBytes(options.INIFilePath),
              "[KIV]\r\nDrive=E\r\nMainWindowPosition=1100,-40\r\n");
    EXPECT_EQ(ReadFresh(ReadBytes(options.INIFilePath)).MainWindowPosition,
              options.MainWindowPosition);
    options.INIFilePath = dir.File("missing/KIV.ini"); // quietly not written
    EXPECT_FALSE(options.SaveMainWindowPosition());
    EXPECT_TRUE(reporter.messages.empty());
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
