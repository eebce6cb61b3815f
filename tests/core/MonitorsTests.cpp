// The displays: which one shows a rectangle, and where KIV's own windows stand
// on them.
#include "app/MainWindowPlace.h"
#include "platform/FormPlacement.h"
#include "platform/Monitors.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace kiv {
namespace {

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

} // namespace
} // namespace kiv
