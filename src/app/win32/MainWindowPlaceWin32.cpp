#include "app/win32/MainWindowPlaceWin32.h"

#include "platform/Monitors.h"
#include "platform/win32/FormPlacementWin32.h"

namespace kiv::win32 {

namespace {
void MoveTo(HWND window, WindowOrigin origin) {
    ::SetWindowPos(window, nullptr, origin.left, origin.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
} // namespace

std::optional<Rect> RestoredWindowRect(HWND window) {
    RECT outer{};
    if (!::IsIconic(window)) {
        if (!::GetWindowRect(window, &outer)) {
            return std::nullopt;
        }
        return Rect{outer.left, outer.top, outer.right, outer.bottom};
    }
    // Minimized, the place it comes back to is in workspace coordinates: from
    // the top left corner of its display's work area.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!::GetWindowPlacement(window, &placement)) {
        return std::nullopt;
    }
    outer = placement.rcNormalPosition;
    MONITORINFO display{};
    display.cbSize = sizeof display;
    if (::GetMonitorInfoW(::MonitorFromRect(&outer, MONITOR_DEFAULTTONEAREST), &display)) {
        ::OffsetRect(&outer, display.rcWork.left - display.rcMonitor.left,
                     display.rcWork.top - display.rcMonitor.top);
    }
    return Rect{outer.left, outer.top, outer.right, outer.bottom};
}

void PlaceMainWindowAtStart(HWND window,
                            const std::function<std::optional<WindowOrigin>(Size)>& openAt) {
    const std::optional<Rect> created = RestoredWindowRect(window);
    const std::optional<WindowOrigin> origin = created ? openAt(SizeOf(*created)) : std::nullopt;
    if (!origin) {
        CenterForm(window);
        return;
    }
    MoveTo(window, *origin);
    // Arriving on a display of another scale, the window took that display's
    // size (WM_DPICHANGED), which may no longer fit where it stands.
    const std::optional<Rect> arrived = RestoredWindowRect(window);
    if (arrived && SizeOf(*arrived) != SizeOf(*created)) {
        if (const std::optional<WindowOrigin> again = openAt(SizeOf(*arrived))) {
            MoveTo(window, *again);
        }
    }
}

} // namespace kiv::win32
