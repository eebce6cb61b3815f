#include "placement/Orbit.h"
#include "util/RuntimeError.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
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
    EXPECT_THROW(StepOrbitAxis(axis, max, 3, 1), CRuntimeError);
    EXPECT_EQ(axis.position, max);
    OrbitAxis back{std::numeric_limits<int32_t>::min(), true};
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
    CWindowSetting setting;
    setting.WindowLeft = 100;
    setting.WindowTop = 50;
    setting.WindowWidth = 640;
    setting.WindowHeight = 480;
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

} // namespace
} // namespace kiv
