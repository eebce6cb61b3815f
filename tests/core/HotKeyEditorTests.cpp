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
    void UserPicksKey(int32_t code) {
        controls.keyIndex = SelectableKeyIndex(code);
        editor.SetNewKeyCode(controls);
    }
};

TEST_F(HotKeyControlRules, SettingATextShowsItAndAnEmptyOneKeepsTheBoxes) {
    editor.Let_HotKey(controls, "1165");
    EXPECT_TRUE(controls.shift && controls.ctrl);
    EXPECT_EQ(controls.keyIndex, SelectableKeyIndex('A'));
    EXPECT_EQ(controls.text, "Shift-Ctrl-A");
    editor.Let_HotKey(controls, "");
    EXPECT_TRUE(controls.shift && controls.ctrl);
    EXPECT_EQ(controls.keyIndex, 0);
    EXPECT_EQ(controls.text, "(None)");
    UserPicksKey('A'); // the boxes still make the old text
    EXPECT_EQ(editor.HotKey(), "1165");
    EXPECT_EQ(announced, (std::vector<std::string>{"1165", "", "1165"}));
}

TEST_F(HotKeyControlRules, TheBoxesAndTheKeyMakeTheTextAndNoneMakesItEmpty) {
    controls.ctrl = true;
    UserPicksKey(123);
    EXPECT_EQ(editor.HotKey(), "01123");
    controls.shift = true;
    controls.ctrl = false;
    UserPicksKey('0');
    EXPECT_EQ(editor.HotKey(), "1048");
    EXPECT_EQ(controls.text, "Shift-0");
    UserPicksKey(0);
    EXPECT_EQ(editor.HotKey(), "");
    EXPECT_EQ(controls.text, "(None)");
    UserPicksKey(32); // not in the list: nothing selected
    EXPECT_EQ(editor.HotKey(), "");
}

TEST_F(HotKeyControlRules, AKeyCodeOutsideTheListKeepsTheSelection) {
    UserPicksKey('Q');
    editor.Let_HotKey(controls, "0132");
    EXPECT_EQ(controls.keyIndex, SelectableKeyIndex('Q'));
    EXPECT_EQ(controls.text, "Ctrl-?");
}

TEST_F(HotKeyControlRules, ShowingATextDoesNotRebuildItFromHalfSetControls) {
    UserPicksKey(112);
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
    editor.HotKeyChanged = [&](const std::string&) { ADD_FAILURE() << "announced"; };
    editor.Let_HotKey(controls, "1165");
    editor.Let_HotKey(controls, "");
    EXPECT_FALSE(controls.shift || controls.ctrl);
    EXPECT_EQ(controls.keyIndex, 0);
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
