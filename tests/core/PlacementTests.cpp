// Placement's rules: the first-run settings, nudges and the position boxes'
// values, orbiting, the instant lock and the watch for a window's appearance.
#include "placement/InitialSettings.h"
#include "placement/InstantLock.h"
#include "placement/Orbit.h"
#include "placement/PositionRules.h"
#include "placement/WindowAppearance.h"
#include "placement/WindowPosValue.h"
#include "support/Doubles.h"
#include "support/PlayListDoubles.h"
#include "support/TestSupport.h"
#include "util/RuntimeError.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kiv {
namespace {

using namespace test;

using Ltwh = std::array<int32_t, 4>; // left, top, width, height

CWindowSetting At(Ltwh r) {
    CWindowSetting s;
    s.WindowLeft = r[0];
    s.WindowTop = r[1];
    s.WindowWidth = r[2];
    s.WindowHeight = r[3];
    return s;
}
Ltwh Of(const CWindowSetting& s) {
    return {s.WindowLeft, s.WindowTop, s.WindowWidth, s.WindowHeight};
}

TEST(InitialSettings, GeometryRoundsHalvesToEvenOnEveryScreen) {
    // 1080 x 1.33 = 1436.4 -> 1436, 600 x 1.33 = 798; (1001 - 600) / 2 = 200.5 -> 200.
    const struct {
        int32_t screenWidth, screenHeight;
        size_t setting;
        Ltwh placed;
    } cases[] = {{1920, 1080, 1, {0, -178, 1920, 1436}},
                 {1920, 1080, 2, {420, 0, 1080, 1080}},
                 {800, 600, 1, {0, -99, 800, 798}},
                 {1001, 600, 2, {200, 0, 600, 600}}};
    for (const auto& c : cases) {
        const CWindowSetting s = InitialSettings(c.screenWidth, c.screenHeight).at(c.setting);
        EXPECT_EQ(Of(s), c.placed)
            << c.screenWidth << "x" << c.screenHeight << " " << s.SettingName;
    }
}

// A size may go below zero; an index of no button changes nothing.
TEST(Nudges, EachButtonChangesTheRectangleByItsStepWithoutBoundsOnTheSize) {
    const Ltwh start{100, 200, 1, 1};
    const Ltwh expected[kNudgeButtonCount + 1] = {
        {99, 200, 1, 1}, {101, 200, 1, 1},  {100, 199, 1, 1}, {100, 201, 1, 1}, {101, 200, -1, 1},
        {99, 200, 3, 1}, {100, 201, 1, -1}, {100, 199, 1, 3}, {99, 199, 3, 3},  {101, 201, -1, -1},
        start,
    };
    for (int32_t index = 0; index <= kNudgeButtonCount; ++index) {
        SCOPED_TRACE(index);
        CWindowSetting s = At(start);
        ApplyNudge(s, index);
        EXPECT_EQ(Of(s), expected[index]);
    }
}

TEST(Nudges, OverflowStopsAtTheFieldThatCannotTakeTheStep) {
    CWindowSetting s = At({INT32_MIN, 0, 10, 10});
    EXPECT_THROW(ApplyNudge(s, 0), CRuntimeError);
    EXPECT_EQ(s.WindowLeft, INT32_MIN);
    // Expand: left, then width, then top, then height.
    CWindowSetting e = At({5, 5, INT32_MAX - 1, 10});
    EXPECT_THROW(ApplyNudge(e, 8), CRuntimeError);
    EXPECT_EQ(Of(e), (Ltwh{4, 5, INT32_MAX - 1, 10}));
}

struct Keys : IKeyboardState {
    bool lShift = false;
    bool lControl = false;
    bool LShift() const override { return lShift; }
    bool LControl() const override { return lControl; }
};

TEST(WindowPosValueTest, TheBoxIsReadAsANumberOrItsLeadingNumber) {
    // The box, its value, one step up, and the value passed on (halves to even).
    const struct {
        const char* box;
        const char* value;
        const char* up;
        int32_t event;
    } cases[] = {
        {"", "0", "1", 0},
        {" 12 ", " 12 ", "13", 12},
        {"12-", "12", "13", 12},
        {"-", "0", "1", 0},
        {"abc", "0", "1", 0},
        {"-3.25x", "-3.25", "-2.25", -3},
        {"2.5", "2.5", "3.5", 2},
        {"1.5", "1.5", "2.5", 2},
        {"-2.5", "-2.5", "-1.5", -2},
        {"2147483647", "2147483647", "2147483648", INT32_MAX},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box);
        std::string box = c.box;
        EXPECT_EQ(WindowPosReadValue(box), c.value);
        EXPECT_EQ(box, *c.box == '\0' ? "0" : c.box);
        EXPECT_EQ(WindowPosIncremented(c.box, 0, 1), c.up);
        EXPECT_EQ(WindowPosEventValue(c.box), c.event);
        EXPECT_EQ(WindowPosTakesValue(c.box), std::string(c.box) == c.value);
    }
    EXPECT_EQ(WindowPosIncremented("5", 0, 100), "105");
    EXPECT_EQ(WindowPosIncremented("0", 1, 10), "-10");
    EXPECT_EQ(WindowPosIncremented("7", 2, 10), "7");
    Keys keys; // Ctrl alone does nothing; Shift steps by ten, with Ctrl by a hundred
    keys.lControl = true;
    EXPECT_EQ(WindowPosStep(keys), 1);
    keys.lShift = true;
    EXPECT_EQ(WindowPosStep(keys), 100);
    EXPECT_THROW(WindowPosEventValue("2147483648"), CRuntimeError);
}

// Each step's result from `origin` on: the distance moved, or 99 for a step
// spent turning (or standing still with no range).
constexpr int32_t kTurn = 99;

TEST(OrbitAxisTest, ZigzagsWithinTheRangeSpendingAStepOnEachTurn) {
    const struct {
        int32_t range, increment;
        std::vector<int32_t> positions, moves;
    } cases[] = {
        {3,
         1,
         {101, 102, 103, 103, 102, 101, 100, 99, 98, 97, 97, 98},
         {1, 1, 1, kTurn, -1, -1, -1, -1, -1, -1, kTurn, 1}},
        {3, 2, {102, 102, 100, 98, 98, 100}, {2, kTurn, -2, -2, kTurn, 2}},
        {0, 7, {100, 100, 100}, {kTurn, kTurn, kTurn}},
        {3, 0, {100, 100, 100}, {0, 0, 0}},
        // 101 > 100 + (-3): a turn; then 99 < 100 - (-3): a turn again.
        {-3, 1, {100, 100, 100}, {kTurn, kTurn, kTurn}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "range " << c.range << " increment " << c.increment);
        OrbitAxis axis{100, false};
        std::vector<int32_t> positions, moves;
        for (size_t i = 0; i < c.positions.size(); ++i) {
            moves.push_back(StepOrbitAxis(axis, 100, c.range, c.increment).value_or(kTurn));
            positions.push_back(axis.position);
        }
        EXPECT_EQ(positions, c.positions);
        EXPECT_EQ(moves, c.moves);
    }
}

TEST(OrbitAxisTest, SumsBeyond32BitsRaiseOverflowAndLeaveTheAxis) {
    OrbitAxis axis{INT32_MAX, false};
    EXPECT_THROW(StepOrbitAxis(axis, INT32_MAX, 3, 1), CRuntimeError);
    EXPECT_EQ(axis.position, INT32_MAX);
    OrbitAxis back{INT32_MIN, true};
    EXPECT_THROW(StepOrbitAxis(back, 0, 3, 1), CRuntimeError);
}

TEST(OrbitCountTest, AStepIsDueEveryIntervalPlusOneSecondsAndRestartKeepsDirections) {
    COrbit orbit;
    orbit.Horizontal().movingBack = true;
    for (const auto& [interval, due] : {std::pair{0, "111111"}, {1, "010101"}, {4, "000010"}}) {
        orbit.Restart(7, 8);
        std::string seconds;
        for (int second = 0; second < 6; ++second) {
            seconds += orbit.CountSecond(interval) ? '1' : '0';
        }
        EXPECT_EQ(seconds, due) << interval;
    }
    EXPECT_EQ(orbit.Horizontal().position, 7);
    EXPECT_TRUE(orbit.Horizontal().movingBack);
}

TEST(OrbitTestSequence, ShowsTheFourExtremesThenTheSettingAndEnds) {
    CWindowSetting setting = At({100, 50, 640, 480});
    setting.OrbitRangeHorizontal = 5;
    setting.OrbitRangeVertical = 3;
    COrbit orbit;
    orbit.StartTest();
    const std::pair<int32_t, int32_t> corners[] = {{95, 50},  {100, 47}, {105, 50},
                                                   {100, 53}, {100, 50}, {100, 50}};
    for (size_t i = 0; i < std::size(corners); ++i) {
        COrbit::TestStep step = orbit.NextTestStep(setting);
        EXPECT_EQ(std::pair(step.left, step.top), corners[i]) << i;
        EXPECT_EQ(step.last, i >= 4) << i;
    }
}

constexpr Rect kPlaced = {10, 20, 310, 220};

struct InstantLockTest : ::testing::Test, IPlacementListener {
    RecordingReporter reporter;
    FakeDesktop desktop;
    FakeSizeLibrary library;
    FakePump pump;
    COptions options{reporter};
    CWindowPlacement placement{desktop, library, pump, options, *this};
    // The player's setting, placing it at kPlaced.
    CWindowSetting setting = At({kPlaced.left, kPlaced.top, 300, 200});
    int putBacks = 0;
    CInstantLock lock{library, placement, [this] {
                          ++putBacks;
                          placement.AdjustWindow(&setting);
                      }};
    WindowHandle player = desktop.Open("Player", "");
    WindowHandle other = desktop.Open("Other", "");

    bool checkerOn = false;

    InstantLockTest() { setting.WindowClass = "Class:Player"; }

    void SetCheckerEnabled(bool enabled) override {
        checkerOn = enabled;
        lock.LockArmed(enabled);
    }
    void AdjustBlanking() override {}
};

TEST_F(InstantLockTest, AReportedMovePutsTheLockedWindowBackWithinABudget) {
    const struct {
        const char* name;
        bool locked, movedAway, refuses, otherWindow;
        std::vector<int> reportsAtMs;
        int putBacks;
    } cases[] = {
        {"moved by another program", true, true, false, false, {0}, 1},
        {"KIV's own placement reported", true, false, false, false, {0, 5}, 0},
        {"not locked", false, true, false, false, {0}, 0},
        {"another window reported", true, true, false, true, {0}, 0},
        // Its program moves it on after every placement.
        {"a window that will not stay", true, true, true, false, {0, 1, 2, 3, 999}, 3},
        {"...gets its budget again later", true, true, true, false, {0, 1, 2, 3, 1000, 1001}, 5},
    };
    const auto start = CInstantLock::Clock::now();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        setting.LockPosition = c.locked ? 1 : 0;
        desktop.onMove = nullptr;
        placement.AdjustWindow(&setting);
        ASSERT_EQ(desktop.Find(player)->rect, kPlaced);
        EXPECT_TRUE(!c.locked || (library.movesOf == player && library.moveEvents != nullptr));
        if (c.refuses) {
            desktop.onMove = [&] { desktop.Find(player)->rect.left += 1; };
        }
        putBacks = 0;
        for (int ms : c.reportsAtMs) {
            if (c.movedAway) {
                desktop.Find(player)->rect = {0, 0, 100, 100};
            }
            lock.WindowMovedAt(c.otherWindow ? other : player,
                               start + std::chrono::milliseconds(ms + 10000 * (&c - cases)));
        }
        EXPECT_EQ(putBacks, c.putBacks);
        EXPECT_TRUE(c.putBacks == 0 || c.refuses || desktop.Find(player)->rect == kPlaced);
    }
}

// A window whose program is stopped or busy is not moved, since the move would
// wait for it; nothing is recorded, as for a window not found.
TEST_F(InstantLockTest, AWindowThatDoesNotAnswerIsNotMovedNorRecorded) {
    setting.LockPosition = 1;
    using Trouble = CWindowPlacement::MoveTrouble;
    const struct {
        const char* name;
        bool silent, refuses;
        Trouble trouble;
        bool moved, recorded;
    } cases[] = {
        {"answers", false, false, Trouble::None, true, true},
        {"refused", false, true, Trouble::Refused, false, true},
        {"does not answer", true, false, Trouble::NoAnswer, false, false},
        {"does not answer, would refuse", true, true, Trouble::NoAnswer, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        desktop.Find(player)->rect = {0, 0, 100, 100};
        desktop.moves.clear();
        desktop.silent = c.silent;
        desktop.refuseMoves = c.refuses;
        placement.AdjustWindow(&setting);
        EXPECT_EQ(placement.LastMoveTrouble(), c.trouble);
        EXPECT_EQ(desktop.moves.empty(), c.silent);
        EXPECT_EQ(desktop.Find(player)->rect == kPlaced, c.moved);
        EXPECT_EQ(placement.AppHwnd(), c.recorded ? player : 0);
        EXPECT_EQ(checkerOn, c.recorded) << "the lock watchdog guards what was recorded";
    }
}

// A window already shown when the watch starts is placed unless it was just
// placed; one that did not answer is tried again, seldom, while it shows.
TEST(WindowAppearanceTest, AShownWindowIsPlacedUnlessJustPlacedAndOneThatDidNotAnswerRetried) {
    FakeDesktop desktop;
    FakeDvdSystem watch;
    int placements = 0;
    CWindowAppearance appearance(watch, desktop, [&] { ++placements; });
    appearance.WatchForAnswer("");
    EXPECT_EQ(watch.events, nullptr);
    const WindowHandle window = desktop.Open("Player", "");
    appearance.WatchFor("Class:Player", window);
    EXPECT_EQ(placements, 0);
    appearance.WatchFor("Class:Player", 0); // shown after the placement found nothing
    EXPECT_EQ(placements, 1);
    EXPECT_EQ(watch.events, nullptr);
    appearance.WatchForAnswer("Class:Player");
    EXPECT_EQ(placements, 1) << "not at once: it has just been asked";
    ASSERT_NE(watch.events, nullptr);
    watch.hidden.insert(window);
    watch.events->CheckTimer();
    EXPECT_EQ(placements, 1) << "not while hidden";
    watch.hidden.clear();
    watch.events->CheckTimer();
    EXPECT_EQ(placements, 2);
    EXPECT_EQ(watch.events, nullptr);
}

} // namespace
} // namespace kiv
