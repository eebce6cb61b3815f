#include "hotkeys/HotKeyTable.h"
#include "hotkeys/HotKeyText.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kiv {
namespace {

using test::RecordingReporter;

TEST(HotKeyText, FormatShowsShiftBeforeCtrlAndNamesTheKey) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "(None)"},         {"00", "?"},
        {"1", "Shift-?"},       {"01200", "Ctrl-?"},
        {"10112", "Shift-F1"},  {"1165", "Shift-Ctrl-A"},
        {"00123", "F12"},       {"x165", "Ctrl-A"},
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
    EXPECT_EQ(Shli(1, 15), -32768);
    EXPECT_EQ(Shli(1, 16), 0);
    EXPECT_EQ(dblToLong(4294967295.0), -1);
    EXPECT_EQ(dblToLong(2147483648.0), INT32_MIN);
    EXPECT_EQ(MakeLong(3, 65), 196673);
}

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
    for (const char* bad : {"10", "1", "10x", "1070000", ""}) {
        EXPECT_THROW(table.AddKeyHookEntry(bad, 0, "x"), CRuntimeError) << bad;
    }
}

// Settings with a hot key first, then the option hot keys, at most 40; a text
// that does not convert ("10") ends the build with the table empty.
TEST(HotKeyTable, SettingsComeFirstThenOptionKeysUpToForty) {
    const struct {
        int settingKeys, optionKeys;
        const char* lastKey;
        int32_t count;
        const char* last;
    } cases[] = {{0, 0, "", 0, ""},
                 {2, 2, "", 4, "~HK~2"},
                 {38, 10, "", 40, "~HK~2"},
                 {45, 10, "", 40, "Setting 40"},
                 {3, 10, "10", 0, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.settingKeys);
        RecordingReporter reporter;
        CWindowSettings settings(reporter);
        COptions options(reporter);
        CHotKeyTable table;
        for (int i = 1; i <= c.settingKeys + 2; ++i) {
            CWindowSetting s;
            s.SettingName = "Setting " + std::to_string(i);
            s.HotKey = i <= c.settingKeys ? "00112" : i == c.settingKeys + 1 ? "" : c.lastKey;
            settings.Add(s);
        }
        for (size_t i = 0; i < static_cast<size_t>(c.optionKeys); ++i) {
            options.*OptionHotKeys()[i].field = "0049";
        }
        try {
            table.Build(settings, options);
        } catch (const CRuntimeError& error) {
            EXPECT_EQ(error.Number(), ErrorNumber::TypeMismatch);
        }
        EXPECT_EQ(table.Count, c.count);
        EXPECT_EQ(table.HotKeyActionName(std::max(c.count - 1, 0)), c.last);
    }
}

} // namespace
} // namespace kiv
