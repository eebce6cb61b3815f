#include "placement/InitialSettings.h"

#include <gtest/gtest.h>

namespace kiv {
namespace {

TEST(InitialSettings, GeometryRoundsHalvesToEvenOnEveryScreen) {
    // 1080 x 1.33 = 1436.4 -> 1436, 600 x 1.33 = 798; (1001 - 600) / 2 = 200.5 -> 200.
    const struct {
        int32_t screenWidth, screenHeight;
        size_t setting;
        int32_t left, top, width, height;
    } cases[] = {{1920, 1080, 1, 0, -178, 1920, 1436},
                 {1920, 1080, 2, 420, 0, 1080, 1080},
                 {800, 600, 1, 0, -99, 800, 798},
                 {1001, 600, 2, 200, 0, 600, 600}};
    for (const auto& c : cases) {
        const CWindowSetting s = InitialSettings(c.screenWidth, c.screenHeight).at(c.setting);
        SCOPED_TRACE(testing::Message()
                     << c.screenWidth << "x" << c.screenHeight << " " << s.SettingName);
        EXPECT_EQ(s.WindowLeft, c.left);
        EXPECT_EQ(s.WindowTop, c.top);
        EXPECT_EQ(s.WindowWidth, c.width);
        EXPECT_EQ(s.WindowHeight, c.height);
    }
}

} // namespace
} // namespace kiv
