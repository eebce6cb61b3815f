#include "app/MainWindowPlace.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace kiv {

namespace {
// Corner and size as a rectangle, its far edges held within 32 bits.
Rect RectAt(WindowOrigin origin, Size size) {
    auto farEdge = [](int32_t start, int32_t length) {
        return static_cast<int32_t>(std::min<int64_t>(int64_t{start} + std::max(length, 0),
                                                      std::numeric_limits<int32_t>::max()));
    };
    return {origin.left, origin.top, farEdge(origin.left, size.width),
            farEdge(origin.top, size.height)};
}

// The start of a window of `length` moved within [low, high); at `low` when it is longer.
int32_t Within(int64_t start, int32_t length, int32_t low, int32_t high) {
    return static_cast<int32_t>(
        std::max<int64_t>(low, std::min<int64_t>(start, int64_t{high} - length)));
}
} // namespace

WindowOrigin MainWindowOpenOrigin(WindowOrigin saved, Size windowSize,
                                  const MonitorLayout& monitors) {
    const std::optional<Monitor> shown = MonitorWithMostOf(monitors, RectAt(saved, windowSize));
    const Rect area = shown ? shown->area : PrimaryMonitor(monitors).area;
    int64_t left = saved.left;
    int64_t top = saved.top;
    if (!shown) {
        left = area.left + (int64_t{area.right} - area.left - windowSize.width) / 2;
        top = area.top + (int64_t{area.bottom} - area.top - windowSize.height) / 2;
    }
    return {Within(left, windowSize.width, area.left, area.right),
            Within(top, windowSize.height, area.top, area.bottom)};
}

} // namespace kiv
