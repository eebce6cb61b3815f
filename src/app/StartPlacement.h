#pragma once

#include "platform/Desktop.h"
#include "platform/Monitors.h"
#include "store/WindowSetting.h"
#include "store/WindowSettings.h"

#include <optional>
#include <string>
#include <string_view>

namespace kiv {

// Starting with "/S name", the player is placed as soon as the settings file
// has been read, before the main window is built; the full selection follows
// once the window exists (the caption, the hooks, blanking, the lock) and
// finds the player already where it belongs.

// The setting "/S name" selects, when it can be placed that early: exactly
// one setting of that name (compared without regard to case, as the setting
// list compares), whose window fits the display that shows it so that it
// needs no size hook to stay the size it is given.
std::optional<CWindowSetting> SettingToPlaceAtStart(std::string_view commandLine,
                                                    const CWindowSettings& settings,
                                                    const MonitorLayout& monitors);

// Reads `settingsFile` quietly (the full load that follows reports its
// faults) and places the window of the setting above, if it is open.
void PlaceCommandLineSettingEarly(IDesktop& desktop, std::string_view commandLine,
                                  const std::string& settingsFile);

} // namespace kiv
