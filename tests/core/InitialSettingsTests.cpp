#include "app/InitialSettings.h"

#include <gtest/gtest.h>

namespace kiv {
namespace {

struct Geometry {
    int32_t left, top, width, height;
};

Geometry Of(const CWindowSetting& s) {
    return {s.WindowLeft, s.WindowTop, s.WindowWidth, s.WindowHeight};
}

void ExpectGeometry(const CWindowSetting& s, Geometry expected) {
    Geometry actual = Of(s);
    EXPECT_EQ(actual.left, expected.left) << s.SettingName;
    EXPECT_EQ(actual.top, expected.top) << s.SettingName;
    EXPECT_EQ(actual.width, expected.width) << s.SettingName;
    EXPECT_EQ(actual.height, expected.height) << s.SettingName;
}

TEST(InitialSettings, NamesKeysAndPlaceholdersInInsertionOrder) {
    auto settings = InitialSettings(1024, 768);
    const char* names[] = {"Anamorphic", "Letterbox", "4x3"};
    const char* keys[] = {"10112", "10113", "10114"};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(settings[i].SettingName, names[i]);
        EXPECT_EQ(settings[i].HotKey, keys[i]);
        EXPECT_EQ(settings[i].ApplicationName, "Your Application");
        EXPECT_EQ(settings[i].WindowClass, "");
        EXPECT_EQ(settings[i].BlankingOn, 0);
        EXPECT_EQ(settings[i].LockPosition, 0);
        EXPECT_EQ(settings[i].OrbitInterval, 0);
    }
}

TEST(InitialSettings, GeometryForCommonScreens) {
    auto xga = InitialSettings(1024, 768);
    ExpectGeometry(xga[0], {0, 0, 1024, 768});
    ExpectGeometry(xga[1], {0, -126, 1024, 1021});
    ExpectGeometry(xga[2], {128, 0, 768, 768});

    // 1080 × 1.33 = 1436.4 -> 1436; (1436 - 1080) / 2 = 178.
    auto fullHd = InitialSettings(1920, 1080);
    ExpectGeometry(fullHd[1], {0, -178, 1920, 1436});
    ExpectGeometry(fullHd[2], {420, 0, 1080, 1080});

    // 600 × 1.33 = 798; (798 - 600) / 2 = 99. (1001 - 600) / 2 = 200.5 -> 200.
    ExpectGeometry(InitialSettings(800, 600)[1], {0, -99, 800, 798});
    ExpectGeometry(InitialSettings(1001, 600)[2], {200, 0, 600, 600});
}

} // namespace
} // namespace kiv
