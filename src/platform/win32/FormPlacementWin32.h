#pragma once

#include "platform/Geometry.h"
#include "platform/win32/Win32.h"

namespace kiv::win32 {

// The rectangle of `window`'s display (the one showing most of it, or the
// nearest one); of the primary display for no window.
Rect DisplayAreaOf(HWND window);
// Centres a form on its owner's display, or on the primary one when it has
// no owner.
void CenterForm(HWND form);
// Centres a form on `area`, a display's rectangle. A form that the move takes
// to a display of another DPI lays itself out anew there and is centred again.
void CenterFormOn(HWND form, const Rect& area);
// Makes a window topmost or not, without moving, sizing or hiding it.
void FormOnTop(HWND form, bool onTop);

} // namespace kiv::win32
