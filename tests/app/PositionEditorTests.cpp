// Nudges, their auto-repeat, capture and the in-place editing of a position.
#include "ControllerFixture.h"

#include <limits>

namespace kiv {
namespace {

using namespace test;

struct PositionEditor : ControllerFixture {
    CPositionEditor& editor = controller.Position();

    void LoadWide(Rect ltwh = {100, 50, 640, 480}) { Load({Setting("Wide", ltwh)}, "Wide"); }
    // Ticks of the repeat timer while it runs.
    void Ticks(int count) {
        for (int i = 0; i < count && position.repeater; ++i) {
            editor.tmrRepeater_Timer();
        }
    }
};

TEST_F(PositionEditor, ATickDuringAStepWaitsForIt) {
    LoadWide();
    editor.cmdSize_MouseDown(1);
    Ticks(5);
    // The window-size hook lets pending events run, a tick among them.
    pump.onEvents = [&] { editor.tmrRepeater_Timer(); };
    Ticks(1);
    EXPECT_EQ(Current().WindowLeft, 101);
}

TEST_F(PositionEditor, AStepPastThe32BitRangeIsReportedOnceMovesNothingAndStopsTheRepeat) {
    // A width of -2 keeps the middle of the last step that fits on the display.
    desktop.monitors = {{kHugestDisplay, true}};
    LoadWide({std::numeric_limits<int32_t>::max() - 1, 0, -2, 10});
    editor.cmdSize_MouseDown(1);
    Ticks(7);
    EXPECT_EQ(Reports(), (Texts{"cmdSize_Click: Error: 6. Overflow"}));
    EXPECT_FALSE(position.repeater);
    EXPECT_EQ(Current().WindowLeft, std::numeric_limits<int32_t>::max());
    EXPECT_EQ(desktop.moves.size(), 2u); // the selection's and the step that fits
}

TEST_F(PositionEditor, CaptureOfAWindowThatVanishesAfterItWasFoundChangesNothing) {
    LoadWide({7, 8, 9, 10});
    desktop.onFound = [&] { desktop.Close(player); };
    editor.cmdCapture_Click();
    EXPECT_EQ(Current().WindowLeft, 7);
}

TEST_F(PositionEditor, AnEditedPositionIsStoredRoundedTheLabelShowsItAsTypedAndEscapeKeepsBoth) {
    LoadWide();
    struct Case {
        const char* typed;
        int32_t stored;
        const char* shown;
    };
    for (const Case& c : {Case{"12.7", 13, "12.7"}, Case{"0012", 12, "12"}, Case{"-5x", -5, "-5"},
                          Case{"99999999999", -5, "99999999999"}}) {
        SCOPED_TRACE(c.typed);
        editor.lblPosition_MouseUp(PositionLabel::Top);
        editor.txtPositionEdit_Validate(c.typed);
        EXPECT_EQ(Current().WindowTop, c.stored);
        EXPECT_EQ(position.labels[1], c.shown);
    }
    // Escape leaves the label and the setting as they were.
    editor.lblPosition_MouseUp(PositionLabel::Height);
    editor.txtPositionEdit_Cancel();
    editor.txtPositionEdit_Validate("1"); // the focus leaving the hidden box
    EXPECT_EQ(Current().WindowHeight, 480);
    EXPECT_EQ(position.labels[3], "480");
}

TEST_F(PositionEditor, ThePageNamesTheDisplayThePositionIsOnAsItChanges) {
    desktop.monitors = {{{0, 0, 1024, 768}, true}, {{1024, 0, 2304, 720}, false}};
    LoadWide({1100, 40, 1100, 620});
    EXPECT_EQ(position.display, "Display 2, 1280 \xC3\x97 720");
    editor.lblPosition_MouseUp(PositionLabel::Left);
    editor.txtPositionEdit_Validate("-300");
    EXPECT_EQ(position.display, "Display 1, 1024 \xC3\x97 768");
    desktop.monitors.pop_back(); // the television switched off
    editor.lblPosition_MouseUp(PositionLabel::Left);
    editor.txtPositionEdit_Validate("1100");
    EXPECT_EQ(position.display, "On no display");
}

} // namespace
} // namespace kiv
