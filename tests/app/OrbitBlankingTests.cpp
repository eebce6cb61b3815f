// Blanking around the placed window and orbiting it, on the timers' ticks.
#include "ControllerFixture.h"

namespace kiv {
namespace {

using namespace test;

struct OrbitBlanking : ControllerFixture {
    COrbitBlanking& feature = controller.OrbitBlanking();

    // "Movie" at 100,50 800x600, blanked, framed by the strips 104, 72, 128 and 122 wide.
    void LoadMovie(int32_t pad = 0, int32_t range = 0, int32_t increment = 0) {
        CWindowSetting movie = Setting("Movie", {100, 50, 800, 600});
        movie.BlankingOn = 1;
        movie.BlankingPadLeft = pad;
        movie.OrbitRangeHorizontal = movie.OrbitRangeVertical = range;
        movie.OrbitIncrement = increment;
        Load({movie});
        Select("Movie");
    }
    void SwitchOrbiting(bool on) {
        view.orbitingChecked = on;
        feature.chkOrbitingOn_Click();
    }
    void PadTo(WindowPosControl pad, int32_t value) {
        view.ShowWindowPosValue(pad, std::to_string(value));
        feature.WindowPos_ValueIncremented(pad, value);
    }
};

TEST_F(OrbitBlanking, APadIsStoredAndItsStripFollowsAtOnceANegativeOneShowsZero) {
    LoadMovie();
    PadTo(WindowPosControl::BlankTop, 15);
    EXPECT_EQ(Current().BlankingPadTop, 15);
    EXPECT_EQ(Strip(1), (Rect{0, 0, 1024, 72 + 15}));
    PadTo(WindowPosControl::BlankLeft, -1);
    EXPECT_EQ(view.windowPos[WindowPosControl::BlankLeft], "0");
    EXPECT_EQ(Current().BlankingPadLeft, 0);
    EXPECT_EQ(Strip(0), (Rect{0, 0, 104, 768}));
}

TEST_F(OrbitBlanking, ATaskbarTheShellMakesAgainIsHiddenWhileBlanking) {
    LoadMovie();
    blanking.taskbar.visible = true;
    controller.TaskbarCreated();
    EXPECT_FALSE(blanking.taskbar.visible);
}

TEST_F(OrbitBlanking, AbsurdPadsAreReportedAndASaneOneBlanksAsUsual) {
    LoadMovie(2147483647);
    // Both the blanking box's handling and the placement update the strips.
    EXPECT_EQ(Reports(), Texts(2, "AdjustBlanking: Error: 6. Overflow"));
    PadTo(WindowPosControl::BlankLeft, 0);
    EXPECT_EQ(Strip(0), (Rect{0, 0, 104, 768}));
}

TEST_F(OrbitBlanking, AVanishedWindowSwitchesBlankingOffUntilItReturns) {
    LoadMovie();
    desktop.Close(player);
    PadTo(WindowPosControl::BlankTop, 0);
    EXPECT_FALSE(blanking.Strip(0).visible);
    EXPECT_EQ(Current().BlankingOn, 1); // blanking comes back with the window
    player = desktop.Open("Player", "");
    controller.AdjustWindow();
    EXPECT_TRUE(blanking.Strip(0).visible);
    EXPECT_EQ(Strip(0), (Rect{0, 0, 104, 768}));
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(OrbitBlanking, TheStripsShiftWithEachOrbitStepAndSwitchingOffPutsAllBack) {
    LoadMovie(0, 3, 1);
    SwitchOrbiting(true);
    ASSERT_TRUE(view.orbitTimer);
    feature.tmrOrbit_Timer();
    EXPECT_EQ(PlayerRect(), (Rect{101, 51, 901, 651}));
    EXPECT_EQ(Strip(0), (Rect{0, 0, 105, 768}));
    EXPECT_EQ(Strip(3), (Rect{0, 647, 1024, 121}));
    SwitchOrbiting(false);
    EXPECT_FALSE(view.orbitTimer);
    EXPECT_EQ(PlayerRect(), (Rect{100, 50, 900, 650}));
    EXPECT_EQ(Strip(0), (Rect{0, 0, 104, 768}));
    EXPECT_EQ(Strip(3), (Rect{0, 646, 1024, 122}));
}

TEST_F(OrbitBlanking, ATimerTickDuringItsOwnStepIsDropped) {
    LoadMovie(0, 3, 1);
    SwitchOrbiting(true);
    feature.cmdTestOrbiting_Click();
    const auto dropsNestedTicks = [&](const std::function<void()>& tick) {
        desktop.onMove = tick; // as a message box or a moved window lets the next tick in
        const size_t moves = desktop.moves.size();
        tick();
        EXPECT_EQ(desktop.moves.size(), moves + 1);
    };
    dropsNestedTicks([&] { feature.tmrOrbit_Timer(); });
    dropsNestedTicks([&] { feature.tmrTestOrbit_Timer(); });
    desktop.onMove = nullptr;
}

TEST_F(OrbitBlanking, TheOrbitTestWaitsOutATickWithoutASetting) {
    LoadMovie(0, 3);
    feature.cmdTestOrbiting_Click();
    controller.SetListIndex(-1);
    const size_t moves = desktop.moves.size();
    feature.tmrTestOrbit_Timer();
    EXPECT_EQ(desktop.moves.size(), moves);
    EXPECT_TRUE(view.testOrbitTimer);
    Select("Movie");
    feature.tmrTestOrbit_Timer();
    EXPECT_EQ(PlayerRect().left, 97); // the first extreme
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(OrbitBlanking, AnOrbitNumberBeyond32BitsIsReportedAndNotStored) {
    LoadMovie(0, 3, 1);
    view.ShowOrbitText(OrbitTextBox::Increment, "99999999999");
    feature.txtOrbitIncrement_Validate();
    EXPECT_EQ(Current().OrbitIncrement, 1);
    EXPECT_EQ(Reports(), (Texts{"txtOrbitIncrement_Validate: Error: 6. Overflow"}));
}

} // namespace
} // namespace kiv
