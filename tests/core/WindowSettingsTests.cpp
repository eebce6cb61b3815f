#include "placement/InitialSettings.h"
#include "store/WindowSettings.h"
#include "support/TestSupport.h"
#include "util/Strings.h"

#include <gtest/gtest.h>

#include <tuple>

namespace kiv {
namespace {

using namespace test;

// Every field a different value, so a field written or read in another's place shows.
const CWindowSetting kFull{"Wide", "Class:Player", -5, -126, 1021, 1024, 3,  4, 60, 2, 1,
                           "1165", "Media Player", 7,  8,    9,    10,   -1, ""};

// The main window's combo box as the look-ups see it: entries in text order,
// and an exact search that ignores case.
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
};

TEST_F(SettingsFixture, SavedFileIsEveryLineWithCrLfAndNothingElse) {
    for (const auto& s : InitialSettings(1024, 768)) {
        settings.Add(s);
    }
    settings.SaveItems();
    EXPECT_EQ(ReadBytes(settings.AppDataFile),
              "S1=Anamorphic;S2=;S3=0;S4=0;S5=1024;S6=768;S11=0;S12=0;S13=0;S14=0;S15=0;"
              "S16=10112;S17=Your Application;S18=0;S19=0;S20=0;S21=0;S22=0;\r\n"
              "S1=Letterbox;S2=;S3=0;S4=-126;S5=1024;S6=1021;S11=0;S12=0;S13=0;S14=0;S15=0;"
              "S16=10113;S17=Your Application;S18=0;S19=0;S20=0;S21=0;S22=0;\r\n"
              "S1=4x3;S2=;S3=128;S4=0;S5=768;S6=768;S11=0;S12=0;S13=0;S14=0;S15=0;"
              "S16=10114;S17=Your Application;S18=0;S19=0;S20=0;S21=0;S22=0;\r\n");
}

TEST_F(SettingsFixture, EveryFieldSurvivesSaveAndLoadInOrderUnderNewKeys) {
    CWindowSetting extreme = kFull;
    extreme.WindowLeft = INT32_MIN;
    extreme.WindowTop = INT32_MAX;
    extreme.BlankingOn = INT16_MIN;
    const CWindowSetting saved[] = {kFull, extreme, CWindowSetting{}};
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
}

TEST_F(SettingsFixture, NamesHoldingAFieldKeysTextSurviveSaveAndLoad) {
    std::vector<CWindowSetting> saved;
    for (const char* name : {"PS3", "PS5", "Galaxy S20", "PS3 Pro", "S3", "S1S2S3"}) {
        CWindowSetting named = kFull;
        named.SettingName = name;
        named.WindowClass = std::string("Class:") + name;
        named.ApplicationName = std::string(name) + " S17 S2";
        saved.push_back(named);
        settings.Add(named);
    }
    settings.SaveItems();
    settings.LoadItems();
    ASSERT_EQ(settings.Count(), 6);
    for (int32_t i = 1; i <= 6; ++i) {
        EXPECT_EQ(settings.Item(i)->CopyWithoutKey(), saved[static_cast<size_t>(i - 1)]) << i;
    }
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(SettingsFixture, ToleratesOlderHandEditedAndHostileLines) {
    settings.LoadFromText("S1=Old;S2=Class:Player;S6=40;\r\nS1=Wide S3=99;Screen;\n\rS1=Last;");
    ASSERT_EQ(settings.Count(), 4);
    EXPECT_EQ(settings.Item(1)->ApplicationName, "Class:Player"); // no S17: the class
    EXPECT_EQ(settings.Item(1)->WindowHeight, 40);
    // No escaping: a ";" ends a text; a key's text inside a text is only text.
    EXPECT_EQ(settings.Item(2)->SettingName, "Wide S3=99");
    EXPECT_EQ(settings.Item(2)->WindowLeft, 0);
    EXPECT_TRUE(settings.Item(3)->CopyWithoutKey() == CWindowSetting{}); // a blank line
    EXPECT_EQ(settings.Item(4)->SettingName, "Last"); // the last line needs no CR LF
    settings.LoadFromText("S3= 1e3 ;S4=-2.5;S15=+7;");
    EXPECT_EQ(std::tuple(settings.Item(1)->WindowLeft, settings.Item(1)->WindowTop,
                         settings.Item(1)->BlankingOn),
              std::tuple(1000, -2, int16_t{7})); // any number the strict rule reads
    settings.LoadFromText(std::string("S1=A\0B;S3=1;\r\n", 14));
    EXPECT_EQ(settings.Item(1)->SettingName, std::string("A\0B", 3));
    EXPECT_TRUE(reporter.messages.empty());
}

TEST(SettingsFileReading, BadNumberStopsTheLoadKeepingEarlierSettings) {
    const std::pair<const char*, const char*> badLines[] = {
        {"S1=Bad;S3=abc;", "Error: 13. Type mismatch"},
        {"S1=Bad;S3=12abc;", "Error: 13. Type mismatch"},
        {"S1=Bad;S15=32768;", "Error: 6. Overflow"},
    };
    for (const auto& [bad, message] : badLines) {
        RecordingReporter reporter;
        CWindowSettings settings(reporter);
        settings.LoadFromText(std::string("S1=One;\r\nS1=Two;\r\n") + bad + "\r\nS1=After;\r\n");
        EXPECT_EQ(settings.Count(), 2) << bad;
        ASSERT_EQ(reporter.messages.size(), 1u) << bad;
        EXPECT_EQ(reporter.messages[0].title, "LoadItems");
        EXPECT_EQ(reporter.messages[0].text, message);
    }
}

TEST_F(SettingsFixture, AMissingFileOrAFolderGivesNoSettingsAndNoMessage) {
    settings.LoadItems();
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
    EXPECT_EQ(reporter.messages[2].title, "Add");
    EXPECT_EQ(reporter.messages[2].text, "Error: 6. Overflow");
}

TEST_F(SettingsFixture, AKeyIsExactlyCAndTheNumberOfAStoredSetting) {
    settings.Add({});
    settings.Add({});
    settings.Remove("C1");
    for (const char* key : {"C1", "C02", "c2", "C2 ", "C", "2", "C2x", "C65538", "C100002"}) {
        EXPECT_FALSE(settings.Contains(key)) << key;
    }
    EXPECT_EQ(settings.Item("C2"), settings.Item(1));
}

TEST_F(SettingsFixture, LocateSelectsTheFirstListEntryByExactNameOrByKey) {
    for (const char* name : {"Anamorphic", "Letterbox", "4x3", "Anamorphic"}) {
        CWindowSetting setting;
        setting.SettingName = name;
        settings.Add(setting);
    }
    SortedList list;
    list.entries = {{"4x3", 3}, {"Anamorphic", 1}, {"Anamorphic", 4}, {"Letterbox", 2}};
    settings.LocateItem("Letterbox", list);
    settings.LocateItem("letterbox", list); // the name must match exactly
    settings.LocateItem("Anamorphic", list);
    settings.LocateItemByKey("C3", list);
    settings.LocateItemByKey("C9", list); // not in the collection
    EXPECT_EQ(list.selections, (std::vector<int32_t>{3, 1, 0}));
}

} // namespace
} // namespace kiv
