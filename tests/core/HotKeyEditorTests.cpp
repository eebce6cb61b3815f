// The rules of the main window's hot key controls: what they show for a
// setting's text and what they make of the user's choice.
#include "hotkeys/HotKeyEditor.h"
#include "support/Doubles.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

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
        {HotKeyEditorKind::MainWindow, "10112", false, false, kZ, nullptr, "Z"},
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
        std::vector<std::string> announced;
        editor.HotKeyChanged = [&](const std::string& text) { announced.push_back(text); };
        editor.Let_HotKey(controls, c.old);
        const auto shown =
            std::tuple(controls.shift, controls.ctrl, controls.keyIndex, controls.text);
        announced.clear();

        controls.shift = c.shift;
        controls.ctrl = c.ctrl;
        controls.keyIndex = c.key;
        const std::optional<std::string> made = editor.SetNewKeyCode(controls);
        if (c.made != nullptr) {
            EXPECT_EQ(made, c.made);
            EXPECT_EQ(editor.HotKey(), c.made);
            EXPECT_TRUE(controls.refusals.empty());
            continue;
        }
        EXPECT_EQ(made, std::nullopt);
        EXPECT_EQ(editor.HotKey(), c.old);
        EXPECT_TRUE(announced.empty());
        EXPECT_EQ(std::tuple(controls.shift, controls.ctrl, controls.keyIndex, controls.text),
                  shown);
        ASSERT_EQ(controls.refusals.size(), 1u);
        EXPECT_EQ(
            controls.refusals[0].rfind(std::string(c.refusedName) + " cannot be a hot key", 0), 0u)
            << controls.refusals[0];
    }

    // A text given to show is shown as it is, whatever it holds.
    FakeHotKeyFrame controls;
    CHotKeyEditor editor(HotKeyEditorKind::MainWindow);
    editor.Let_HotKey(controls, "0065");
    EXPECT_EQ(controls.text, "A");
    EXPECT_TRUE(controls.refusals.empty());
}

TEST(HotKeyEditorRules, TheKeysThatTypeTextAreTheTypingKeysWithoutCtrl) {
    for (int64_t typing : {8, 9, 13, 32, 48, 57, 65, 90, 96, 105, 111, 186, 192, 219, 222, 226}) {
        EXPECT_TRUE(KeyTypesText(typing)) << typing;
    }
    // Function keys, arrows, Insert, media and browser keys, Escape.
    for (int64_t free : {0, 27, 37, 40, 45, 112, 123, 166, 173, 179, 193, 255}) {
        EXPECT_FALSE(KeyTypesText(free)) << free;
    }
    EXPECT_TRUE(HotKeyStopsTyping("0096"));
    EXPECT_TRUE(HotKeyStopsTyping("1032"));
    EXPECT_FALSE(HotKeyStopsTyping("0196")); // Ctrl with the keypad
    EXPECT_FALSE(HotKeyStopsTyping("00112"));
    EXPECT_FALSE(HotKeyStopsTyping(""));
}

} // namespace
} // namespace kiv
