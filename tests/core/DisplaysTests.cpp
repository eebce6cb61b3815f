// The displays and what stands on them: which display shows a rectangle,
// where KIV's own windows open, and the blanking strips around the player.
#include "app/MainWindowPlace.h"
#include "blanking/BlankWindowState.h"
#include "blanking/Blanking.h"
#include "blanking/Taskbar.h"
#include "platform/FormPlacement.h"
#include "platform/Monitors.h"
#include "support/BlankingDoubles.h"
#include "support/TestSupport.h"
#include "util/RuntimeError.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>

namespace kiv {
namespace {

using namespace test;

// A 1024 x 768 desk monitor and a 1280 x 720 television beside it.
const Monitor kDesk{{0, 0, 1024, 768}, true};
const Monitor kTvRight{{1024, 0, 2304, 720}, false};
const Monitor kTvLeft{{-1280, 0, 0, 720}, false};

TEST(MonitorOfRectTest, TheCentreChoosesThenTheLargestShareThenNone) {
    struct Case {
        MonitorLayout layout;
        Rect rect;
        std::optional<Monitor> expected;
        const char* display;
    } cases[] = {
        {{kDesk, kTvRight}, {1100, 40, 2200, 660}, kTvRight, "Display 2, 1280 \xC3\x97 720"},
        {{kDesk, kTvLeft}, {-1180, 40, -80, 660}, kTvLeft, "Display 2, 1280 \xC3\x97 720"},
        {{kTvRight, kDesk}, {10, 10, 500, 500}, kDesk, "Display 2, 1024 \xC3\x97 768"},
        // Straddling: the centre (1100) is on the television.
        {{kDesk, kTvRight}, {900, 0, 1300, 400}, kTvRight, "Display 2, 1280 \xC3\x97 720"},
        // The centre below the television's 720 rows: most of it is on the desk.
        {{kDesk, kTvRight}, {700, 600, 1100, 900}, kDesk, "Display 1, 1024 \xC3\x97 768"},
        // Taller than the television, centre still on it.
        {{kDesk, kTvRight}, {1090, -60, 2190, 840}, kTvRight, "Display 2, 1280 \xC3\x97 720"},
        // The television switched off: nothing shows the setting.
        {{kDesk}, {1100, 40, 2200, 660}, std::nullopt, "On no display"},
        {{}, {0, 0, 100, 100}, std::nullopt, "On no display"},
        // As large as 32 bits allow.
        {{kDesk}, {0, 0, INT32_MAX, INT32_MAX}, kDesk, "Display 1, 1024 \xC3\x97 768"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rect.left << "," << c.rect.top);
        EXPECT_EQ(MonitorOfRect(c.layout, c.rect), c.expected);
        EXPECT_EQ(DisplayOfPosition(c.layout, c.rect), c.display);
    }
}

TEST(MainWindowOpenOriginTest, WhollyOnTheDisplayHoldingMostOfItElseCentredOnThePrimary) {
    const Size window{480, 360};
    struct Case {
        MonitorLayout layout;
        WindowOrigin saved;
        Size size;
        WindowOrigin expected;
    } cases[] = {
        {{kDesk, kTvRight}, {100, 100}, window, {100, 100}},
        {{kDesk, kTvRight}, {1500, 300}, window, {1500, 300}},
        // Straddling: moved onto the display with most of it.
        {{kDesk, kTvRight}, {900, 100}, window, {1024, 100}},
        {{kDesk, kTvRight}, {700, 500}, window, {544, 408}},
        {{kDesk, kTvLeft}, {-1400, 500}, window, {-1280, 360}},
        // The television is gone: centred on the primary, wherever it is listed;
        // with none marked, on the first display; with none at all, at the origin.
        {{kDesk}, {1500, 300}, window, {272, 204}},
        {{kTvRight, kDesk}, {5000, 5000}, window, {272, 204}},
        {{kTvRight}, {5000, 5000}, window, {1424, 180}},
        {{}, {5000, 5000}, window, {0, 0}},
        {{kDesk}, {INT32_MAX, INT32_MAX}, window, {272, 204}},
        // Larger than its display: its top left corner on the display's.
        {{kDesk, kTvRight}, {1100, 10}, {1300, 800}, {1024, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.saved.left << "," << c.saved.top);
        EXPECT_EQ(MainWindowOpenOrigin(c.saved, c.size, c.layout), c.expected);
    }
}

// Centred on a display, as a whole number of pixels from its edges.
TEST(CentredOnTest, HalfTheRoomEachSideTheHalfPixelDroppedTowardTheEdge) {
    const struct {
        Rect area;
        Size size;
        Rect expected;
    } cases[] = {
        {kDesk.area, {300, 200}, {362, 284, 662, 484}},
        {kDesk.area, {301, 201}, {361, 283, 662, 484}},
        {kTvRight.area, {301, 201}, {1513, 259, 1814, 460}},
        {kTvLeft.area, {301, 201}, {-791, 259, -490, 460}},
        // Larger than the display: it overhangs both edges, the half toward the edge.
        {kDesk.area, {1025, 769}, {0, 0, 1025, 769}},
        {kDesk.area, {1027, 771}, {-1, -1, 1026, 770}},
        {kTvLeft.area, {1283, 723}, {-1281, -1, 2, 722}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.area.left << " " << c.size.width);
        EXPECT_EQ(CentredOn(c.area, c.size), c.expected);
    }
}

CWindowSetting Pads(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    CWindowSetting s;
    s.BlankingPadLeft = left;
    s.BlankingPadTop = top;
    s.BlankingPadRight = right;
    s.BlankingPadBottom = bottom;
    return s;
}

TEST(BlankStripsTest, MarginsAndPadsAddUpAroundTheWindow) {
    RecordingReporter reporter;
    COptions options(reporter);
    // Caption 18, frame 4; the window at (100, 50)-(900, 650) on 1024 x 768.
    EXPECT_EQ(ComputeBlankStrips({100, 50, 900, 650}, kDesk.area, BlankingMargins(options, 18, 4),
                                 CWindowSetting{}),
              (BlankStrips{104, 72, 128, 122}));
    // The same window on a television right of the desk monitor, or left of it:
    // each strip is measured from the television's own edges.
    for (const Monitor& tv : {kTvRight, kTvLeft}) {
        const int32_t x = tv.area.left;
        EXPECT_EQ(ComputeBlankStrips({x + 100, 50, x + 900, 650}, tv.area,
                                     BlankingMargins(options, 18, 4), CWindowSetting{}),
                  (BlankStrips{104, 72, 1280 - 900 + 4, 720 - 650 + 4}));
    }
    options.TitleBarMargin = 0;
    options.SideMargin = -7; // any value but -1 is taken as it is
    EXPECT_EQ(ComputeBlankStrips({100, 50, 900, 650}, kDesk.area, BlankingMargins(options, 18, 4),
                                 Pads(1, 2, 3, -4)),
              (BlankStrips{100 - 7 + 1, 50 + 4 + 0 + 2, 1024 - 900 - 7 + 3, 768 - 650 + 4 - 4}));
}

TEST(BlankStripsTest, SumsBeyond32BitsRaiseOverflow) {
    for (CWindowSetting setting : {Pads(INT32_MAX, 0, 0, 0), Pads(0, INT32_MAX, 0, 0),
                                   Pads(0, 0, INT32_MAX, 0), Pads(0, 0, 0, INT32_MAX)}) {
        EXPECT_THROW(ComputeBlankStrips({100, 50, 900, 650}, kDesk.area, {18, 4, 4}, setting),
                     CRuntimeError);
    }
    // A window far off the screen's left still fits: the strip is simply negative.
    EXPECT_EQ(
        ComputeBlankStrips({INT32_MIN + 4, 0, 0, 0}, kDesk.area, {0, 0, -4}, CWindowSetting{}).left,
        INT32_MIN);
}

struct BlankingFixture : ::testing::Test, IBlankingEvents {
    TempDir dir;
    RecordingReporter reporter;
    COptions options{reporter};
    FakeBlankingPlatform platform;
    CTaskbar taskbar{platform.taskbar, dir.File("KIV.taskbar")};
    CBlanking blanking{platform, taskbar, options, *this, reporter};
    std::vector<Rect> menus;
    bool MarkerExists() { return std::filesystem::exists(dir.File("KIV.taskbar")); }

    void BlankingKeyDown(int16_t&, int16_t&) override {}
    void BlankingContextMenu(int32_t screenX, int32_t screenY) override {
        menus.push_back({screenX, screenY, 0, 0});
    }
    Rect Ltwh(size_t strip) { return platform.Strip(strip).ltwh; }
};

// The shell is asked only when the taskbar must change.
TEST_F(BlankingFixture, StripsMoveOnlyWhileOnAndTheTaskbarHidesMeanwhile) {
    blanking.SetBlankingOn(false); // a visible taskbar is left alone
    EXPECT_EQ(platform.taskbar.Primary().shows, 0);
    blanking.SetScreen(kDesk);
    blanking.SetLeftBlankPixels(104);
    EXPECT_EQ(Ltwh(0), (Rect{0, 0, 0, 0}));
    blanking.SetBlankingOn(true);
    EXPECT_FALSE(platform.taskbar.Primary().visible);
    blanking.SetLeftBlankPixels(104);
    blanking.SetTopBlankPixels(72);
    blanking.SetRightBlankPixels(128);
    blanking.SetBottomBlankPixels(122);
    EXPECT_EQ(Ltwh(0), (Rect{0, 0, 104, 768}));
    EXPECT_EQ(Ltwh(1), (Rect{0, 0, 1024, 72}));
    EXPECT_EQ(Ltwh(2), (Rect{896, 0, 128, 768}));
    EXPECT_EQ(Ltwh(3), (Rect{0, 646, 1024, 122}));
    EXPECT_TRUE(platform.Strip(3).visible && platform.Strip(3).onTop);
    blanking.SetBlankingOn(true);
    // Sizes below one become zero; the bottom never goes below the taskbar margin.
    blanking.SetRightBlankPixels(-5);
    EXPECT_EQ(Ltwh(2), (Rect{1024, 0, 0, 768}));
    for (int32_t written : {INT32_MIN, 0, 3}) {
        blanking.SetBottomBlankPixels(written);
        EXPECT_EQ(Ltwh(3), (Rect{0, 765, 1024, 3})) << written;
    }
    blanking.SetBlankingOn(false);
    blanking.SetBlankingOn(false);
    EXPECT_FALSE(platform.Strip(0).visible || platform.Strip(3).onTop);
    EXPECT_TRUE(platform.taskbar.Primary().visible);
    EXPECT_EQ(platform.taskbar.Primary().hides, 1);
    EXPECT_EQ(platform.taskbar.Primary().shows, 1);
    // A hide the shell has not carried out yet is undone all the same.
    platform.taskbar.carriesOut = false;
    blanking.SetBlankingOn(true);
    blanking.SetBlankingOn(false);
    EXPECT_EQ(platform.taskbar.Primary().shows, 2);
}

TEST_F(BlankingFixture, OnATelevisionTheStripsCoverItAndOnlyItsTaskbarHides) {
    platform.taskbar.bars.push_back({{1024, 680, 2304, 720}}); // a taskbar on every display
    blanking.SetScreen(kTvLeft);                               // no taskbar of its own there
    blanking.SetBlankingOn(true);
    EXPECT_TRUE(platform.taskbar.Primary().visible && platform.taskbar.bars[1].visible);
    EXPECT_FALSE(MarkerExists());
    blanking.SetScreen(kTvRight);
    blanking.SetLeftBlankPixels(104);
    blanking.SetTopBlankPixels(72);
    blanking.SetRightBlankPixels(384);
    blanking.SetBottomBlankPixels(74);
    blanking.TaskbarCreated();
    EXPECT_EQ(Ltwh(0), (Rect{1024, 0, 104, 720}));
    EXPECT_EQ(Ltwh(1), (Rect{1024, 0, 1280, 72}));
    EXPECT_EQ(Ltwh(2), (Rect{1920, 0, 384, 720}));
    EXPECT_EQ(Ltwh(3), (Rect{1024, 646, 1280, 74}));
    EXPECT_TRUE(platform.taskbar.Primary().visible);
    EXPECT_FALSE(platform.taskbar.bars[1].visible);
    EXPECT_TRUE(MarkerExists());
    // The setting moves to the desk monitor: its taskbar hides, the television's returns.
    blanking.SetScreen(kDesk);
    blanking.SetBlankingOn(true);
    EXPECT_FALSE(platform.taskbar.Primary().visible);
    EXPECT_TRUE(platform.taskbar.bars[1].visible);
    blanking.SetBlankingOn(false);
    EXPECT_TRUE(platform.taskbar.Primary().visible && platform.taskbar.bars[1].visible);
    EXPECT_EQ(platform.taskbar.bars[1].hides, 1);
    EXPECT_FALSE(MarkerExists());
}

TEST_F(BlankingFixture, ARecreatedTaskbarIsHiddenAgainOnlyWhileOnAndARightClickAsksForTheMenu) {
    blanking.SetScreen(kDesk);
    blanking.TaskbarCreated();
    EXPECT_TRUE(platform.taskbar.Primary().visible);
    blanking.SetBlankingOn(true);
    platform.taskbar.Primary().visible = true; // the shell's new taskbar
    blanking.TaskbarCreated();
    EXPECT_FALSE(platform.taskbar.Primary().visible);
    platform.Strip(3).events->BlankingFormMouseUp(1, 10, 760);
    platform.Strip(3).events->BlankingFormMouseUp(2, 10, 760);
    EXPECT_EQ(menus, (std::vector<Rect>{{10, 760, 0, 0}}));
}

// --- The taskbar and its marker ---------------------------------------------

TEST_F(BlankingFixture, AMarkerLeftByAKilledRunShowsTheTaskbarAtTheNextStartOnce) {
    FakeBlankingPlatform::FakeTaskbar& window = platform.taskbar;
    window.bars.push_back({{1024, 680, 2304, 720}, false});
    window.Primary().visible = false; // hidden by someone else: no marker, nothing to do
    EXPECT_FALSE(taskbar.RestoreAfterUncleanEnd());
    EXPECT_FALSE(window.Primary().visible);
    WriteBytes(dir.File("KIV.taskbar"), "left by a killed run");
    CTaskbar next(window, dir.File("KIV.taskbar"));
    EXPECT_TRUE(next.RestoreAfterUncleanEnd()); // every display's taskbar
    EXPECT_TRUE(window.Primary().visible && window.bars[1].visible);
    EXPECT_FALSE(MarkerExists());
    EXPECT_FALSE(next.RestoreAfterUncleanEnd());
}

// --- A blank window's fade --------------------------------------------------

TEST(BlankWindowStateTest, AFadeRunsTwentySixTicksFromLightGreyToBlackOneAtATime) {
    FakeBlankSurface surface;
    CBlankWindowState state{surface};
    state.Animate();
    state.Animate(); // one fade at a time
    for (int tick = 0; tick < 30; ++tick) {
        state.FadeTimer();
    }
    EXPECT_EQ(surface.fadeStarts, 1);
    ASSERT_EQ(surface.backgrounds.size(), 26u);
    EXPECT_EQ(surface.backgrounds[0], GreyColour(245));
    EXPECT_EQ(surface.backgrounds[25], kBlack);
}

} // namespace
} // namespace kiv
