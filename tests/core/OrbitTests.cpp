#include "placement/Orbit.h"
#include "util/RuntimeError.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace kiv {
namespace {

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
    const int32_t max = std::numeric_limits<int32_t>::max();
    OrbitAxis axis{max, false};
    try {
        StepOrbitAxis(axis, max, 3, 1);
        ADD_FAILURE() << "no overflow";
    } catch (const CRuntimeError& error) {
        EXPECT_EQ(error.Number(), ErrorNumber::Overflow);
    }
    EXPECT_EQ(axis.position, max);
    OrbitAxis back{std::numeric_limits<int32_t>::min(), true};
    EXPECT_THROW(StepOrbitAxis(back, 0, 3, 1), CRuntimeError);
}

TEST(OrbitCountTest, AStepIsDueEveryIntervalPlusOneSecondsAndRestartKeepsDirections) {
    for (const auto& [interval, steps] : {std::pair{0, 12}, {1, 6}, {5, 2}}) {
        COrbit orbit;
        orbit.Restart(0, 0);
        int due = 0;
        for (int second = 0; second < 12; ++second) {
            due += orbit.CountSecond(interval) ? 1 : 0;
        }
        EXPECT_EQ(due, steps) << interval;
    }
    COrbit orbit;
    orbit.Horizontal().movingBack = true;
    orbit.Restart(7, 8);
    EXPECT_EQ(orbit.Horizontal().position, 7);
    EXPECT_TRUE(orbit.Horizontal().movingBack);
}

TEST(OrbitTestSequence, ShowsTheFourExtremesThenTheSettingAndEnds) {
    CWindowSetting setting;
    setting.WindowLeft = 100;
    setting.WindowTop = 50;
    setting.WindowWidth = 640;
    setting.WindowHeight = 480;
    setting.OrbitRangeHorizontal = 5;
    setting.OrbitRangeVertical = 3;
    COrbit orbit;
    orbit.StartTest();
    std::vector<OrbitRect> rects;
    std::vector<bool> last;
    for (int i = 0; i < 6; ++i) {
        COrbit::TestStep step = orbit.NextTestStep(setting);
        rects.push_back(step.rect);
        last.push_back(step.last);
    }
    EXPECT_EQ(rects, (std::vector<OrbitRect>{{95, 50, 640, 480},
                                             {100, 47, 640, 480},
                                             {105, 50, 640, 480},
                                             {100, 53, 640, 480},
                                             {100, 50, 640, 480},
                                             {100, 50, 640, 480}}));
    EXPECT_EQ(last, (std::vector<bool>{false, false, false, false, true, true}));
    orbit.StartTest();
    EXPECT_FALSE(orbit.NextTestStep(setting).last);
}

} // namespace
} // namespace kiv
