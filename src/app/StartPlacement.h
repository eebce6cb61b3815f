#pragma once

#include "platform/Desktop.h"

#include <string>
#include <string_view>

namespace kiv {

// Starting with "/S name", the player is placed as soon as the settings file
// has been read, before the main window is built; the full selection follows
// once the window exists (the caption, the hooks, blanking, the lock) and
// finds the player already where it belongs.

// Reads `settingsFile` quietly (the full load that follows reports its
// faults) and places the window of the setting "/S name" selects, when it
// can be placed that early: exactly one setting of that name (compared
// without regard to case, as the setting list compares) whose window is open
// and answers. One that turns out not to fit the display that shows it (it
// needs the size hook to keep its size) or to be on no display is put back
// where it was.
void PlaceCommandLineSettingEarly(IDesktop& desktop, std::string_view commandLine,
                                  const std::string& settingsFile);

} // namespace kiv
