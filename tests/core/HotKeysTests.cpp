// Hot keys: their text, the hook's table, the editor's rules and the dispatch
// of a report to its action.
#include "hotkeys/HotKeyDispatch.h"
#include "hotkeys/HotKeyEditor.h"
#include "hotkeys/HotKeyTable.h"
#include "hotkeys/HotKeyText.h"
#include "support/Doubles.h"
#include "support/TestSupport.h"
#include "util/RuntimeError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace kiv {
namespace {

using namespace test;

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
        TrapErrors(reporter, "Build", [&] { table.Build(settings, options); });
        EXPECT_EQ(reporter.Said(), *c.lastKey ? Texts{"Build: Error: 13. Type mismatch"} : Texts{});
        EXPECT_EQ(table.Count, c.count);
        EXPECT_EQ(table.HotKeyActionName(std::max(c.count - 1, 0)), c.last);
    }
}

TEST(HotKeyMainWindowRules, AnEmptyTextClearsTheBoxesNothingIsAnnouncedOrMadeWhileLoading) {
    FakeHotKeyFrame controls;
    CHotKeyEditor editor(HotKeyEditorKind::MainWindow);
    editor.HotKeyChanged = [&](const std::string&) { ADD_FAILURE() << "announced"; };
    editor.Let_HotKey(controls, "1165");
    EXPECT_TRUE(controls.shift && controls.ctrl);
    EXPECT_EQ(controls.text, "Shift-Ctrl-A");
    editor.Let_HotKey(controls, "");
    EXPECT_FALSE(controls.shift || controls.ctrl);
    EXPECT_EQ(controls.keyIndex, 0);
    EXPECT_EQ(controls.text, "(None)");
    // The main window's caller stores what the controls make.
    controls.ctrl = true;
    controls.keyIndex = 2;
    EXPECT_EQ(editor.SetNewKeyCode(controls), "01113");
    controls.keyIndex = 0;
    EXPECT_EQ(editor.SetNewKeyCode(controls), ""); // "None" whatever the boxes show
    // No text is made while a text is shown, even in nested loads.
    editor.WhileLoading([&] {
        editor.Let_HotKey(controls, "10112");
        EXPECT_TRUE(editor.IsLoading());
        EXPECT_EQ(editor.SetNewKeyCode(controls), std::nullopt);
    });
    EXPECT_FALSE(editor.IsLoading());
}

TEST(HotKeyEditorRules, AKeyThatTypesTextWithoutCtrlIsRefusedAndTheOldKeyStays) {
    constexpr int32_t kNone = 0, kF5 = 5, kA = 13, kZ = 38, kDigit0 = 39;
    const struct {
        HotKeyEditorKind kind;
        const char* old;
        bool shift, ctrl;
        int32_t key;
        const char* made; // nullptr: refused
        const char* refusedName;
    } cases[] = {
        {HotKeyEditorKind::Control, "", false, false, kA, nullptr, "A"},
        {HotKeyEditorKind::Control, "0165", false, false, kA, nullptr, "A"}, // Ctrl unticked
        {HotKeyEditorKind::Control, "00116", true, false, kDigit0, nullptr, "Shift-0"},
        // A text given to show is shown as it is, whatever it holds.
        {HotKeyEditorKind::MainWindow, "0065", false, false, kZ, nullptr, "Z"},
        {HotKeyEditorKind::MainWindow, "10112", true, false, kA, nullptr, "Shift-A"},
        {HotKeyEditorKind::Control, "", false, true, kA, "0165", nullptr},
        {HotKeyEditorKind::Control, "", true, true, kDigit0, "1148", nullptr},
        {HotKeyEditorKind::Control, "", false, false, kF5, "00116", nullptr},
        {HotKeyEditorKind::MainWindow, "", true, false, kF5, "10116", nullptr},
        {HotKeyEditorKind::MainWindow, "0165", true, false, kNone, "", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.old) + " then " + std::to_string(c.key));
        FakeHotKeyFrame controls;
        CHotKeyEditor editor(c.kind);
        editor.Let_HotKey(controls, c.old);
        const auto shown =
            std::tuple(controls.shift, controls.ctrl, controls.keyIndex, controls.text);
        std::vector<std::string> announced;
        editor.HotKeyChanged = [&](const std::string& text) { announced.push_back(text); };

        controls.shift = c.shift;
        controls.ctrl = c.ctrl;
        controls.keyIndex = c.key;
        EXPECT_EQ(editor.SetNewKeyCode(controls),
                  c.made ? std::optional<std::string>(c.made) : std::nullopt);
        EXPECT_EQ(editor.HotKey(), c.made ? c.made : c.old);
        ASSERT_EQ(controls.refusals.size(), c.made ? 0u : 1u);
        if (c.made == nullptr) {
            EXPECT_TRUE(announced.empty());
            EXPECT_EQ(std::tuple(controls.shift, controls.ctrl, controls.keyIndex, controls.text),
                      shown);
            EXPECT_EQ(
                controls.refusals[0].rfind(std::string(c.refusedName) + " cannot be a hot key", 0),
                0u)
                << controls.refusals[0];
        }
    }
}

// Which hot keys those make, with Shift, with Ctrl or with none, is the
// refusal table's.
TEST(HotKeyEditorRules, TheKeysThatTypeTextAreTheTypingKeysWithoutCtrl) {
    for (int64_t typing : {8, 9, 13, 32, 48, 57, 65, 90, 96, 105, 111, 186, 192, 219, 222, 226}) {
        EXPECT_TRUE(KeyTypesText(typing)) << typing;
    }
    // Function keys, arrows, Insert, media and browser keys, Escape.
    for (int64_t free : {0, 27, 37, 40, 45, 112, 123, 166, 173, 179, 193, 255}) {
        EXPECT_FALSE(KeyTypesText(free)) << free;
    }
}

// Each action as a word, in the order run.
struct RecordedActions : IHotKeyActions {
    std::vector<std::string> done;
    void SelectSettingAndPlace(std::string_view name) override {
        done.push_back("select " + std::string(name));
    }
    void PressNudge(int32_t index) override { done.push_back("nudge " + std::to_string(index)); }
    void CaptureAndSave() override { done.push_back("capture and save"); }
    void ReapplyCurrentSetting() override { done.push_back("reapply"); }
    void FocusApplication() override { done.push_back("focus application"); }
    void FocusKiv() override { done.push_back("focus KIV"); }
};

TEST(HotKeyDispatch, EachActionNameRunsItsActionAndOthersNothing) {
    std::vector<std::pair<std::string, Texts>> cases = {
        {"Letterbox", {"select Letterbox"}},
        {"~HK~1", {"focus application"}},
        {"~HK~2", {"focus KIV"}},
        {"~HK~9", {"capture and save"}},
        {"~HK~10", {"reapply"}},
    };
    const int nudges[] = {2, 3, 0, 1, 8, 9}; // from ~HK~3 on
    for (int i = 0; i < 6; ++i) {
        cases.push_back({"~HK~" + std::to_string(i + 3), {"nudge " + std::to_string(nudges[i])}});
    }
    for (const char* nothing : {"", "~HK~0", "~HK~11", "~HK~x", "~HK~", "~HK~-3", "~HK~0003"}) {
        cases.push_back({nothing, {}});
    }
    for (const auto& [name, done] : cases) {
        RecordedActions actions;
        RecordingReporter reporter;
        CHotKeyDispatcher dispatcher(actions, reporter);
        dispatcher.HotKeyPressed(name);
        EXPECT_EQ(actions.done, done) << name;
        EXPECT_TRUE(reporter.messages.empty());
    }
}

TEST(HotKeyDispatch, AFailingActionIsReportedUnderItsProcedure) {
    struct Failing : RecordedActions {
        void PressNudge(int32_t) override { Raise(ErrorNumber::Overflow); }
        void SelectSettingAndPlace(std::string_view) override { Raise(ErrorNumber::Overflow); }
    } actions;
    RecordingReporter reporter;
    CHotKeyDispatcher dispatcher(actions, reporter);
    dispatcher.HotKeyPressed("~HK~3");
    dispatcher.HotKeyPressed("Movie");
    EXPECT_EQ(reporter.Said(), (Texts{"PerformHotKeyAction: Error: 6. Overflow",
                                      "Subclass1_WndProc: Error: 6. Overflow"}));
}

} // namespace
} // namespace kiv
