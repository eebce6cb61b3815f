#include "app/InitialSettings.h"
#include "store/WindowSettings.h"
#include "support/TestSupport.h"
#include "util/Strings.h"

#include <gtest/gtest.h>

namespace kiv {
namespace {

using test::ReadBytes;
using test::RecordingReporter;
using test::TempDir;
using test::WriteBytes;

// Every field a different value, so a field written or read in another's place shows.
CWindowSetting FullSetting() {
    CWindowSetting s;
    s.SettingName = "Wide Screen";
    s.WindowClass = "Class:MediaPlayerClassicW";
    s.WindowLeft = -5;
    s.WindowTop = -126;
    s.WindowWidth = 1024;
    s.WindowHeight = 1021;
    s.OrbitRangeHorizontal = 3;
    s.OrbitRangeVertical = 4;
    s.OrbitInterval = 60;
    s.OrbitIncrement = 2;
    s.BlankingOn = 1;
    s.HotKey = "1165";
    s.ApplicationName = "Media Player";
    s.BlankingPadLeft = 7;
    s.BlankingPadRight = 8;
    s.BlankingPadTop = 9;
    s.BlankingPadBottom = 10;
    s.LockPosition = -1;
    return s;
}

// The main window's combo box as the look-ups see it: entries in text order,
// case ignored, and so is the case in its exact search.
struct SortedList : ISettingList {
    std::vector<std::pair<std::string, int32_t>> entries;
    std::vector<int32_t> selections;

    int32_t FindStringExact(std::string_view text) const override {
        for (size_t i = 0; i < entries.size(); ++i) {
            if (EqualsIgnoreCase(entries[i].first, text)) {
                return static_cast<int32_t>(i);
            }
        }
        return -1;
    }
    int32_t ListCount() const override { return static_cast<int32_t>(entries.size()); }
    int32_t ItemData(int32_t index) const override { return entries.at(index).second; }
    void SetListIndex(int32_t index) override { selections.push_back(index); }
};

struct SettingsFixture : ::testing::Test {
    TempDir dir;
    RecordingReporter reporter;
    CWindowSettings settings{reporter};
    SettingsFixture() { settings.AppDataFile = dir.File("KIV.dat"); }
    void AddFirstRunSettings() {
        for (const auto& s : InitialSettings(1024, 768)) {
            settings.Add(s);
        }
    }
};

TEST_F(SettingsFixture, SavedFileIsEveryLineWithCrLfAndNothingElse) {
    AddFirstRunSettings();
    settings.SaveItems();
    EXPECT_EQ(ReadBytes(settings.AppDataFile),
              "S1=Anamorphic;S2=;S3=0;S4=0;S5=1024;S6=768;S11=0;S12=0;S13=0;S14=0;S15=0;"
              "S16=10112;S17=Your Application;S18=0;S19=0;S20=0;S21=0;S22=0;\r\n"
              "S1=Letterbox;S2=;S3=0;S4=-126;S5=1024;S6=1021;S11=0;S12=0;S13=0;S14=0;S15=0;"
              "S16=10113;S17=Your Application;S18=0;S19=0;S20=0;S21=0;S22=0;\r\n"
              "S1=4x3;S2=;S3=128;S4=0;S5=768;S6=768;S11=0;S12=0;S13=0;S14=0;S15=0;"
              "S16=10114;S17=Your Application;S18=0;S19=0;S20=0;S21=0;S22=0;\r\n");
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(SettingsFixture, EveryFieldSurvivesSaveAndLoadInOrderUnderNewKeys) {
    CWindowSetting extreme = FullSetting();
    extreme.WindowLeft = INT32_MIN;
    extreme.WindowTop = INT32_MAX;
    extreme.BlankingOn = INT16_MIN;
    extreme.LockPosition = INT16_MAX;
    const CWindowSetting saved[] = {FullSetting(), extreme, CWindowSetting{}};
    for (const auto& s : saved) {
        settings.Add(s);
    }
    settings.SaveItems();
    settings.LoadItems();
    ASSERT_EQ(settings.Count(), 3);
    for (int32_t i = 1; i <= 3; ++i) {
        EXPECT_TRUE(settings.Item(i)->CopyWithoutKey() == saved[i - 1]) << i;
        EXPECT_EQ(settings.Item(i)->ItemKey, "C" + std::to_string(3 + i));
    }
    EXPECT_THROW(settings.Item("C1"), CRuntimeError);
    EXPECT_THROW(settings.Item(4), CRuntimeError);
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(SettingsFixture, ToleratesOlderAndHandEditedLines) {
    settings.LoadFromText("S1=Old;S2=Class:Player;S3=10;S6=40;\r\nS1=Test;\n\rS1=Last;S3=5;");
    ASSERT_EQ(settings.Count(), 4);
    EXPECT_EQ(settings.Item(1)->ApplicationName, "Class:Player"); // no S17: the class
    EXPECT_EQ(settings.Item(1)->WindowHeight, 40);
    CWindowSetting test;
    test.SettingName = "Test";
    EXPECT_TRUE(settings.Item(2)->CopyWithoutKey() == test);
    EXPECT_EQ(settings.Item(3)->SettingName, ""); // a blank line is a setting too
    EXPECT_EQ(settings.Item(4)->WindowLeft, 5);   // the last line needs no CR LF
    EXPECT_TRUE(reporter.messages.empty());
}

TEST(SettingsFileReading, TextsWithSeparatorsOrKeyTextsAreMisreadAsTheFormatImplies) {
    CWindowSetting tricky = FullSetting();
    tricky.SettingName = "Wide S3=99;Screen";
    CWindowSetting read = ParseSettingLine(SettingLine(tricky));
    EXPECT_EQ(read.SettingName, "Wide S3=99");
    EXPECT_EQ(read.WindowClass, tricky.WindowClass);
    EXPECT_EQ(read.WindowLeft, 99); // found inside an earlier field
}

TEST(SettingsFileReading, BadNumberStopsTheLoadKeepingEarlierSettings) {
    const struct {
        const char* line;
        const char* message;
    } badLines[] = {
        {"S1=Bad;S3=abc;", "Error: 13. Type mismatch"},
        {"S1=Bad;S3=;", "Error: 13. Type mismatch"},
        {"S1=Bad;S5=2147483648;", "Error: 6. Overflow"},
        {"S1=Bad;S15=32768;", "Error: 6. Overflow"},
    };
    for (const auto& bad : badLines) {
        SCOPED_TRACE(bad.line);
        RecordingReporter reporter;
        CWindowSettings settings(reporter);
        settings.LoadFromText(std::string("S1=One;\r\nS1=Two;S3=-7;\r\n") + bad.line +
                              "\r\nS1=After;\r\n");
        ASSERT_EQ(settings.Count(), 2);
        EXPECT_EQ(settings.Item(2)->WindowLeft, -7);
        ASSERT_EQ(reporter.messages.size(), 1u);
        EXPECT_EQ(reporter.messages[0].title, "LoadItems");
        EXPECT_EQ(reporter.messages[0].text, bad.message);
    }
}

TEST(SettingsFileReading, HostileContentLoadsWithoutHarm) {
    RecordingReporter reporter;
    CWindowSettings settings(reporter);
    settings.LoadFromText(std::string("S1=A\0B;S3=1;\r\n", 14));
    ASSERT_EQ(settings.Count(), 1);
    EXPECT_EQ(settings.Item(1)->SettingName, std::string("A\0B", 3));
    settings.LoadFromText("S1=" + std::string(1 << 20, 'x') + ";S3=42;");
    EXPECT_EQ(settings.Item(1)->SettingName.size(), 1u << 20);
    EXPECT_EQ(settings.Item(1)->WindowLeft, 42);
}

TEST_F(SettingsFixture, MissingFileOrDirectoryGivesNoSettingsAndNoMessage) {
    settings.LoadItems();
    EXPECT_EQ(settings.Count(), 0);
    std::filesystem::create_directory(settings.AppDataFile);
    settings.LoadItems();
    EXPECT_EQ(settings.Count(), 0);
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(SettingsFixture, AfterTheLastKeyEveryLineReportsItsFailedAddAndIsSkipped) {
    std::string text;
    for (int i = 0; i < 32767; ++i) {
        text += "S1=x;\r\n";
    }
    settings.LoadFromText(text);
    EXPECT_EQ(settings.Item(32767)->ItemKey, "C32767");
    EXPECT_TRUE(reporter.messages.empty());
    settings.LoadFromText("S1=a;\r\nS1=b;\r\nS1=c;\r\n");
    EXPECT_EQ(settings.Count(), 0);
    ASSERT_EQ(reporter.messages.size(), 3u);
    for (const auto& message : reporter.messages) {
        EXPECT_EQ(message.title, "Add");
        EXPECT_EQ(message.text, "Error: 6. Overflow");
    }
}

TEST_F(SettingsFixture, LocateSelectsTheFirstListEntryByExactNameOrByKey) {
    AddFirstRunSettings();
    CWindowSetting twin;
    twin.SettingName = "Anamorphic";
    settings.Add(twin);
    SortedList list;
    list.entries = {{"4x3", 3}, {"Anamorphic", 1}, {"Anamorphic", 4}, {"Letterbox", 2}};
    settings.LocateItem("Letterbox", list);
    settings.LocateItem("letterbox", list); // the name must match exactly
    settings.LocateItem("Anamorphic", list);
    settings.LocateItemByKey("C3", list);
    settings.LocateItemByKey("C9", list); // not in the collection
    EXPECT_EQ(list.selections, (std::vector<int32_t>{3, 1, 0}));
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(SettingsFixture, FailedSaveKeepsThePreviousFileAndRaises) {
    WriteBytes(settings.AppDataFile, "S1=Precious;\r\n");
    settings.Add(FullSetting());
    // The temporary file's place is taken by a directory: writing cannot start.
    std::filesystem::create_directory(settings.AppDataFile + ".tmp");
    EXPECT_THROW(settings.SaveItems(), CRuntimeError);
    EXPECT_EQ(ReadBytes(settings.AppDataFile), "S1=Precious;\r\n");
}

} // namespace
} // namespace kiv
