#pragma once

#include "blanking/BlankingPlatform.h"
#include "platform/Monitors.h"

#include <string>
#include <string_view>
#include <vector>

namespace kiv {

// The marker beside kiv.exe that says KIV has hidden the taskbar. Nothing runs
// when a process is killed, so the next start reads it and shows the taskbar.
inline constexpr std::string_view kTaskbarMarkerName = "KIV.taskbar";

// The taskbar routines: whether it is visible, hiding and showing it. Only the
// taskbar on the blanked display is hidden. Hiding writes the marker first and
// showing removes it last, so at every moment a hidden taskbar has a marker.
// An object that hid a taskbar shows it again when it is destroyed: no way out
// of KIV leaves the user without one. A taskbar is asked to hide or show only
// when that changes something.
class CTaskbar {
public:
    CTaskbar(ITaskbarWindows& windows, std::string markerPath)
        : mWindows(windows), mMarkerPath(std::move(markerPath)) {}
    ~CTaskbar();
    CTaskbar(const CTaskbar&) = delete;
    CTaskbar& operator=(const CTaskbar&) = delete;

    // The primary display's taskbar shows and KIV has hidden none.
    bool IsTaskBarVisible();
    // Hides the taskbars on the display `monitor` and shows again any KIV hid
    // on another display.
    void HideTaskbar(const Monitor& monitor);
    // Shows every taskbar KIV hid; when it hid none, the primary display's.
    void UnhideTaskbar();

    // At start-up: a marker left by a run that ended without showing the
    // taskbars again shows them all now. True when there was one.
    bool RestoreAfterUncleanEnd();

private:
    bool Hid(WindowHandle bar) const;

    ITaskbarWindows& mWindows;
    std::string mMarkerPath;
    std::vector<WindowHandle> mHidden;
};

} // namespace kiv
