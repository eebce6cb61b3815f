#include "platform/win32/FormPlacementWin32.h"

#include "platform/FormPlacement.h"

namespace kiv::win32 {

namespace {
bool CentreOnce(HWND form, const Rect& area) {
    RECT rect{};
    if (!::GetWindowRect(form, &rect)) {
        return false;
    }
    const Rect centred = CentredOn(area, {rect.right - rect.left, rect.bottom - rect.top});
    return ::SetWindowPos(form, nullptr, centred.left, centred.top, 0, 0,
                          SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE) != FALSE;
}
} // namespace

Rect DisplayAreaOf(HWND window) {
    HMONITOR monitor = window != nullptr ? ::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST)
                                         : ::MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY);
    // The whole display, not its work area: a form stands in the same place
    // whether or not a taskbar takes part of it.
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (monitor == nullptr || !::GetMonitorInfoA(monitor, &info)) {
        return {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    }
    return {info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
}

void CenterForm(HWND form) {
    CenterFormOn(form, DisplayAreaOf(::GetWindow(form, GW_OWNER)));
}

void CenterFormOn(HWND form, const Rect& area) {
    const UINT dpi = ::GetDpiForWindow(form);
    // The form's answer to WM_DPICHANGED changed its size: centred anew.
    if (CentreOnce(form, area) && ::GetDpiForWindow(form) != dpi) {
        CentreOnce(form, area);
    }
}

void FormOnTop(HWND form, bool onTop) {
    ::SetWindowPos(form, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE);
}

} // namespace kiv::win32
