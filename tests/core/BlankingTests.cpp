#include "blanking/BlankWindowState.h"
#include "blanking/Blanking.h"
#include "blanking/Taskbar.h"
#include "support/BlankingDoubles.h"
#include "support/TestSupport.h"
#include "util/RuntimeError.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

namespace kiv {
namespace {

using namespace test;

// --- Strip geometry ---------------------------------------------------------

CWindowSetting Pads(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    CWindowSetting setting;
    setting.BlankingPadLeft = left;
    setting.BlankingPadTop = top;
    setting.BlankingPadRight = right;
    setting.BlankingPadBottom = bottom;
    return setting;
}

TEST(BlankStripsTest, DefaultOptionsCoverTheFrameAndTitleBar) {
    RecordingReporter reporter;
    COptions options(reporter);
    BlankMargins margins = BlankingMargins(options, 18, 4);
    EXPECT_EQ(margins.title, 18);
    EXPECT_EQ(margins.frame, 4);
    EXPECT_EQ(margins.side, 4);
    BlankStrips strips =
        ComputeBlankStrips({100, 50, 900, 650}, {1024, 768}, margins, Pads(0, 0, 0, 0));
    EXPECT_EQ(strips, (BlankStrips{104, 72, 128, 122}));
}

TEST(BlankStripsTest, PadsAndExplicitMarginsAddUp) {
    RecordingReporter reporter;
    COptions options(reporter);
    options.TitleBarMargin = 0;
    options.SideMargin = -7; // any value but -1 is taken as it is
    BlankMargins margins = BlankingMargins(options, 18, 4);
    EXPECT_EQ(margins.title, 0);
    EXPECT_EQ(margins.side, -7);
    BlankStrips strips =
        ComputeBlankStrips({100, 50, 900, 650}, {1024, 768}, margins, Pads(1, 2, 3, -4));
    EXPECT_EQ(strips,
              (BlankStrips{100 - 7 + 1, 50 + 4 + 0 + 2, 1024 - 900 - 7 + 3, 768 - 650 + 4 - 4}));
}

TEST(BlankStripsTest, SumsBeyond32BitsRaiseOverflow) {
    BlankMargins margins{18, 4, 4};
    const int32_t big = std::numeric_limits<int32_t>::max();
    for (CWindowSetting setting :
         {Pads(big, 0, 0, 0), Pads(0, big, 0, 0), Pads(0, 0, big, 0), Pads(0, 0, 0, big)}) {
        try {
            ComputeBlankStrips({100, 50, 900, 650}, {1024, 768}, margins, setting);
            ADD_FAILURE() << "no overflow";
        } catch (const CRuntimeError& error) {
            EXPECT_EQ(error.Number(), ErrorNumber::Overflow);
        }
    }
    // A window far off the screen's left still fits: the strip is simply negative.
    BlankStrips strips = ComputeBlankStrips({std::numeric_limits<int32_t>::min() + 4, 0, 0, 0},
                                            {1024, 768}, {0, 0, -4}, Pads(0, 0, 0, 0));
    EXPECT_EQ(strips.left, std::numeric_limits<int32_t>::min());
}

// --- The blanking controller ------------------------------------------------

struct BlankingFixture : ::testing::Test, IBlankingEvents {
    TempDir dir;
    RecordingReporter reporter;
    COptions options{reporter};
    FakeBlankingPlatform platform;
    CTaskbar taskbar{platform.taskbar, dir.File("KIV.taskbar")};
    std::unique_ptr<CBlanking> blanking =
        std::make_unique<CBlanking>(platform, taskbar, options, *this, reporter);
    std::vector<std::pair<int16_t, int16_t>> keys;

    void BlankingKeyDown(int16_t& keyCode, int16_t& shift) override {
        keys.emplace_back(keyCode, shift);
    }
    void BlankingContextMenu(int32_t screenX, int32_t screenY) override {
        menus.push_back({screenX, screenY, 0, 0});
    }
    std::vector<Rect> menus;
    Rect Ltwh(size_t strip) { return platform.Strip(strip).ltwh; }
};

TEST_F(BlankingFixture, CreationMakesFourHiddenWindowsAtTheOriginAndFloorsTheBottom) {
    ASSERT_EQ(platform.windows.size(), 4u);
    for (auto& window : platform.windows) {
        EXPECT_FALSE(window->visible);
        EXPECT_EQ(window->ltwh, (Rect{0, 0, 0, 0}));
        EXPECT_EQ(window->moves, 1);
    }
    EXPECT_FALSE(blanking->BlankingOn());
    EXPECT_EQ(blanking->LeftBlankPixels(), 0);
    EXPECT_EQ(blanking->BottomBlankPixels(), 3);
    EXPECT_TRUE(platform.taskbar.visible);
}

TEST_F(BlankingFixture, SwitchingOnMakesTopmostThenVisibleThenHidesTheTaskbarAndMovesNothing) {
    platform.log.clear();
    blanking->SetBlankingOn(true);
    EXPECT_EQ(platform.log,
              (std::vector<std::string>{"w0 ontop 1", "w1 ontop 1", "w2 ontop 1", "w3 ontop 1",
                                        "w0 visible 1", "w1 visible 1", "w2 visible 1",
                                        "w3 visible 1", "taskbar hide"}));
    EXPECT_TRUE(blanking->BlankingOn());
    EXPECT_FALSE(platform.taskbar.visible);

    platform.log.clear();
    blanking->SetBlankingOn(false);
    EXPECT_EQ(platform.log,
              (std::vector<std::string>{"w0 ontop 0", "w1 ontop 0", "w2 ontop 0", "w3 ontop 0",
                                        "w0 visible 0", "w1 visible 0", "w2 visible 0",
                                        "w3 visible 0", "taskbar show"}));
    EXPECT_TRUE(platform.taskbar.visible);
}

TEST_F(BlankingFixture, SwitchingOffLeavesAVisibleTaskbarAlone) {
    platform.log.clear();
    blanking->SetBlankingOn(false);
    EXPECT_EQ(platform.log.back(), "w3 visible 0");
}

TEST_F(BlankingFixture, StripsMoveTheirWindowsOnlyWhileOn) {
    blanking->SetLeftBlankPixels(104);
    blanking->SetTopBlankPixels(72);
    blanking->SetRightBlankPixels(128);
    blanking->SetBottomBlankPixels(122);
    EXPECT_EQ(blanking->RightBlankPixels(), 128);
    for (auto& window : platform.windows) {
        EXPECT_EQ(window->moves, 1) << window->index;
    }
    blanking->SetBlankingOn(true);
    blanking->SetLeftBlankPixels(104);
    blanking->SetTopBlankPixels(72);
    blanking->SetRightBlankPixels(128);
    blanking->SetBottomBlankPixels(122);
    EXPECT_EQ(Ltwh(0), (Rect{0, 0, 104, 768}));
    EXPECT_EQ(Ltwh(1), (Rect{0, 0, 1024, 72}));
    EXPECT_EQ(Ltwh(2), (Rect{896, 0, 128, 768}));
    EXPECT_EQ(Ltwh(3), (Rect{0, 646, 1024, 122}));
}

TEST_F(BlankingFixture, SizesBelowOneBecomeZeroAndTheBottomNeverGoesBelowTheMargin) {
    blanking->SetBlankingOn(true);
    for (int32_t written : {-5, 0}) {
        blanking->SetLeftBlankPixels(written);
        EXPECT_EQ(blanking->LeftBlankPixels(), 0);
        blanking->SetTopBlankPixels(written);
        EXPECT_EQ(blanking->TopBlankPixels(), 0);
        blanking->SetRightBlankPixels(written);
        EXPECT_EQ(blanking->RightBlankPixels(), 0);
        EXPECT_EQ(Ltwh(2), (Rect{1024, 0, 0, 768}));
    }
    blanking->SetLeftBlankPixels(1);
    EXPECT_EQ(blanking->LeftBlankPixels(), 1);
    for (int32_t written : {std::numeric_limits<int32_t>::min(), 0, 2, 3}) {
        blanking->SetBottomBlankPixels(written);
        EXPECT_EQ(blanking->BottomBlankPixels(), 3) << written;
        EXPECT_EQ(Ltwh(3), (Rect{0, 765, 1024, 3}));
    }
    blanking->SetBottomBlankPixels(4);
    EXPECT_EQ(blanking->BottomBlankPixels(), 4);
    options.TaskBarMargin = 0;
    blanking->SetBottomBlankPixels(0);
    EXPECT_EQ(blanking->BottomBlankPixels(), 0);
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(BlankingFixture, TheLeftStripUsesTheScreenMeasuredLast) {
    blanking->SetBlankingOn(true);
    platform.screen = {1920, 1080};
    blanking->SetLeftBlankPixels(10);
    EXPECT_EQ(Ltwh(0), (Rect{0, 0, 10, 768}));
    blanking->SetTopBlankPixels(10);
    blanking->SetLeftBlankPixels(10);
    EXPECT_EQ(Ltwh(0), (Rect{0, 0, 10, 1080}));
}

TEST_F(BlankingFixture, ToTopOnlyWhileOnAndAnimateAsksEveryWindow) {
    platform.log.clear();
    blanking->BlankingToTop();
    EXPECT_TRUE(platform.log.empty());
    blanking->SetBlankingOn(true);
    platform.log.clear();
    blanking->BlankingToTop();
    EXPECT_EQ(platform.log,
              (std::vector<std::string>{"w0 ontop 1", "w1 ontop 1", "w2 ontop 1", "w3 ontop 1"}));
    platform.log.clear();
    blanking->Animate();
    EXPECT_EQ(platform.log,
              (std::vector<std::string>{"w0 animate", "w1 animate", "w2 animate", "w3 animate"}));
}

TEST_F(BlankingFixture, KeysOfEveryWindowArePassedOnUnchanged) {
    for (int i = 0; i < 4; ++i) {
        int16_t key = static_cast<int16_t>(0x70 + i);
        int16_t shift = static_cast<int16_t>(i);
        platform.Strip(static_cast<size_t>(i)).events->BlankingFormKeyDown(key, shift);
    }
    EXPECT_EQ(keys, (std::vector<std::pair<int16_t, int16_t>>{
                        {0x70, 0}, {0x71, 1}, {0x72, 2}, {0x73, 3}}));
}

TEST_F(BlankingFixture, ARightClickAsksForTheContextMenuAtThePointOtherButtonsDoNothing) {
    platform.Strip(3).events->BlankingFormMouseUp(1, 10, 760);
    platform.Strip(3).events->BlankingFormMouseUp(4, 10, 760);
    EXPECT_TRUE(menus.empty());
    platform.Strip(3).events->BlankingFormMouseUp(2, 10, 760);
    EXPECT_EQ(menus, (std::vector<Rect>{{10, 760, 0, 0}}));
}

TEST_F(BlankingFixture, ARecreatedTaskbarIsHiddenAgainOnlyWhileOn) {
    blanking->TaskbarCreated();
    EXPECT_TRUE(platform.taskbar.visible);
    blanking->SetBlankingOn(true);
    platform.taskbar.visible = true; // the shell's new taskbar
    blanking->TaskbarCreated();
    EXPECT_FALSE(platform.taskbar.visible);
}

TEST_F(BlankingFixture, ReleaseDestroysTheWindowsInOrder) {
    platform.log.clear();
    blanking.reset();
    EXPECT_EQ(platform.log,
              (std::vector<std::string>{"w0 destroy", "w1 destroy", "w2 destroy", "w3 destroy"}));
}

// --- The taskbar and its marker ---------------------------------------------

struct TaskbarFixture : ::testing::Test {
    TempDir dir;
    std::vector<std::string> log;
    FakeBlankingPlatform::FakeTaskbar window{log};
    std::string marker = dir.File("KIV.taskbar");
    bool MarkerExists() const { return std::filesystem::exists(marker); }
};

TEST_F(TaskbarFixture, HidingWritesTheMarkerAndShowingRemovesIt) {
    CTaskbar taskbar(window, marker);
    taskbar.HideTaskbar();
    EXPECT_FALSE(taskbar.IsTaskBarVisible());
    EXPECT_TRUE(MarkerExists());
    taskbar.UnhideTaskbar();
    EXPECT_TRUE(taskbar.IsTaskBarVisible());
    EXPECT_FALSE(MarkerExists());
}

TEST_F(TaskbarFixture, HidingAgainWritesTheMarkerOnlyOnce) {
    CTaskbar taskbar(window, marker);
    taskbar.HideTaskbar();
    std::filesystem::remove(marker);
    taskbar.HideTaskbar();
    EXPECT_FALSE(MarkerExists());
    EXPECT_EQ(log, (std::vector<std::string>{"taskbar hide", "taskbar hide"}));
    taskbar.UnhideTaskbar();
    taskbar.HideTaskbar();
    EXPECT_TRUE(MarkerExists());
}

TEST_F(TaskbarFixture, AMarkerLeftBehindShowsTheTaskbarAtTheNextStart) {
    {
        CTaskbar killed(window, marker);
        killed.HideTaskbar();
        // A killed process runs no destructor: the marker stays.
        std::filesystem::copy_file(marker, marker + ".kept");
    }
    std::filesystem::rename(marker + ".kept", marker);
    window.visible = false;
    log.clear();
    CTaskbar next(window, marker);
    EXPECT_TRUE(next.RestoreAfterUncleanEnd());
    EXPECT_EQ(log, (std::vector<std::string>{"taskbar show"}));
    EXPECT_FALSE(MarkerExists());
    EXPECT_FALSE(next.RestoreAfterUncleanEnd());
}

TEST_F(TaskbarFixture, WithoutAMarkerTheStartLeavesTheTaskbarAlone) {
    window.visible = false; // hidden by someone else
    CTaskbar taskbar(window, marker);
    EXPECT_FALSE(taskbar.RestoreAfterUncleanEnd());
    EXPECT_TRUE(log.empty());
}

TEST_F(TaskbarFixture, AnObjectThatHidTheTaskbarShowsItWhenItGoes) {
    {
        CTaskbar taskbar(window, marker);
        taskbar.HideTaskbar();
    }
    EXPECT_TRUE(window.visible);
    EXPECT_FALSE(MarkerExists());
    log.clear();
    {
        CTaskbar taskbar(window, marker);
        taskbar.HideTaskbar();
        taskbar.UnhideTaskbar();
    }
    EXPECT_EQ(log, (std::vector<std::string>{"taskbar hide", "taskbar show"}));
}

TEST_F(TaskbarFixture, ATaskbarShownAgainBySomeoneElseNeedsNoMarker) {
    CTaskbar taskbar(window, marker);
    taskbar.HideTaskbar();
    window.visible = true;
    EXPECT_TRUE(taskbar.IsTaskBarVisible());
    EXPECT_FALSE(MarkerExists());
}

TEST_F(TaskbarFixture, AnUnwritableFolderStillHidesAndShows) {
    CTaskbar taskbar(window, (dir.Path() / "no such folder" / "KIV.taskbar").string());
    taskbar.HideTaskbar();
    EXPECT_FALSE(window.visible);
    taskbar.UnhideTaskbar();
    EXPECT_TRUE(window.visible);
}

// --- A blank window's pointer and fade --------------------------------------

struct BlankWindowStateFixture : ::testing::Test {
    FakeBlankSurface surface;
    CBlankWindowState state{surface};

    // Runs the simulated clock forward, firing the timers that fall due.
    void Advance(uint64_t ms) {
        uint64_t end = surface.now + ms;
        while (true) {
            uint64_t next = std::min(surface.pointerDue, surface.fadeDue);
            if (next > end) {
                break;
            }
            surface.now = next;
            if (surface.pointerDue == next) {
                surface.pointerDue += kPointerHideMs;
                state.PointerTimer();
            } else {
                surface.fadeDue += kFadeTickMs;
                state.FadeTimer();
            }
        }
        surface.now = end;
    }
};

TEST_F(BlankWindowStateFixture, ThePointerHidesTwoSecondsAfterTheLastMovement) {
    state.Load();
    Advance(1999);
    EXPECT_TRUE(surface.pointerVisible);
    Advance(1);
    EXPECT_FALSE(surface.pointerVisible);
    // The timer is off until the pointer moves again.
    EXPECT_EQ(surface.pointerDue, FakeBlankSurface::kNever);

    state.MouseMove();
    EXPECT_TRUE(surface.pointerVisible);
    Advance(1500);
    state.MouseMove();
    Advance(1999);
    EXPECT_TRUE(surface.pointerVisible);
    Advance(1);
    EXPECT_FALSE(surface.pointerVisible);
}

TEST_F(BlankWindowStateFixture, AFadeRunsTwentySixTicksFromLightGreyToBlack) {
    state.Animate();
    Advance(25 * kFadeTickMs);
    ASSERT_EQ(surface.backgrounds.size(), 25u);
    EXPECT_EQ(surface.backgrounds.front(), GreyColour(245));
    EXPECT_EQ(surface.backgrounds[1], GreyColour(235));
    EXPECT_EQ(surface.backgrounds.back(), GreyColour(5));
    EXPECT_EQ(state.FadeLevel(), 250);
    Advance(kFadeTickMs);
    EXPECT_EQ(surface.backgrounds.size(), 26u);
    EXPECT_EQ(surface.backgrounds.back(), kBlack);
    EXPECT_EQ(state.FadeLevel(), 0);
    EXPECT_EQ(surface.fadeDue, FakeBlankSurface::kNever);
    Advance(10 * kFadeTickMs);
    EXPECT_EQ(surface.backgrounds.size(), 26u);
}

TEST_F(BlankWindowStateFixture, AnimateTwiceWithinTheFadeStartsOnlyOne) {
    state.Animate();
    state.Animate(); // before the first tick
    Advance(20 * kFadeTickMs);
    state.Animate();
    Advance(6 * kFadeTickMs);
    EXPECT_EQ(surface.fadeStarts, 1);
    EXPECT_EQ(surface.backgrounds.size(), 26u);
    state.Animate(); // a new fade once the first has ended
    EXPECT_EQ(surface.fadeStarts, 2);
}

} // namespace
} // namespace kiv
