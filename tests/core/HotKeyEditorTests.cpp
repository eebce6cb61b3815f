// The rules of the main window's hot key controls: what they show for a
// setting's text and what they make of the user's choice.
#include "hotkeys/HotKeyEditor.h"
#include "support/Doubles.h"

#include <gtest/gtest.h>

namespace kiv {
namespace {

using test::FakeHotKeyFrame;

TEST(HotKeyMainWindowRules, AnEmptyTextClearsTheBoxesAndNothingIsAnnounced) {
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
}

TEST(HotKeyMainWindowRules, NoTextIsMadeWhileATextIsShownEvenInNestedLoads) {
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
