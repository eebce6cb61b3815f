#include "platform/FormPlacement.h"

#include <cstdint>

namespace kiv {

namespace {
// 64-bit: the difference of two 32-bit extents may not fit in 32 bits.
int32_t CentredEdge(int32_t areaStart, int32_t areaEnd, int32_t extent) {
    const int64_t room = int64_t{areaEnd} - areaStart - extent;
    return static_cast<int32_t>(areaStart + room / 2);
}
} // namespace

Rect CentredOn(const Rect& area, Size size) {
    const int32_t left = CentredEdge(area.left, area.right, size.width);
    const int32_t top = CentredEdge(area.top, area.bottom, size.height);
    return {left, top, static_cast<int32_t>(int64_t{left} + size.width),
            static_cast<int32_t>(int64_t{top} + size.height)};
}

} // namespace kiv
