// Where KIV's own windows stand: centred on a display, as a whole number of
// pixels from its edges.
#include "platform/FormPlacement.h"

#include <gtest/gtest.h>

namespace kiv {
namespace {

TEST(CentredOnTest, HalfTheRoomEachSideTheHalfPixelDroppedTowardTheEdge) {
    const Rect desk{0, 0, 1024, 768}, tvLeft{-1280, 0, 0, 720};
    const struct {
        Rect area;
        Size size;
        Rect expected;
    } cases[] = {
        {desk, {300, 200}, {362, 284, 662, 484}},
        {desk, {301, 201}, {361, 283, 662, 484}},
        {{1024, 0, 2304, 720}, {301, 201}, {1513, 259, 1814, 460}},
        {tvLeft, {301, 201}, {-791, 259, -490, 460}},
        // Larger than the display: it overhangs both edges, the half toward the edge.
        {desk, {1025, 769}, {0, 0, 1025, 769}},
        {desk, {1027, 771}, {-1, -1, 1026, 770}},
        {tvLeft, {1283, 723}, {-1281, -1, 2, 722}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.area.left << " " << c.size.width);
        EXPECT_EQ(CentredOn(c.area, c.size), c.expected);
    }
}

} // namespace
} // namespace kiv
