#pragma once

#include "platform/Geometry.h"

#include <optional>
#include <string>
#include <vector>

namespace kiv {

// One display as the system lays them out: its rectangle on the virtual
// screen (the primary's top left corner is 0,0) and whether it is the primary.
struct Monitor {
    Rect area;
    bool primary = false;

    friend bool operator==(const Monitor&, const Monitor&) = default;
};

// The displays in the system's order; the primary's number is not always 1.
using MonitorLayout = std::vector<Monitor>;

// Held within 32 bits.
Size SizeOf(const Rect& rect);

// The rectangle of a left, top, width and height, its far edges held within 32 bits.
Rect RectOfSize(int32_t left, int32_t top, int32_t width, int32_t height);

// The display that shows `rect`: the one holding its centre, or else the one
// with the largest share of it. Nothing when no display shows any of it
// (a television switched off, or a rectangle beside every display).
std::optional<Monitor> MonitorOfRect(const MonitorLayout& monitors, const Rect& rect);

// The display that holds the largest share of `rect`; nothing when no display
// shows any of it.
std::optional<Monitor> MonitorWithMostOf(const MonitorLayout& monitors, const Rect& rect);

// The primary display; the first one when none says so, and an empty
// rectangle when there are none.
Monitor PrimaryMonitor(const MonitorLayout& monitors);

// The display of `rect` in words, numbered from 1 in the system's order:
// "Display 2, 1280 × 720", or
// "On no display" when none shows it.
std::string DisplayOfPosition(const MonitorLayout& monitors, const Rect& rect);

} // namespace kiv
