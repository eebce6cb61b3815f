#pragma once

#include "blanking/BlankingPlatform.h"

#include <string>
#include <string_view>

namespace kiv {

// The marker beside kiv.exe that says KIV has hidden the taskbar. Nothing runs
// when a process is killed, so the next start reads it and shows the taskbar.
inline constexpr std::string_view kTaskbarMarkerName = "KIV.taskbar";

// The taskbar routines: whether it is visible, hiding and showing it. Hiding
// writes the marker first and showing removes it last, so at every moment a
// hidden taskbar has a marker. An object that hid the taskbar shows it again
// when it is destroyed: no way out of KIV leaves the user without one. The
// window is asked to hide or show only when that changes something.
class CTaskbar {
public:
    CTaskbar(ITaskbarWindow& window, std::string markerPath)
        : mWindow(window), mMarkerPath(std::move(markerPath)) {}
    ~CTaskbar();
    CTaskbar(const CTaskbar&) = delete;
    CTaskbar& operator=(const CTaskbar&) = delete;

    bool IsTaskBarVisible();
    void HideTaskbar();
    void UnhideTaskbar();

    // At start-up: a marker left by a run that ended without showing the
    // taskbar again shows it now. True when there was one.
    bool RestoreAfterUncleanEnd();

private:
    ITaskbarWindow& mWindow;
    std::string mMarkerPath;
    bool mHidden = false;
};

} // namespace kiv
