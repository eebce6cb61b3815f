#pragma once

#include "platform/Geometry.h"
#include "platform/win32/Win32.h"
#include "store/Options.h"

#include <functional>
#include <optional>

namespace kiv::win32 {

// The outer rectangle `window` has when it is neither minimized nor hidden.
std::optional<Rect> RestoredWindowRect(HWND window);

// Moves `window` to where `openAt` says for the size it has; centred as on
// the first run when it says nothing.
void PlaceMainWindowAtStart(HWND window,
                            const std::function<std::optional<WindowOrigin>(Size)>& openAt);

} // namespace kiv::win32
