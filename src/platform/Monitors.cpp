#include "platform/Monitors.h"

#include <algorithm>
#include <cstdint>

namespace kiv {

namespace {
// 64-bit: a setting may be as large as 32 bits allow.
int64_t OverlapArea(const Rect& a, const Rect& b) {
    const int64_t width = std::int64_t{std::min(a.right, b.right)} - std::max(a.left, b.left);
    const int64_t height = std::int64_t{std::min(a.bottom, b.bottom)} - std::max(a.top, b.top);
    return width > 0 && height > 0 ? width * height : 0;
}

bool HoldsPoint(const Rect& area, int64_t x, int64_t y) {
    return x >= area.left && x < area.right && y >= area.top && y < area.bottom;
}

std::optional<size_t> IndexOfRect(const MonitorLayout& monitors, const Rect& rect) {
    const int64_t centreX = (std::int64_t{rect.left} + rect.right) / 2;
    const int64_t centreY = (std::int64_t{rect.top} + rect.bottom) / 2;
    for (size_t i = 0; i < monitors.size(); ++i) {
        if (HoldsPoint(monitors[i].area, centreX, centreY)) {
            return i;
        }
    }
    std::optional<size_t> best;
    int64_t bestArea = 0;
    for (size_t i = 0; i < monitors.size(); ++i) {
        const int64_t area = OverlapArea(monitors[i].area, rect);
        if (area > bestArea) {
            best = i;
            bestArea = area;
        }
    }
    return best;
}
} // namespace

bool RectsOverlap(const Rect& a, const Rect& b) {
    return OverlapArea(a, b) > 0;
}

std::optional<Monitor> MonitorOfRect(const MonitorLayout& monitors, const Rect& rect) {
    if (std::optional<size_t> index = IndexOfRect(monitors, rect)) {
        return monitors[*index];
    }
    return std::nullopt;
}

std::optional<Monitor> MonitorWithMostOf(const MonitorLayout& monitors, const Rect& rect) {
    std::optional<Monitor> best;
    int64_t bestArea = 0;
    for (const Monitor& monitor : monitors) {
        if (const int64_t area = OverlapArea(monitor.area, rect); area > bestArea) {
            best = monitor;
            bestArea = area;
        }
    }
    return best;
}

Monitor PrimaryMonitor(const MonitorLayout& monitors) {
    auto primary = std::find_if(monitors.begin(), monitors.end(),
                                [](const Monitor& monitor) { return monitor.primary; });
    if (primary != monitors.end()) {
        return *primary;
    }
    return monitors.empty() ? Monitor{} : monitors.front();
}

int DisplayNumberOfRect(const MonitorLayout& monitors, const Rect& rect) {
    std::optional<size_t> index = IndexOfRect(monitors, rect);
    return index ? static_cast<int>(*index) + 1 : 0;
}

} // namespace kiv
