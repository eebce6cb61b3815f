#include "platform/Monitors.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

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

std::optional<size_t> IndexWithMostOf(const MonitorLayout& monitors, const Rect& rect) {
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

std::optional<size_t> IndexOfRect(const MonitorLayout& monitors, const Rect& rect) {
    const int64_t centreX = (std::int64_t{rect.left} + rect.right) / 2;
    const int64_t centreY = (std::int64_t{rect.top} + rect.bottom) / 2;
    for (size_t i = 0; i < monitors.size(); ++i) {
        if (HoldsPoint(monitors[i].area, centreX, centreY)) {
            return i;
        }
    }
    return IndexWithMostOf(monitors, rect);
}

int32_t Clamped(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}
} // namespace

Rect RectOfSize(int32_t left, int32_t top, int32_t width, int32_t height) {
    return {left, top, Clamped(std::int64_t{left} + width), Clamped(std::int64_t{top} + height)};
}

Size SizeOf(const Rect& rect) {
    return {Clamped(std::int64_t{rect.right} - rect.left),
            Clamped(std::int64_t{rect.bottom} - rect.top)};
}

std::optional<Monitor> MonitorOfRect(const MonitorLayout& monitors, const Rect& rect) {
    if (std::optional<size_t> index = IndexOfRect(monitors, rect)) {
        return monitors[*index];
    }
    return std::nullopt;
}

std::optional<Monitor> MonitorWithMostOf(const MonitorLayout& monitors, const Rect& rect) {
    if (std::optional<size_t> index = IndexWithMostOf(monitors, rect)) {
        return monitors[*index];
    }
    return std::nullopt;
}

Monitor PrimaryMonitor(const MonitorLayout& monitors) {
    auto primary = std::find_if(monitors.begin(), monitors.end(),
                                [](const Monitor& monitor) { return monitor.primary; });
    if (primary != monitors.end()) {
        return *primary;
    }
    return monitors.empty() ? Monitor{} : monitors.front();
}

std::string DisplayOfPosition(const MonitorLayout& monitors, const Rect& rect) {
    std::optional<size_t> index = IndexOfRect(monitors, rect);
    if (!index) {
        return "On no display";
    }
    const Size size = SizeOf(monitors[*index].area);
    return "Display " + std::to_string(*index + 1) + ", " + std::to_string(size.width) +
           " \xC3\x97 " + std::to_string(size.height); // UTF-8
}

} // namespace kiv
