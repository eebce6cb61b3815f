#include "app/InitialSettings.h"
#include "store/WindowSettings.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <map>

namespace kiv {
namespace {

using test::ReadBytes;
using test::RecordingReporter;
using test::TempDir;
using test::WriteBytes;

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
    s.LockPosition = 1;
    return s;
}

void ExpectSameFields(const CWindowSetting& a, const CWindowSetting& b) {
    EXPECT_EQ(a.SettingName, b.SettingName);
    EXPECT_EQ(a.WindowClass, b.WindowClass);
    EXPECT_EQ(a.WindowLeft, b.WindowLeft);
    EXPECT_EQ(a.WindowTop, b.WindowTop);
    EXPECT_EQ(a.WindowWidth, b.WindowWidth);
    EXPECT_EQ(a.WindowHeight, b.WindowHeight);
    EXPECT_EQ(a.OrbitRangeHorizontal, b.OrbitRangeHorizontal);
    EXPECT_EQ(a.OrbitRangeVertical, b.OrbitRangeVertical);
    EXPECT_EQ(a.OrbitInterval, b.OrbitInterval);
    EXPECT_EQ(a.OrbitIncrement, b.OrbitIncrement);
    EXPECT_EQ(a.BlankingOn, b.BlankingOn);
    EXPECT_EQ(a.HotKey, b.HotKey);
    EXPECT_EQ(a.ApplicationName, b.ApplicationName);
    EXPECT_EQ(a.BlankingPadLeft, b.BlankingPadLeft);
    EXPECT_EQ(a.BlankingPadRight, b.BlankingPadRight);
    EXPECT_EQ(a.BlankingPadTop, b.BlankingPadTop);
    EXPECT_EQ(a.BlankingPadBottom, b.BlankingPadBottom);
    EXPECT_EQ(a.LockPosition, b.LockPosition);
}

// A sorted list double that behaves like the main window's combo box: entries
// kept in text order (case ignored), exact search ignoring case, and selecting
// an entry runs the selection handler at once.
class SortedListDouble : public ISettingList {
public:
    void Fill(const CWindowSettings& settings) {
        entries.clear();
        for (const auto& s : settings) {
            entries.push_back({s->SettingName, std::stoi(s->ItemKey.substr(1))});
        }
        std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
            return ToUpper(a.text) < ToUpper(b.text);
        });
    }
    int32_t FindStringExact(std::string_view text) const override {
        for (size_t i = 0; i < entries.size(); ++i) {
            if (ToUpper(entries[i].text) == ToUpper(std::string(text))) {
                return static_cast<int32_t>(i);
            }
        }
        return -1;
    }
    int32_t ListCount() const override { return static_cast<int32_t>(entries.size()); }
    int32_t ItemData(int32_t index) const override { return entries.at(index).data; }
    void SetListIndex(int32_t index) override { selections.push_back(index); }

    struct Entry {
        std::string text;
        int32_t data;
    };
    std::vector<Entry> entries;
    std::vector<int32_t> selections;

private:
    static std::string ToUpper(std::string s) {
        for (char& c : s) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        return s;
    }
};

TEST(SettingsFileFormat, FirstRunAnamorphicLineIsByteExact) {
    auto initial = InitialSettings(1024, 768);
    EXPECT_EQ(SettingLine(initial[0]),
              "S1=Anamorphic;S2=;S3=0;S4=0;S5=1024;S6=768;S11=0;S12=0;S13=0;S14=0;S15=0;"
              "S16=10112;S17=Your Application;S18=0;S19=0;S20=0;S21=0;S22=0;");
}

TEST(SettingsFileFormat, SavedFileIsEveryLineWithCrLfAndNothingElse) {
    TempDir dir;
    RecordingReporter reporter;
    CWindowSettings settings(reporter);
    settings.AppDataFile = dir.File("KIV.dat");
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
    EXPECT_FALSE(std::filesystem::exists(settings.AppDataFile + ".tmp"));
    EXPECT_TRUE(reporter.messages.empty());
}

TEST(SettingsFileFormat, EveryFieldSurvivesSaveAndLoadInOrder) {
    TempDir dir;
    RecordingReporter reporter;
    CWindowSettings settings(reporter);
    settings.AppDataFile = dir.File("KIV.dat");
    CWindowSetting extreme = FullSetting();
    extreme.SettingName = "Extremes";
    extreme.WindowLeft = INT32_MIN;
    extreme.WindowTop = INT32_MAX;
    extreme.BlankingOn = -1;
    extreme.LockPosition = INT16_MAX;
    settings.Add(FullSetting());
    settings.Add(extreme);
    settings.Add(CWindowSetting{});
    settings.SaveItems();

    CWindowSettings reloaded(reporter);
    reloaded.AppDataFile = settings.AppDataFile;
    reloaded.LoadItems();
    ASSERT_EQ(reloaded.Count(), 3);
    ExpectSameFields(*reloaded.Item(1), FullSetting());
    ExpectSameFields(*reloaded.Item(2), extreme);
    ExpectSameFields(*reloaded.Item(3), CWindowSetting{});
    EXPECT_TRUE(reporter.messages.empty());
}

TEST(SettingsFileReading, ToleratesOlderAndHandEditedLines) {
    RecordingReporter reporter;
    CWindowSettings settings(reporter);
    settings.LoadFromText("S1=Old;S2=Class:Player;S3=10;S4=20;S5=30;S6=40;\r\n"
                          "S1=Test;\r\n"
                          "\r\n"
                          "S1=Last;S3=5;");
    ASSERT_EQ(settings.Count(), 4);
    // No S17: the application name is the window class.
    EXPECT_EQ(settings.Item(1)->ApplicationName, "Class:Player");
    EXPECT_EQ(settings.Item(1)->WindowHeight, 40);
    EXPECT_EQ(settings.Item(2)->SettingName, "Test");
    EXPECT_EQ(settings.Item(2)->WindowClass, "");
    EXPECT_EQ(settings.Item(2)->WindowWidth, 0);
    // A blank line is a setting too.
    EXPECT_EQ(settings.Item(3)->SettingName, "");
    // The last line needs no CR LF.
    EXPECT_EQ(settings.Item(4)->SettingName, "Last");
    EXPECT_EQ(settings.Item(4)->WindowLeft, 5);
    EXPECT_TRUE(reporter.messages.empty());
}

TEST(SettingsFileReading, TextsWithSeparatorsOrKeyTextsAreMisreadAsTheFormatImplies) {
    CWindowSetting tricky = FullSetting();
    tricky.SettingName = "Wide;Screen";
    tricky.ApplicationName = "Player; the best";
    CWindowSetting read = ParseSettingLine(SettingLine(tricky));
    EXPECT_EQ(read.SettingName, "Wide");
    EXPECT_EQ(read.ApplicationName, "Player");
    EXPECT_EQ(read.WindowClass, "Class:MediaPlayerClassicW");

    // A key text inside an earlier field is found before the real field.
    CWindowSetting keyText = FullSetting();
    keyText.SettingName = "Name S3=99";
    read = ParseSettingLine(SettingLine(keyText));
    EXPECT_EQ(read.SettingName, "Name S3=99");
    EXPECT_EQ(read.WindowLeft, 99);
}

TEST(SettingsFileReading, BadNumberStopsTheLoadKeepingEarlierSettings) {
    const std::map<std::string, std::string> badLines = {
        {"not a number", "S1=Bad;S3=abc;"},
        {"empty number", "S1=Bad;S3=;"},
        {"too large for 32 bits", "S1=Bad;S5=2147483648;"},
        {"too large for 16 bits", "S1=Bad;S15=32768;"},
    };
    for (const auto& [why, bad] : badLines) {
        SCOPED_TRACE(why);
        RecordingReporter reporter;
        CWindowSettings settings(reporter);
        settings.LoadFromText("S1=One;\r\nS1=Two;S3=-7;\r\n" + bad + "\r\nS1=After;\r\n");
        ASSERT_EQ(settings.Count(), 2);
        EXPECT_EQ(settings.Item(2)->WindowLeft, -7);
        ASSERT_EQ(reporter.messages.size(), 1u);
        EXPECT_EQ(reporter.messages[0].title, "LoadItems");
    }
    RecordingReporter reporter;
    CWindowSettings settings(reporter);
    settings.LoadFromText("S1=Bad;S3=abc;");
    EXPECT_EQ(reporter.messages.at(0).text, "Error: 13. Type mismatch");
    settings.LoadFromText("S1=Bad;S3=99999999999;");
    EXPECT_EQ(reporter.messages.at(1).text, "Error: 6. Overflow");
}

TEST(SettingsFileReading, HostileContentLoadsWithoutHarm) {
    RecordingReporter reporter;
    CWindowSettings settings(reporter);
    std::string junk;
    for (int i = 0; i < 4096; ++i) {
        junk += static_cast<char>((i * 131) % 256);
    }
    settings.LoadFromText(junk);
    std::string nulls("S1=A\0B;S3=1;\r\n", 14);
    settings.LoadFromText(nulls);
    ASSERT_EQ(settings.Count(), 1);
    EXPECT_EQ(settings.Item(1)->SettingName, std::string("A\0B", 3));
    std::string longLine = "S1=" + std::string(1 << 20, 'x') + ";S3=42;";
    settings.LoadFromText(longLine);
    ASSERT_EQ(settings.Count(), 1);
    EXPECT_EQ(settings.Item(1)->SettingName.size(), 1u << 20);
    EXPECT_EQ(settings.Item(1)->WindowLeft, 42);
}

TEST(SettingsFileReading, MissingFileOrDirectoryGivesNoSettingsAndNoMessage) {
    TempDir dir;
    RecordingReporter reporter;
    CWindowSettings settings(reporter);
    settings.AppDataFile = dir.File("KIV.dat");
    settings.LoadItems();
    EXPECT_EQ(settings.Count(), 0);
    std::filesystem::create_directory(settings.AppDataFile);
    settings.LoadItems();
    EXPECT_EQ(settings.Count(), 0);
    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_FALSE(std::filesystem::is_regular_file(settings.AppDataFile));
}

TEST(SettingsCollection, KeysCountOnAcrossReloadsAndNeverRepeat) {
    TempDir dir;
    RecordingReporter reporter;
    CWindowSettings settings(reporter);
    settings.AppDataFile = dir.File("KIV.dat");
    for (const auto& s : InitialSettings(1024, 768)) {
        settings.Add(s);
    }
    EXPECT_EQ(settings.Item(3)->ItemKey, "C3");
    settings.SaveItems();
    settings.LoadItems();
    ASSERT_EQ(settings.Count(), 3);
    EXPECT_EQ(settings.Item(1)->ItemKey, "C4");
    EXPECT_EQ(settings.Item(3)->ItemKey, "C6");
    EXPECT_EQ(settings.Item("C5")->SettingName, "Letterbox");
    EXPECT_THROW(settings.Item("C1"), CRuntimeError);
    EXPECT_THROW(settings.Item(0), CRuntimeError);
    EXPECT_THROW(settings.Item(4), CRuntimeError);
    settings.Remove("C5");
    EXPECT_EQ(settings.Item(2)->SettingName, "4x3");
    settings.Remove(1);
    EXPECT_EQ(settings.Count(), 1);
    EXPECT_EQ(settings.Add(CWindowSetting{})->ItemKey, "C7");
}

TEST(SettingsCollection, KeyCounterOverflowsAfter32767AdditionsAndAddsNothing) {
    RecordingReporter reporter;
    CWindowSettings settings(reporter);
    std::string text;
    for (int i = 0; i < 32767; ++i) {
        text += "S1=x;\r\n";
    }
    settings.LoadFromText(text);
    EXPECT_EQ(settings.Count(), 32767);
    EXPECT_EQ(settings.Item(32767)->ItemKey, "C32767");
    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_EQ(settings.Add(CWindowSetting{}), nullptr);
    EXPECT_EQ(settings.Count(), 32767);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0].title, "Add");
    EXPECT_EQ(reporter.messages[0].text, "Error: 6. Overflow");
    // A reload in the same run has no keys left: one message, no settings.
    settings.LoadFromText("S1=a;\r\nS1=b;\r\n");
    EXPECT_EQ(settings.Count(), 0);
    EXPECT_EQ(reporter.messages.size(), 2u);
}

TEST(SettingsCollection, LocateSelectsTheListEntryByNameOrKey) {
    RecordingReporter reporter;
    CWindowSettings settings(reporter);
    for (const auto& s : InitialSettings(1024, 768)) {
        settings.Add(s);
    }
    SortedListDouble list;
    list.Fill(settings); // sorted: 4x3 (3), Anamorphic (1), Letterbox (2)

    settings.LocateItem("Letterbox", list);
    settings.LocateItem("letterbox", list); // the name must match exactly
    settings.LocateItemByKey("C3", list);
    settings.LocateItemByKey("C9", list); // not in the collection
    EXPECT_EQ(list.selections, (std::vector<int32_t>{2, 0}));

    SortedListDouble empty;
    settings.LocateItemByKey("C1", empty);
    EXPECT_TRUE(empty.selections.empty());
    EXPECT_TRUE(reporter.messages.empty());
}

TEST(SettingsCollection, DuplicateNamesSelectTheFirstListEntry) {
    RecordingReporter reporter;
    CWindowSettings settings(reporter);
    CWindowSetting twin;
    twin.SettingName = "Twin";
    settings.Add(twin);
    settings.Add(twin);
    SortedListDouble list;
    list.Fill(settings);
    settings.LocateItem("Twin", list);
    ASSERT_EQ(list.selections.size(), 1u);
    EXPECT_EQ(list.ItemData(list.selections[0]), 1);
}

TEST(SettingsSaving, FailedSaveKeepsThePreviousFileAndRaises) {
    TempDir dir;
    RecordingReporter reporter;
    CWindowSettings settings(reporter);
    settings.AppDataFile = dir.File("KIV.dat");
    WriteBytes(settings.AppDataFile, "S1=Precious;\r\n");
    settings.Add(FullSetting());

    // The temporary file's place is taken by a directory: writing cannot start.
    std::filesystem::create_directory(settings.AppDataFile + ".tmp");
    EXPECT_THROW(settings.SaveItems(), CRuntimeError);
    EXPECT_EQ(ReadBytes(settings.AppDataFile), "S1=Precious;\r\n");
    std::filesystem::remove(settings.AppDataFile + ".tmp");

    CWindowSettings elsewhere(reporter);
    elsewhere.AppDataFile = dir.File("missing-folder/KIV.dat");
    try {
        elsewhere.SaveItems();
        FAIL() << "saving into a missing folder must raise";
    } catch (const CRuntimeError& error) {
        EXPECT_EQ(error.Number(), ErrorNumber::PathFileAccess);
    }
    settings.SaveItems();
    EXPECT_EQ(ReadBytes(settings.AppDataFile), SettingLine(FullSetting()) + "\r\n");
}

} // namespace
} // namespace kiv
