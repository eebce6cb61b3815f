#include "store/Options.h"
#include "support/TestSupport.h"
#include "util/Ini.h"

#include <gtest/gtest.h>

namespace kiv {
namespace {

using test::ReadBytes;
using test::RecordingReporter;
using test::TempDir;
using test::WriteBytes;

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

TEST_F(OptionsFixture, DefaultsAndNoFileCreatedByReading) {
    COptions fresh(reporter);
    EXPECT_TRUE(fresh.SubClassWindowSize);
    EXPECT_TRUE(fresh.GlobalKeyHook);
    EXPECT_FALSE(fresh.SpecifyDimensions);
    EXPECT_EQ(fresh.TaskBarMargin, 3);
    EXPECT_EQ(fresh.TitleBarMargin, -1);
    EXPECT_EQ(fresh.SideMargin, -1);
    EXPECT_EQ(fresh.Drive, "D");
    EXPECT_TRUE(fresh.PlayListAutoSelect);
    EXPECT_FALSE(fresh.PlayListAutoAdd);
    EXPECT_TRUE(fresh.ShowTrayIcon);
    EXPECT_EQ(fresh.WindowStartMode, 0);
    EXPECT_TRUE(fresh.INIFilePath.ends_with("KIV.ini"));
    options.RetrieveSettings();
    EXPECT_FALSE(std::filesystem::exists(options.INIFilePath));
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(OptionsFixture, BooleansAcceptOnlyOneAndZero) {
    COptions read = ReadFresh("[KIV]\r\nSubClassWindowSize=yes\r\nGlobalKeyHook=0\r\n"
                              "SpecifyDimensions=1\r\nShowTrayIcon=-1\r\nAutoMouseHide=true\r\n");
    EXPECT_TRUE(read.SubClassWindowSize);
    EXPECT_FALSE(read.GlobalKeyHook);
    EXPECT_TRUE(read.SpecifyDimensions);
    EXPECT_TRUE(read.ShowTrayIcon);
    EXPECT_TRUE(read.AutoMouseHide);
}

TEST_F(OptionsFixture, NumbersRoundHalvesToEvenAndIgnoreText) {
    COptions read = ReadFresh("[KIV]\r\nTitleBarMargin=12.5\r\nSideMargin=13.5\r\n"
                              "TaskBarMargin=abc\r\nAssumedWidth= 800 \r\nAssumedHeight=\r\n"
                              "WindowStartMode=-1\r\n");
    EXPECT_EQ(read.TitleBarMargin, 12);
    EXPECT_EQ(read.SideMargin, 14);
    EXPECT_EQ(read.TaskBarMargin, 3);
    EXPECT_EQ(read.AssumedWidth, 800);
    EXPECT_EQ(read.AssumedHeight, 0);
    EXPECT_EQ(read.WindowStartMode, -1);
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(OptionsFixture, NumberTooLargeStopsReadingWithEarlierKeysApplied) {
    COptions read = ReadFresh("[KIV]\r\nGlobalKeyHook=0\r\nAssumedHeight=1e12\r\n"
                              "AssumedWidth=640\r\nDrive=E\r\n");
    EXPECT_FALSE(read.GlobalKeyHook);
    EXPECT_EQ(read.AssumedHeight, 0);
    EXPECT_EQ(read.Drive, "D");
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0].title, "RetrieveSettings");
    EXPECT_EQ(reporter.messages[0].text, "Error: 6. Overflow");
}

TEST_F(OptionsFixture, StringsEmptyValueCountsAsMissingAndLongValuesAreCut) {
    std::string longPath(400, 'p');
    COptions read = ReadFresh("[KIV]\r\nDrive=\r\nHotKeyMoveUp=\r\nLaunchApplication=" + longPath +
                              "\r\nPlayListDefaultSetting=  Letterbox  \r\n");
    EXPECT_EQ(read.Drive, "D");
    EXPECT_EQ(read.HotKeyMoveUp, "");
    EXPECT_EQ(read.LaunchApplication, std::string(259, 'p'));
    EXPECT_EQ(read.PlayListDefaultSetting, "Letterbox");
}

TEST_F(OptionsFixture, SaveThenRetrieveGivesBackEveryField) {
    options.SubClassWindowSize = false;
    options.GlobalKeyHook = false;
    options.SpecifyDimensions = true;
    options.AssumedHeight = 600;
    options.AssumedWidth = -800;
    options.TaskBarMargin = 30;
    options.TitleBarMargin = 19;
    options.SideMargin = 4;
    options.Drive = "";
    options.PlayListAutoSelect = false;
    options.PlayListAutoAdd = true;
    options.PlayListDefaultSetting = "Letterbox";
    options.DisableDVDRomContent = false;
    options.AutoMouseHide = false;
    options.ShowTrayIcon = false;
    options.HotKeySetFocusApp = "1165";
    options.HotKeyReapplyCurrent = "00112";
    options.LaunchApplication = "C:\\Players\\player.exe";
    options.WindowStartMode = -1;
    options.UseCaptionNotClass = true;
    options.SaveSettings();

    COptions read(reporter);
    read.INIFilePath = options.INIFilePath;
    read.RetrieveSettings();
    EXPECT_FALSE(read.SubClassWindowSize);
    EXPECT_FALSE(read.GlobalKeyHook);
    EXPECT_TRUE(read.SpecifyDimensions);
    EXPECT_EQ(read.AssumedHeight, 600);
    EXPECT_EQ(read.AssumedWidth, -800);
    EXPECT_EQ(read.TaskBarMargin, 30);
    EXPECT_EQ(read.TitleBarMargin, 19);
    EXPECT_EQ(read.SideMargin, 4);
    EXPECT_EQ(read.Drive, "D"); // saved empty, read back as the default
    EXPECT_FALSE(read.PlayListAutoSelect);
    EXPECT_TRUE(read.PlayListAutoAdd);
    EXPECT_EQ(read.PlayListDefaultSetting, "Letterbox");
    EXPECT_FALSE(read.DisableDVDRomContent);
    EXPECT_FALSE(read.AutoMouseHide);
    EXPECT_FALSE(read.ShowTrayIcon);
    EXPECT_EQ(read.HotKeySetFocusApp, "1165");
    EXPECT_EQ(read.HotKeyReapplyCurrent, "00112");
    EXPECT_EQ(read.HotKeyMoveUp, "");
    EXPECT_EQ(read.LaunchApplication, "C:\\Players\\player.exe");
    EXPECT_EQ(read.WindowStartMode, 1); // written as its absolute value
    EXPECT_TRUE(read.UseCaptionNotClass);
    EXPECT_EQ(ReadIniString("KIV", "WindowStartMode", "", options.INIFilePath), "1");
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(OptionsFixture, SavingKeepsForeignKeysAndReplacesInPlace) {
    WriteBytes(options.INIFilePath,
               "; user notes\r\n[Other]\r\nDrive=Z\r\n[KIV]\r\nDrive=E\r\nMyOwnKey=kept\r\n");
    options.RetrieveSettings();
    EXPECT_EQ(options.Drive, "E");
    options.Drive = "F";
    options.SaveSettings();
    std::string text = ReadBytes(options.INIFilePath);
    EXPECT_EQ(text.rfind("; user notes\r\n[Other]\r\nDrive=Z\r\n[KIV]\r\n", 0), 0u) << text;
    EXPECT_NE(text.find("Drive=F\r\nMyOwnKey=kept\r\n"), std::string::npos) << text;
    EXPECT_EQ(ReadIniString("Other", "Drive", "", options.INIFilePath), "Z");
    EXPECT_FALSE(std::filesystem::exists(options.INIFilePath + ".new"));
}

TEST_F(OptionsFixture, ReadOnlyFileIsLeftAsItWasWithoutAMessage) {
    WriteBytes(options.INIFilePath, "[KIV]\r\nDrive=E\r\n");
    std::filesystem::permissions(options.INIFilePath,
                                 std::filesystem::perms::owner_write |
                                     std::filesystem::perms::group_write |
                                     std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);
    options.Drive = "F";
    options.SaveSettings();
    EXPECT_EQ(ReadBytes(options.INIFilePath), "[KIV]\r\nDrive=E\r\n");
    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_FALSE(std::filesystem::exists(options.INIFilePath + ".new"));
}

TEST_F(OptionsFixture, AssignToCopiesEveryOptionAndThePath) {
    options.Drive = "Q";
    options.TitleBarMargin = 22;
    options.HotKeySave = "0165";
    options.ShowTrayIcon = false;
    RecordingReporter otherReporter;
    COptions copy(otherReporter);
    options.AssignTo(copy);
    EXPECT_EQ(copy.INIFilePath, options.INIFilePath);
    EXPECT_EQ(copy.Drive, "Q");
    EXPECT_EQ(copy.TitleBarMargin, 22);
    EXPECT_EQ(copy.HotKeySave, "0165");
    EXPECT_FALSE(copy.ShowTrayIcon);
}

} // namespace
} // namespace kiv
