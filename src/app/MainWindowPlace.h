#pragma once

#include "platform/Monitors.h"
#include "store/Options.h"

namespace kiv {

// Where the main window opens, given `saved`, the corner it had when KIV last
// closed, and the size it has now: there, moved wholly onto the display that
// holds most of it (top left when it is larger than that display). When no
// display shows any of it (that display is gone) it opens centred on the
// primary display. Without a saved corner the window opens as on the first
// run, and this is not asked.
WindowOrigin MainWindowOpenOrigin(WindowOrigin saved, Size windowSize,
                                  const MonitorLayout& monitors);

} // namespace kiv
