#pragma once

#include "platform/win32/Win32.h"

#include <string_view>

namespace kiv::win32 {

// The message the tray icon's mouse events reach its window with: wParam the
// icon's identifier, lParam the mouse message (516 for the right button down).
inline constexpr UINT kTrayIconMessage = WM_APP + 0x4B1;

// Adds the icon with the tip (trailing blanks removed, at most 63 characters);
// true when the shell took it.
bool AddTrayIcon(HWND window, HICON icon, std::string_view tip, UINT id);
// Removes the icon; true when the shell had it.
bool DeleteTrayIcon(HWND window, UINT id);

// The main window's one icon in the notification area, removed with the object.
class CTrayIcon {
public:
    CTrayIcon() = default;
    ~CTrayIcon() { Delete(); }
    CTrayIcon(const CTrayIcon&) = delete;
    CTrayIcon& operator=(const CTrayIcon&) = delete;

    // Adds the window's small icon (its large one, or the system's, when it
    // has none); called again after the shell made a new notification area.
    bool Add(HWND window, std::string_view tip);
    bool Delete();

private:
    HWND mWindow = nullptr;
};

} // namespace kiv::win32
