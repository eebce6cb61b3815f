#include "placement/InitialSettings.h"

#include "util/Numbers.h"

namespace kiv {

namespace {
CWindowSetting Placeholder(const char* name, const char* hotKey, int32_t left, int32_t top,
                           int32_t width, int32_t height) {
    CWindowSetting setting;
    setting.SettingName = name;
    setting.ApplicationName = "Your Application";
    setting.HotKey = hotKey;
    setting.WindowLeft = left;
    setting.WindowTop = top;
    setting.WindowWidth = width;
    setting.WindowHeight = height;
    return setting;
}
} // namespace

std::array<CWindowSetting, 3> InitialSettings(int32_t screenWidth, int32_t screenHeight) {
    const double w = screenWidth;
    const double h = screenHeight;
    const int32_t letterboxHeight = RoundToInt32(h * 1.33);
    const int32_t letterboxTop = -RoundToInt32((letterboxHeight - h) / 2);
    const int32_t squareLeft = RoundToInt32((w - h) / 2);
    return {
        Placeholder("Anamorphic", "10112", 0, 0, screenWidth, screenHeight),
        Placeholder("Letterbox", "10113", 0, letterboxTop, screenWidth, letterboxHeight),
        Placeholder("4x3", "10114", squareLeft, 0, screenHeight, screenHeight),
    };
}

} // namespace kiv
