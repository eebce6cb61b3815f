#include "placement/InstantLock.h"
#include "placement/WindowAppearance.h"
#include "support/Doubles.h"
#include "support/PlayListDoubles.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace kiv {
namespace {

constexpr Rect kPlaced = {10, 20, 310, 220};

struct InstantLockTest : ::testing::Test, IPlacementListener {
    test::RecordingReporter reporter;
    test::FakeDesktop desktop;
    test::FakeSizeLibrary library;
    test::FakePump pump;
    COptions options{reporter};
    CWindowPlacement placement{desktop, library, pump, options, *this};
    // The player's setting, placing it at kPlaced.
    CWindowSetting setting = [] {
        CWindowSetting placed;
        placed.WindowClass = "Class:Player";
        placed.WindowLeft = kPlaced.left;
        placed.WindowTop = kPlaced.top;
        placed.WindowWidth = 300;
        placed.WindowHeight = 200;
        return placed;
    }();
    int putBacks = 0;
    CInstantLock lock{library, placement, [this] {
                          ++putBacks;
                          placement.AdjustWindow(&setting);
                      }};
    WindowHandle player = desktop.Open("Player", "");
    WindowHandle other = desktop.Open("Other", "");

    bool checkerOn = false;

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

// Such a window is tried again, seldom, for as long as it does not answer.
TEST(WindowAppearanceTest, AWindowThatDidNotAnswerIsPlacedAgainWhileShown) {
    test::FakeDesktop desktop;
    test::FakeDvdSystem watch;
    int placements = 0;
    CWindowAppearance appearance(watch, desktop, [&] { ++placements; });
    appearance.WatchForAnswer("");
    EXPECT_EQ(watch.events, nullptr);
    const WindowHandle window = desktop.Open("Player", "");
    appearance.WatchForAnswer("Class:Player");
    EXPECT_EQ(placements, 0) << "not at once: it has just been asked";
    ASSERT_NE(watch.events, nullptr);
    watch.hidden.insert(window);
    watch.events->CheckTimer();
    EXPECT_EQ(placements, 0) << "not while hidden";
    watch.hidden.clear();
    watch.events->CheckTimer();
    EXPECT_EQ(placements, 1);
    EXPECT_EQ(watch.events, nullptr);
}

} // namespace
} // namespace kiv
