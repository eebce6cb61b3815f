#pragma once

#include "platform/Geometry.h"
#include "platform/Monitors.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kiv {

// A top-level window as the desktop lists it.
struct TopLevelWindow {
    WindowHandle handle = 0;
    std::string caption;
    std::string className;
    bool visible = false;
    // Owned by another window, as a dialog box is.
    bool owned = false;
};

// What the program asks of the desktop about other programs' windows.
class IDesktop {
public:
    virtual ~IDesktop() = default;

    // The front-most top-level window whose class name (when given) and
    // caption (when given) equal these, letters compared without regard to
    // case; 0 when there is none.
    virtual WindowHandle FindTopLevelWindow(const std::optional<std::string>& className,
                                            const std::optional<std::string>& caption) = 0;
    // Moves and sizes a window in one step, repainting it. False when the
    // system refused (a program running with more rights than KIV's).
    virtual bool MoveWindow(WindowHandle window, int32_t left, int32_t top, int32_t width,
                            int32_t height) = 0;
    // Whether the window's program takes a message within a short time. A
    // move waits for the window's program, so one that is stopped or busy
    // would hold KIV until it runs again. A window of KIV's own thread always
    // answers.
    virtual bool WindowAnswers(WindowHandle window) = 0;
    // The window's outer rectangle; nothing when it cannot be read.
    virtual std::optional<Rect> WindowRect(WindowHandle window) = 0;
    virtual bool IsWindow(WindowHandle window) = 0;
    // The thread that owns the window; 0 when it cannot be had.
    virtual uint32_t WindowThreadId(WindowHandle window) = 0;
    virtual Size PrimaryScreenSize() = 0;
    // The displays as they are laid out now.
    virtual MonitorLayout Monitors() = 0;
    // Makes the window the foreground window, from whichever program has the
    // focus now, and shows it (restored when minimized). True when it became
    // the foreground window.
    virtual bool ForceForegroundWindow(WindowHandle window) = 0;
    // Every top-level window, front to back.
    virtual std::vector<TopLevelWindow> TopLevelWindows() = 0;
};

// Tells when the displays' layout changed since it last looked.
class CDisplayWatch {
public:
    explicit CDisplayWatch(IDesktop& desktop) : mDesktop(desktop), mLayout(desktop.Monitors()) {}
    bool LayoutChanged() {
        MonitorLayout now = mDesktop.Monitors();
        if (now == mLayout) {
            return false;
        }
        mLayout = std::move(now);
        return true;
    }

private:
    IDesktop& mDesktop;
    MonitorLayout mLayout;
};

} // namespace kiv
