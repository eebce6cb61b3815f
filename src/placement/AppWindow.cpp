#include "placement/AppWindow.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace kiv {

WindowHandle GetAppWindow(IDesktop& desktop, std::string_view locator) {
    if (locator.empty()) {
        return 0;
    }
    // The prefix is case-sensitive: "class:Player" is a caption.
    if (locator.starts_with(kClassLocatorPrefix)) {
        return desktop.FindTopLevelWindow(std::string(locator.substr(kClassLocatorPrefix.size())),
                                          std::nullopt);
    }
    return desktop.FindTopLevelWindow(std::nullopt, std::string(locator));
}

namespace {
// A far edge past the 32-bit range stops at its end.
int32_t FarEdge(int32_t start, int32_t extent) {
    const int64_t edge = int64_t{start} + extent;
    return static_cast<int32_t>(std::clamp<int64_t>(edge, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}
} // namespace

std::optional<Monitor> PlayerMonitor(IDesktop& desktop, const CWindowSetting& setting) {
    std::optional<Rect> shown;
    if (WindowHandle window = GetAppWindow(desktop, setting.WindowClass)) {
        shown = desktop.WindowRect(window);
    }
    const Rect where = shown.value_or(Rect{setting.WindowLeft, setting.WindowTop,
                                           FarEdge(setting.WindowLeft, setting.WindowWidth),
                                           FarEdge(setting.WindowTop, setting.WindowHeight)});
    return MonitorOfRect(desktop.Monitors(), where);
}

} // namespace kiv
