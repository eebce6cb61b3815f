#pragma once

#include "platform/Desktop.h"
#include "platform/Monitors.h"
#include "store/WindowSetting.h"

#include <optional>

#include <string_view>

namespace kiv {

inline constexpr std::string_view kClassLocatorPrefix = "Class:";

// The top-level window a setting's locator names: "Class:" + a class name, or
// a whole caption; "" names none. 0 when no such window is open.
WindowHandle GetAppWindow(IDesktop& desktop, std::string_view locator);

// The setting's rectangle, its far edges held within 32 bits.
Rect SettingRect(const CWindowSetting& setting);
// The display that shows the setting's rectangle; nothing when none does.
std::optional<Monitor> SettingMonitor(const MonitorLayout& monitors, const CWindowSetting& setting);

// The display that shows `setting`'s player: the one showing its window when
// the window is open, else the one showing the setting's rectangle; nothing
// when no display shows it.
std::optional<Monitor> PlayerMonitor(IDesktop& desktop, const CWindowSetting& setting);

} // namespace kiv
