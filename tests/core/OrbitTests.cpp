#include "placement/Orbit.h"
#include "util/RuntimeError.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace kiv {
namespace {

// The positions an axis takes over `steps` steps from `origin`.
std::vector<int32_t> Positions(int32_t origin, int32_t range, int32_t increment, int steps) {
    OrbitAxis axis{origin, false};
    std::vector<int32_t> positions;
    for (int i = 0; i < steps; ++i) {
        StepOrbitAxis(axis, origin, range, increment);
        positions.push_back(axis.position);
    }
    return positions;
}

TEST(OrbitAxisTest, RangeThreeIncrementOneZigzagsAndSpendsAStepOnEachTurn) {
    EXPECT_EQ(Positions(100, 3, 1, 12),
              (std::vector<int32_t>{101, 102, 103, 103, 102, 101, 100, 99, 98, 97, 97, 98}));
}

TEST(OrbitAxisTest, RangeThreeIncrementTwoTurnsBeforeLeavingTheRange) {
    EXPECT_EQ(Positions(100, 3, 2, 6), (std::vector<int32_t>{102, 102, 100, 98, 98, 100}));
}

TEST(OrbitAxisTest, RangeZeroNeverMovesOrTurns) {
    OrbitAxis axis{100, false};
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(StepOrbitAxis(axis, 100, 0, 7).has_value());
    }
    EXPECT_EQ(axis.position, 100);
    EXPECT_FALSE(axis.movingBack);
}

TEST(OrbitAxisTest, IncrementZeroNeverMovesAndNeverTurns) {
    OrbitAxis axis{100, false};
    for (int i = 0; i < 5; ++i) {
        std::optional<int32_t> moved = StepOrbitAxis(axis, 100, 3, 0);
        ASSERT_TRUE(moved.has_value());
        EXPECT_EQ(*moved, 0);
    }
    EXPECT_EQ(axis.position, 100);
    EXPECT_FALSE(axis.movingBack);
}

TEST(OrbitAxisTest, TheDistanceMovedCarriesTheDirection) {
    OrbitAxis axis{100, false};
    EXPECT_EQ(StepOrbitAxis(axis, 100, 3, 2), 2);
    EXPECT_EQ(StepOrbitAxis(axis, 100, 3, 2), std::nullopt); // turn
    EXPECT_TRUE(axis.movingBack);
    EXPECT_EQ(StepOrbitAxis(axis, 100, 3, 2), -2);
}

TEST(OrbitAxisTest, ANegativeRangeTurnsAtOnceBothWays) {
    OrbitAxis axis{100, false};
    // 101 > 100 + (-3): a turn; then 99 < 100 - (-3): a turn again.
    EXPECT_EQ(StepOrbitAxis(axis, 100, -3, 1), std::nullopt);
    EXPECT_EQ(StepOrbitAxis(axis, 100, -3, 1), std::nullopt);
    EXPECT_EQ(axis.position, 100);
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

TEST(OrbitCountTest, IntervalZeroStepsEverySecondAndOneEveryOther) {
    COrbit orbit;
    orbit.Restart(0, 0);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(orbit.CountSecond(0));
    }
    orbit.Restart(0, 0);
    std::vector<bool> due;
    for (int i = 0; i < 6; ++i) {
        due.push_back(orbit.CountSecond(1));
    }
    EXPECT_EQ(due, (std::vector<bool>{false, true, false, true, false, true}));
    orbit.Restart(0, 0);
    int steps = 0;
    for (int i = 0; i < 12; ++i) {
        steps += orbit.CountSecond(5) ? 1 : 0;
    }
    EXPECT_EQ(steps, 2);
}

TEST(OrbitCountTest, RestartKeepsTheDirections) {
    COrbit orbit;
    orbit.Restart(100, 50);
    orbit.Horizontal().movingBack = true;
    orbit.Restart(7, 8);
    EXPECT_EQ(orbit.Horizontal().position, 7);
    EXPECT_EQ(orbit.Vertical().position, 8);
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
