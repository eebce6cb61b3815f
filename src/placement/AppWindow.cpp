#include "placement/AppWindow.h"

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

Rect SettingRect(const CWindowSetting& setting) {
    return RectOfSize(setting.WindowLeft, setting.WindowTop, setting.WindowWidth,
                      setting.WindowHeight);
}

std::optional<Monitor> SettingMonitor(const MonitorLayout& monitors,
                                      const CWindowSetting& setting) {
    return MonitorOfRect(monitors, SettingRect(setting));
}

std::optional<Monitor> PlayerMonitor(IDesktop& desktop, const CWindowSetting& setting) {
    std::optional<Rect> shown;
    if (WindowHandle window = GetAppWindow(desktop, setting.WindowClass)) {
        shown = desktop.WindowRect(window);
    }
    return MonitorOfRect(desktop.Monitors(), shown.value_or(SettingRect(setting)));
}

} // namespace kiv
