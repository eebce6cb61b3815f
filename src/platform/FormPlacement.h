#pragma once

#include "platform/Geometry.h"

namespace kiv {

// Where a window of `size` stands centred on `area` (a display's rectangle):
// each edge (area - size) / 2 from the area's, the half pixel dropped toward
// the area's edge as a whole number drops it. A window larger than the area
// overhangs it evenly.
Rect CentredOn(const Rect& area, Size size);

} // namespace kiv
