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

TEST(HotKeyText, KeyTableHasFortyNineEntriesInListOrder) {
    const auto& keys = SelectableKeys();
    ASSERT_EQ(keys.size(), 49u);
    EXPECT_EQ(keys[0].text, "None");
    EXPECT_EQ(keys[0].code, 0);
    EXPECT_EQ(keys[1].text, "F1");
    EXPECT_EQ(keys[12].code, 123);
    EXPECT_EQ(keys[13].text, "A");
    EXPECT_EQ(keys[38].code, 'Z');
    EXPECT_EQ(keys[39].text, "0");
    EXPECT_EQ(keys[48].code, '9');
    for (const auto& key : keys) {
        if (key.code != 0) {
            EXPECT_EQ(TranslateKeyCodeToString(key.code), key.text);
        }
    }
    EXPECT_EQ(TranslateKeyCodeToString(32), "?");
    EXPECT_EQ(TranslateKeyCodeToString(111), "?");
    EXPECT_EQ(TranslateKeyCodeToString(124), "?");
}

TEST(HotKeyText, EditorsBuildTextFromTheirControls) {
    EXPECT_EQ(MakeHotKeyText(true, true, SelectableKeyIndex('A')), "1165");
    EXPECT_EQ(MakeHotKeyText(false, false, 1), "00112");
    EXPECT_EQ(MakeHotKeyText(true, false, 0), ""); // "None" whatever the boxes show
    EXPECT_EQ(MakeHotKeyText(true, true, -1), "");
    EXPECT_EQ(SelectableKeyIndex(32), -1);
}

TEST(HotKeyNumbers, SixteenBitHelpersWrapAsTheKeyCodesNeed) {
    EXPECT_EQ(IntToLong(-1), 65535);
    EXPECT_EQ(IntToLong(5), 5);
    EXPECT_EQ(LongToInt(65535), -1);
    EXPECT_EQ(LongToInt(32767), 32767);
    EXPECT_EQ(Shli(1, 15), -32768);
    EXPECT_EQ(Shli(1, 16), 0);
    EXPECT_EQ(dblToLong(4294967295.0), -1);
    EXPECT_EQ(dblToLong(2147483648.0), INT32_MIN);
    EXPECT_EQ(MakeLong(3, 65), 196673);
    EXPECT_EQ(MakeLong(-1, -1), -1);
    int16_t flags = 0;
    BitSetInteger(flags, 0);
    BitSetInteger(flags, 1);
    BitSetInteger(flags, 1);
    EXPECT_EQ(flags, 3);
}

struct HotKeyTableFixture : ::testing::Test {
    RecordingReporter reporter;
    CWindowSettings settings{reporter};
    COptions options{reporter};
    CHotKeyTable table;

    void AddSettings(int count, const std::string& hotKey = "00112") {
        for (int i = 0; i < count; ++i) {
            CWindowSetting s;
            s.SettingName = "Setting " + std::to_string(settings.Count() + 1);
            s.HotKey = hotKey;
            settings.Add(s);
        }
    }
    void SetAllOptionKeys() {
        for (const auto& key : OptionHotKeys()) {
            options.*key.field = "0049";
        }
    }
};

TEST_F(HotKeyTableFixture, EntryCodesCombineFlagsAndKey) {
    table.AddKeyHookEntry("10112", 0, "Anamorphic");
    table.AddKeyHookEntry("1165", 1, "Wide");
    table.AddKeyHookEntry("0148", 2, "~HK~3");
    table.AddKeyHookEntry("x2112", 3, "Other");
    EXPECT_EQ(table.HotKeyCodes[0], 65648);
    EXPECT_EQ(table.HotKeyCodes[1], 196673);
    EXPECT_EQ(table.HotKeyCodes[2], 2 * 65536 + 48);
    EXPECT_EQ(table.HotKeyCodes[3], 112);
    EXPECT_EQ(table.HotKeyActionName(1), "Wide");
    EXPECT_EQ(table.HotKeyActionName(40), "");
    EXPECT_EQ(table.HotKeyActionName(-1), "");
}

TEST_F(HotKeyTableFixture, SettingsComeFirstThenOptionsUpToForty) {
    AddSettings(2);
    CWindowSetting none;
    none.SettingName = "No key";
    settings.Add(none);
    options.HotKeyMoveUp = "0038";
    options.HotKeySave = "1183";
    table.Build(settings, options);
    EXPECT_EQ(table.Count, 4);
    EXPECT_EQ(table.HotKeyActions[0], "Setting 1");
    EXPECT_EQ(table.HotKeyActions[1], "Setting 2");
    EXPECT_EQ(table.HotKeyActions[2], "~HK~3");
    EXPECT_EQ(table.HotKeyActions[3], "~HK~9");
    EXPECT_EQ(table.HotKeyCodes[3], 196608 + 83);
    EXPECT_EQ(table.HotKeyCodes[4], 0);
}

TEST_F(HotKeyTableFixture, FortyFiveSettingsFillTheTableAndDropOptions) {
    AddSettings(45);
    SetAllOptionKeys();
    table.Build(settings, options);
    EXPECT_EQ(table.Count, 40);
    EXPECT_EQ(table.HotKeyActions[0], "Setting 1");
    EXPECT_EQ(table.HotKeyActions[39], "Setting 40");
}

TEST_F(HotKeyTableFixture, ThirtyEightSettingsLeaveRoomForTwoOptions) {
    AddSettings(38);
    SetAllOptionKeys();
    table.Build(settings, options);
    EXPECT_EQ(table.Count, 40);
    EXPECT_EQ(table.HotKeyActions[37], "Setting 38");
    EXPECT_EQ(table.HotKeyActions[38], "~HK~1");
    EXPECT_EQ(table.HotKeyActions[39], "~HK~2");
}

TEST_F(HotKeyTableFixture, NoHotKeysGiveAnEmptyTable) {
    AddSettings(1, "");
    table.Build(settings, options);
    EXPECT_EQ(table.Count, 0);
}

TEST_F(HotKeyTableFixture, TextWithoutKeyCodeEndsTheBuildAndStoresNothing) {
    const char* badTexts[] = {"10", "1", "10x", "1070000", ""};
    for (const char* bad : badTexts) {
        SCOPED_TRACE(bad);
        CHotKeyTable fresh;
        EXPECT_THROW(fresh.AddKeyHookEntry(bad, 0, "x"), CRuntimeError);
    }
    AddSettings(3);
    CWindowSetting broken;
    broken.SettingName = "Broken";
    broken.HotKey = "10";
    settings.Add(broken);
    try {
        table.Build(settings, options);
        FAIL() << "a hot key text without a key code must not convert";
    } catch (const CRuntimeError& error) {
        EXPECT_EQ(error.Number(), ErrorNumber::TypeMismatch);
    }
    EXPECT_EQ(table.Count, 0);
    EXPECT_EQ(table.HotKeyCodes[0], 0);
    EXPECT_EQ(table.HotKeyActionName(0), "");
}

} // namespace
} // namespace kiv
