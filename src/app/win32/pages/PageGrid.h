#pragma once

namespace kiv::win32 {

// The grid the Orbiting and Blanking pages share, so their check boxes and
// WindowPos controls line up when the user switches between them (in
// device-independent pixels).
namespace page_grid {
constexpr int kMargin = 12;
constexpr int kRowHeight = 23;
constexpr int kColumn = 190;
constexpr int kWindowPosWidth = 170;
} // namespace page_grid

} // namespace kiv::win32
