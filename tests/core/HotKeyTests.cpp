#include "hotkeys/HotKeyTable.h"
#include "hotkeys/HotKeyText.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace kiv {
namespace {

using test::RecordingReporter;

TEST(HotKeyText, FormatShowsShiftBeforeCtrlAndNamesTheKey) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "(None)"},         {"00", "?"},
        {"1", "Shift-?"},       {"01200", "Ctrl-?"},
        {"10112", "Shift-F1"},  {"1165", "Shift-Ctrl-A"},
        {"0148", "Ctrl-0"},     {"00123", "F12"},
        {"0090", "Z"},          {"x165", "Ctrl-A"},
        {"0065.4", "A"},        {"0065abc", "?"},
        {"0099999999999", "?"}, {"11-65", "Shift-Ctrl-?"},
    };
    for (const auto& [text, shown] : cases) {
        EXPECT_EQ(FormatHotKey(text), shown) << "hot key text '" << text << "'";
    }
}

TEST(HotKeyNumbers, SixteenBitHelpersWrapAsTheKeyCodesNeed) {
    EXPECT_EQ(IntToLong(-1), 65535);
    EXPECT_EQ(LongToInt(65535), -1);
    EXPECT_EQ(LongToInt(32767), 32767);
    EXPECT_EQ(Shli(1, 15), -32768);
    EXPECT_EQ(Shli(1, 16), 0);
    EXPECT_EQ(dblToLong(4294967295.0), -1);
    EXPECT_EQ(dblToLong(2147483648.0), INT32_MIN);
    EXPECT_EQ(MakeLong(3, 65), 196673);
    EXPECT_EQ(MakeLong(-1, -1), -1);
    int16_t flags = 0;
    BitSetInteger(flags, 1);
    BitSetInteger(flags, 1);
    EXPECT_EQ(flags, 2);
}

struct TableBuilder {
    RecordingReporter reporter;
    CWindowSettings settings{reporter};
    COptions options{reporter};
    CHotKeyTable table;

    void AddSettings(int count, const std::string& hotKey) {
        for (int i = 0; i < count; ++i) {
            CWindowSetting s;
            s.SettingName = "Setting " + std::to_string(settings.Count() + 1);
            s.HotKey = hotKey;
            settings.Add(s);
        }
    }
};

TEST(HotKeyTable, EntryCodesCombineFlagsAndKey) {
    CHotKeyTable table;
    table.AddKeyHookEntry("10112", 0, "Anamorphic");
    table.AddKeyHookEntry("1165", 1, "Wide");
    table.AddKeyHookEntry("x2112", 2, "Other");
    EXPECT_EQ(table.HotKeyCodes[0], 65648);
    EXPECT_EQ(table.HotKeyCodes[1], 196673);
    EXPECT_EQ(table.HotKeyCodes[2], 112);
    EXPECT_EQ(table.HotKeyActionName(1), "Wide");
    EXPECT_EQ(table.HotKeyActionName(40), "");
    EXPECT_EQ(table.HotKeyActionName(-1), "");
}

TEST(HotKeyTable, SettingsComeFirstThenOptionKeysUpToForty) {
    const struct {
        int settingsWithKeys;
        int optionKeys;
        int32_t count;
        const char* last;
    } cases[] = {
        {0, 0, 0, ""},
        {2, 2, 4, "~HK~2"},
        {38, 10, 40, "~HK~2"},
        {40, 10, 40, "Setting 40"},
        {45, 10, 40, "Setting 40"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.settingsWithKeys);
        TableBuilder f;
        f.AddSettings(c.settingsWithKeys, "00112");
        f.AddSettings(1, ""); // a setting without a hot key takes no entry
        for (int i = 0; i < c.optionKeys; ++i) {
            f.options.*OptionHotKeys()[static_cast<size_t>(i)].field = "0049";
        }
        f.table.Build(f.settings, f.options);
        EXPECT_EQ(f.table.Count, c.count);
        EXPECT_EQ(f.table.HotKeyActionName(c.count - 1), c.last);
        EXPECT_EQ(f.table.HotKeyActionName(0), c.count == 0 ? "" : "Setting 1");
    }
}

TEST(HotKeyTable, TextWithoutKeyCodeEndsTheBuildAndStoresNothing) {
    TableBuilder f;
    for (const char* bad : {"10", "1", "10x", "1070000", ""}) {
        CHotKeyTable fresh;
        EXPECT_THROW(fresh.AddKeyHookEntry(bad, 0, "x"), CRuntimeError) << bad;
    }
    f.AddSettings(3, "00112");
    f.AddSettings(1, "10");
    try {
        f.table.Build(f.settings, f.options);
        FAIL() << "a hot key text without a key code must not convert";
    } catch (const CRuntimeError& error) {
        EXPECT_EQ(error.Number(), ErrorNumber::TypeMismatch);
    }
    EXPECT_EQ(f.table.Count, 0);
    EXPECT_EQ(f.table.HotKeyActionName(0), "");
}

} // namespace
} // namespace kiv
