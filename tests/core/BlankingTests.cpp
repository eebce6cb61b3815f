#include "blanking/BlankWindowState.h"
#include "blanking/Blanking.h"
#include "blanking/Taskbar.h"
#include "support/BlankingDoubles.h"
#include "support/TestSupport.h"
#include "util/RuntimeError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <limits>

namespace kiv {
namespace {

using namespace test;

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

CWindowSetting Pads(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    CWindowSetting setting;
    setting.BlankingPadLeft = left;
    setting.BlankingPadTop = top;
    setting.BlankingPadRight = right;
    setting.BlankingPadBottom = bottom;
    return setting;
}

TEST(BlankStripsTest, MarginsAndPadsAddUpAroundTheWindow) {
    RecordingReporter reporter;
    COptions options(reporter);
    // Caption 18, frame 4; the window at (100, 50)-(900, 650) on 1024 x 768.
    EXPECT_EQ(ComputeBlankStrips({100, 50, 900, 650}, {1024, 768}, BlankingMargins(options, 18, 4),
                                 Pads(0, 0, 0, 0)),
              (BlankStrips{104, 72, 128, 122}));
    options.TitleBarMargin = 0;
    options.SideMargin = -7; // any value but -1 is taken as it is
    EXPECT_EQ(ComputeBlankStrips({100, 50, 900, 650}, {1024, 768}, BlankingMargins(options, 18, 4),
                                 Pads(1, 2, 3, -4)),
              (BlankStrips{100 - 7 + 1, 50 + 4 + 0 + 2, 1024 - 900 - 7 + 3, 768 - 650 + 4 - 4}));
}

TEST(BlankStripsTest, SumsBeyond32BitsRaiseOverflow) {
    for (CWindowSetting setting :
         {Pads(kMax, 0, 0, 0), Pads(0, kMax, 0, 0), Pads(0, 0, kMax, 0), Pads(0, 0, 0, kMax)}) {
        try {
            ComputeBlankStrips({100, 50, 900, 650}, {1024, 768}, {18, 4, 4}, setting);
            ADD_FAILURE() << "no overflow";
        } catch (const CRuntimeError& error) {
            EXPECT_EQ(error.Number(), ErrorNumber::Overflow);
        }
    }
    // A window far off the screen's left still fits: the strip is simply negative.
    EXPECT_EQ(
        ComputeBlankStrips({kMin + 4, 0, 0, 0}, {1024, 768}, {0, 0, -4}, Pads(0, 0, 0, 0)).left,
        kMin);
}

struct BlankingFixture : ::testing::Test, IBlankingEvents {
    TempDir dir;
    RecordingReporter reporter;
    COptions options{reporter};
    FakeBlankingPlatform platform;
    CTaskbar taskbar{platform.taskbar, dir.File("KIV.taskbar")};
    CBlanking blanking{platform, taskbar, options, *this, reporter};
    std::vector<Rect> menus;

    void BlankingKeyDown(int16_t&, int16_t&) override {}
    void BlankingContextMenu(int32_t screenX, int32_t screenY) override {
        menus.push_back({screenX, screenY, 0, 0});
    }
    Rect Ltwh(size_t strip) { return platform.Strip(strip).ltwh; }
    bool AnyVisible() {
        return std::any_of(platform.windows.begin(), platform.windows.end(),
                           [](const auto& w) { return w->visible; });
    }
};

TEST_F(BlankingFixture, StripsMoveOnlyWhileOnAndTheTaskbarHidesMeanwhile) {
    blanking.SetBlankingOn(false); // a visible taskbar is left alone
    EXPECT_EQ(std::count(platform.log.begin(), platform.log.end(), "taskbar show"), 0);
    blanking.SetLeftBlankPixels(104);
    EXPECT_EQ(Ltwh(0), (Rect{0, 0, 0, 0}));
    blanking.SetBlankingOn(true);
    EXPECT_FALSE(platform.taskbar.visible);
    blanking.SetLeftBlankPixels(104);
    blanking.SetTopBlankPixels(72);
    blanking.SetRightBlankPixels(128);
    blanking.SetBottomBlankPixels(122);
    EXPECT_EQ(Ltwh(0), (Rect{0, 0, 104, 768}));
    EXPECT_EQ(Ltwh(1), (Rect{0, 0, 1024, 72}));
    EXPECT_EQ(Ltwh(2), (Rect{896, 0, 128, 768}));
    EXPECT_EQ(Ltwh(3), (Rect{0, 646, 1024, 122}));
    EXPECT_TRUE(platform.Strip(3).visible && platform.Strip(3).onTop);
    blanking.SetBlankingOn(false);
    EXPECT_FALSE(AnyVisible());
    EXPECT_TRUE(platform.taskbar.visible);
}

TEST_F(BlankingFixture, SizesBelowOneBecomeZeroAndTheBottomNeverGoesBelowTheMargin) {
    blanking.SetBlankingOn(true);
    blanking.SetRightBlankPixels(-5);
    EXPECT_EQ(Ltwh(2), (Rect{1024, 0, 0, 768}));
    for (int32_t written : {kMin, 0, 3}) {
        blanking.SetBottomBlankPixels(written);
        EXPECT_EQ(Ltwh(3), (Rect{0, 765, 1024, 3})) << written;
    }
    blanking.SetBottomBlankPixels(4);
    EXPECT_EQ(blanking.BottomBlankPixels(), 4);
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(BlankingFixture, ARecreatedTaskbarIsHiddenAgainOnlyWhileOn) {
    blanking.TaskbarCreated();
    EXPECT_TRUE(platform.taskbar.visible);
    blanking.SetBlankingOn(true);
    platform.taskbar.visible = true; // the shell's new taskbar
    blanking.TaskbarCreated();
    EXPECT_FALSE(platform.taskbar.visible);
}

TEST_F(BlankingFixture, ARightClickAsksForTheContextMenuAtThePoint) {
    platform.Strip(3).events->BlankingFormMouseUp(1, 10, 760);
    platform.Strip(3).events->BlankingFormMouseUp(2, 10, 760);
    EXPECT_EQ(menus, (std::vector<Rect>{{10, 760, 0, 0}}));
}

// --- The taskbar and its marker ---------------------------------------------

struct TaskbarFixture : ::testing::Test {
    TempDir dir;
    std::vector<std::string> log;
    FakeBlankingPlatform::FakeTaskbar window{log};
    std::string marker = dir.File("KIV.taskbar");
    bool MarkerExists() const { return std::filesystem::exists(marker); }
};

TEST_F(TaskbarFixture, AHiddenTaskbarAlwaysHasAMarkerAndComesBackWhenTheObjectGoes) {
    {
        CTaskbar taskbar(window, marker);
        taskbar.HideTaskbar();
        EXPECT_TRUE(MarkerExists());
        taskbar.UnhideTaskbar();
        EXPECT_FALSE(MarkerExists());
        taskbar.HideTaskbar();
        EXPECT_TRUE(MarkerExists());
    }
    EXPECT_TRUE(window.visible);
    EXPECT_FALSE(MarkerExists());
}

TEST_F(TaskbarFixture, AMarkerLeftByAKilledRunShowsTheTaskbarAtTheNextStartOnce) {
    window.visible = false; // hidden by someone else: no marker, nothing to do
    EXPECT_FALSE(CTaskbar(window, marker).RestoreAfterUncleanEnd());
    EXPECT_TRUE(log.empty());
    {
        CTaskbar killed(window, marker);
        killed.HideTaskbar();
        // A killed process runs no destructor: the marker stays.
        std::filesystem::copy_file(marker, marker + ".kept");
    }
    std::filesystem::rename(marker + ".kept", marker);
    window.visible = false;
    CTaskbar next(window, marker);
    EXPECT_TRUE(next.RestoreAfterUncleanEnd());
    EXPECT_TRUE(window.visible);
    EXPECT_FALSE(MarkerExists());
    EXPECT_FALSE(next.RestoreAfterUncleanEnd());
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

// --- A blank window's fade --------------------------------------------------

TEST(BlankWindowStateTest, AFadeRunsTwentySixTicksFromLightGreyToBlackOneAtATime) {
    FakeBlankSurface surface;
    CBlankWindowState state{surface};
    state.Animate();
    state.Animate(); // one fade at a time
    for (int tick = 0; tick < 26; ++tick) {
        ASSERT_NE(surface.fadeDue, FakeBlankSurface::kNever) << tick;
        state.FadeTimer();
    }
    EXPECT_EQ(surface.fadeDue, FakeBlankSurface::kNever);
    EXPECT_EQ(surface.fadeStarts, 1);
    ASSERT_EQ(surface.backgrounds.size(), 26u);
    EXPECT_EQ(surface.backgrounds[0], GreyColour(245));
    EXPECT_EQ(surface.backgrounds[1], GreyColour(235));
    EXPECT_EQ(surface.backgrounds[24], GreyColour(5));
    EXPECT_EQ(surface.backgrounds[25], kBlack);
}

} // namespace
} // namespace kiv
