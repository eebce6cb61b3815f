// Blanking around the placed window and orbiting it, on the timers' ticks, and
// the blanking windows' menu.
#include "ControllerFixture.h"

namespace kiv {
namespace {

using namespace test;

struct OrbitBlanking : ControllerFixture {
    COrbiting& orbit = controller.Orbiting();
    CScreenBlanking& blank = controller.Blanking();

    // "Movie" at 100,50 800x600, blanked, framed by the strips 104, 72, 128 and 122 wide.
    void LoadMovie(int32_t pad = 0, int32_t range = 0, int32_t increment = 0) {
        CWindowSetting movie = Setting("Movie", {100, 50, 800, 600});
        movie.BlankingOn = 1;
        movie.BlankingPadLeft = pad;
        movie.OrbitRangeHorizontal = movie.OrbitRangeVertical = range;
        movie.OrbitIncrement = increment;
        Load({movie}, "Movie");
    }
    void SwitchOrbiting(bool on) {
        orbiting.checked = on;
        orbit.chkOrbitingOn_Click();
    }
    void PadTo(BlankPad pad, int32_t value) {
        blankingPage.ShowPadValue(pad, std::to_string(value));
        blank.WindowPos_ValueIncremented(pad, value);
    }
};

// Both the blanking box's handling and the placement report an absurd pad.
TEST_F(OrbitBlanking, APadIsStoredAndItsStripFollowsAtOnceAbsurdOnesAreReported) {
    LoadMovie(2147483647);
    EXPECT_EQ(Reports(), Texts(2, "AdjustBlanking: Error: 6. Overflow"));
    PadTo(BlankPad::Left, -1); // shows zero
    EXPECT_EQ(blankingPage.pads[BlankPad::Left], "0");
    EXPECT_EQ(Current().BlankingPadLeft, 0);
    EXPECT_EQ(Strip(0), (Rect{0, 0, 104, 768}));
    PadTo(BlankPad::Top, 15);
    EXPECT_EQ(Current().BlankingPadTop, 15);
    EXPECT_EQ(Strip(1), (Rect{0, 0, 1024, 72 + 15}));
}

TEST_F(OrbitBlanking, TheBlankingWindowsMenuActsOnTheCurrentSetting) {
    LoadMovie();
    view.popupChoice = menu::kContextBlankingOff;
    controller.Menus().ShowContextMenu(12, 700);
    EXPECT_EQ(Current().BlankingOn, 0);
    EXPECT_FALSE(blanking.Strip(0).visible);
    Current().WindowLeft = 5;
    controller.AdjustWindow();
    controller.Menus().mnuContext_Click(menu::kContextApply); // the pending edit is discarded
    EXPECT_EQ(PlayerRect().left, 100);
}

TEST_F(OrbitBlanking, AVanishedWindowSwitchesBlankingOffUntilItReturns) {
    LoadMovie();
    desktop.Close(player);
    PadTo(BlankPad::Top, 0);
    EXPECT_FALSE(blanking.Strip(0).visible);
    EXPECT_EQ(Current().BlankingOn, 1); // blanking comes back with the window
    player = desktop.Open("Player", "");
    controller.AdjustWindow();
    EXPECT_TRUE(blanking.Strip(0).visible);
    EXPECT_EQ(Strip(0), (Rect{0, 0, 104, 768}));
    // A taskbar the shell makes again is hidden while blanking.
    blanking.taskbar.Primary().visible = true;
    controller.TaskbarCreated();
    EXPECT_FALSE(blanking.taskbar.Primary().visible);
}

TEST_F(OrbitBlanking, OrbitStepsShiftTheStripsSwitchingOffPutsAllBackAndAHugeIncrementIsRefused) {
    LoadMovie(0, 3, 1);
    SwitchOrbiting(true);
    ASSERT_TRUE(orbiting.timer);
    orbit.tmrOrbit_Timer();
    EXPECT_EQ(PlayerRect(), (Rect{101, 51, 901, 651}));
    EXPECT_EQ(Strip(0), (Rect{0, 0, 105, 768}));
    EXPECT_EQ(Strip(3), (Rect{0, 647, 1024, 121}));
    SwitchOrbiting(false);
    EXPECT_FALSE(orbiting.timer);
    EXPECT_EQ(PlayerRect(), (Rect{100, 50, 900, 650}));
    EXPECT_EQ(Strip(0), (Rect{0, 0, 104, 768}));
    EXPECT_EQ(Strip(3), (Rect{0, 646, 1024, 122}));
    orbiting.ShowOrbitText(OrbitTextBox::Increment, "99999999999"); // beyond 32 bits
    orbit.txtOrbitIncrement_Validate();
    EXPECT_EQ(Current().OrbitIncrement, 1);
    EXPECT_EQ(Reports(), (Texts{"txtOrbitIncrement_Validate: Error: 6. Overflow"}));
}

// The orbit test waits out a tick without a setting; a tick of either timer
// during its own step is dropped.
TEST_F(OrbitBlanking, TheOrbitTestWaitsOutATickWithoutASettingAndNestedTicksAreDropped) {
    LoadMovie(0, 3, 1);
    orbit.cmdTestOrbiting_Click();
    controller.SetListIndex(-1);
    const size_t moves = desktop.moves.size();
    orbit.tmrTestOrbit_Timer();
    EXPECT_EQ(desktop.moves.size(), moves);
    EXPECT_TRUE(orbiting.testTimer);
    Select("Movie");
    orbit.tmrTestOrbit_Timer();
    EXPECT_EQ(PlayerRect().left, 97); // the first extreme

    SwitchOrbiting(true);
    const auto dropsNestedTicks = [&](const std::function<void()>& tick) {
        desktop.onMove = tick; // as a message box or a moved window lets the next tick in
        const size_t before = desktop.moves.size();
        tick();
        EXPECT_EQ(desktop.moves.size(), before + 1);
    };
    dropsNestedTicks([&] { orbit.tmrOrbit_Timer(); });
    dropsNestedTicks([&] { orbit.tmrTestOrbit_Timer(); });
    desktop.onMove = nullptr;
}

} // namespace
} // namespace kiv
