// The rules of the reusable hot key control: what it shows for a text, what
// it builds from its controls, and when it announces a change.
#include "hotkeys/HotKeyEditor.h"
#include "hotkeys/HotKeyText.h"
#include "support/Doubles.h"

#include <gtest/gtest.h>

namespace kiv {
namespace {

using test::FakeHotKeyFrame;

struct HotKeyControlRules : ::testing::Test {
    FakeHotKeyFrame controls;
    CHotKeyEditor editor{HotKeyEditorKind::Control};
    std::vector<std::string> announced;

    void SetUp() override {
        CHotKeyEditor::LoadKeyCombo(controls);
        editor.HotKeyChanged = [&](const std::string& text) { announced.push_back(text); };
    }
    // The user changes a control; its click handler builds the text.
    void UserPicksKey(std::string_view name) {
        controls.keyIndex = IndexOf(name);
        editor.SetNewKeyCode(controls);
    }
    int32_t IndexOf(std::string_view name) const {
        for (size_t i = 0; i < controls.keys.size(); ++i) {
            if (controls.keys[i].text == name) {
                return static_cast<int32_t>(i);
            }
        }
        return -1;
    }
};

TEST_F(HotKeyControlRules, TheKeyListHoldsNoneTheFunctionKeysLettersAndDigits) {
    ASSERT_EQ(controls.keys.size(), 49u);
    EXPECT_EQ(controls.keys[0].text, "None");
    EXPECT_EQ(controls.keys[0].code, 0);
    EXPECT_EQ(controls.keys[12].text, "F12");
    EXPECT_EQ(controls.keys[12].code, 123);
    EXPECT_EQ(controls.keys[13].code, 'A');
    EXPECT_EQ(controls.keys[48].text, "9");
    EXPECT_EQ(controls.keys[48].code, '9');
}

TEST_F(HotKeyControlRules, SettingATextShowsItAndAnnouncesIt) {
    editor.Let_HotKey(controls, "1165");
    EXPECT_TRUE(controls.shift);
    EXPECT_TRUE(controls.ctrl);
    EXPECT_EQ(controls.keyIndex, IndexOf("A"));
    EXPECT_EQ(controls.text, "Shift-Ctrl-A");
    EXPECT_EQ(editor.HotKey(), "1165");
    EXPECT_EQ(announced, (std::vector<std::string>{"1165"}));
}

TEST_F(HotKeyControlRules, AnEmptyTextKeepsTheBoxesAndChoosingAKeyRebuildsTheOldText) {
    editor.Let_HotKey(controls, "1165");
    editor.Let_HotKey(controls, "");
    EXPECT_TRUE(controls.shift);
    EXPECT_TRUE(controls.ctrl);
    EXPECT_EQ(controls.keyIndex, 0);
    EXPECT_EQ(controls.text, "(None)");
    EXPECT_EQ(editor.HotKey(), "");
    UserPicksKey("A");
    EXPECT_EQ(editor.HotKey(), "1165");
    EXPECT_EQ(controls.text, "Shift-Ctrl-A");
    EXPECT_EQ(announced, (std::vector<std::string>{"1165", "", "1165"}));
}

TEST_F(HotKeyControlRules, NoneMakesTheTextEmptyWhateverTheBoxesShow) {
    controls.shift = true;
    UserPicksKey("None");
    EXPECT_EQ(editor.HotKey(), "");
    EXPECT_EQ(controls.text, "(None)");
    controls.keyIndex = -1; // nothing selected
    editor.SetNewKeyCode(controls);
    EXPECT_EQ(editor.HotKey(), "");
}

TEST_F(HotKeyControlRules, TheBoxesAndTheKeyMakeTheText) {
    controls.ctrl = true;
    UserPicksKey("F12");
    EXPECT_EQ(editor.HotKey(), "01123");
    controls.shift = true;
    controls.ctrl = false;
    UserPicksKey("0");
    EXPECT_EQ(editor.HotKey(), "1048");
    EXPECT_EQ(controls.text, "Shift-0");
}

TEST_F(HotKeyControlRules, AKeyCodeOutsideTheListKeepsTheSelection) {
    UserPicksKey("Q");
    announced.clear();
    editor.Let_HotKey(controls, "0132");
    EXPECT_FALSE(controls.shift);
    EXPECT_TRUE(controls.ctrl);
    EXPECT_EQ(controls.keyIndex, IndexOf("Q"));
    EXPECT_EQ(controls.text, "Ctrl-?");
    EXPECT_EQ(announced, (std::vector<std::string>{"0132"}));
}

TEST_F(HotKeyControlRules, ShowingATextDoesNotRebuildItFromHalfSetControls) {
    UserPicksKey("F1");
    announced.clear();
    // As if every change of a control ran its click handler.
    controls.onShow = [&] { editor.SetNewKeyCode(controls); };
    editor.Let_HotKey(controls, "1165");
    EXPECT_EQ(editor.HotKey(), "1165");
    EXPECT_EQ(announced, (std::vector<std::string>{"1165"}));
    EXPECT_FALSE(editor.IsLoading());
}

TEST(HotKeyMainWindowRules, AnEmptyTextClearsTheBoxesAndNothingIsAnnounced) {
    FakeHotKeyFrame controls;
    CHotKeyEditor editor(HotKeyEditorKind::MainWindow);
    int announcements = 0;
    editor.HotKeyChanged = [&](const std::string&) { ++announcements; };
    editor.Let_HotKey(controls, "1165");
    editor.Let_HotKey(controls, "");
    EXPECT_FALSE(controls.shift);
    EXPECT_FALSE(controls.ctrl);
    EXPECT_EQ(controls.keyIndex, 0);
    EXPECT_EQ(announcements, 0);
    // The main window's caller stores what the controls make.
    controls.ctrl = true;
    controls.keyIndex = 2;
    EXPECT_EQ(editor.SetNewKeyCode(controls), "01113");
    EXPECT_EQ(editor.HotKey(), "");
}

TEST(HotKeyMainWindowRules, NestedLoadsKeepTheFlagUntilTheOuterOneEnds) {
    FakeHotKeyFrame controls;
    CHotKeyEditor editor(HotKeyEditorKind::MainWindow);
    editor.WhileLoading([&] {
        editor.Let_HotKey(controls, "10112");
        EXPECT_TRUE(editor.IsLoading());
        EXPECT_EQ(editor.SetNewKeyCode(controls), std::nullopt);
    });
    EXPECT_FALSE(editor.IsLoading());
}

} // namespace
} // namespace kiv
