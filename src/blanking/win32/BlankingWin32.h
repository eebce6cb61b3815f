#pragma once

#include "blanking/BlankingPlatform.h"
#include "platform/win32/Win32.h"

namespace kiv::win32 {

// The shell's taskbars, found anew on every call: the primary display's
// ("Shell_traywnd" with an empty title) and those on the other displays
// ("Shell_SecondaryTrayWnd").
class CWin32Taskbar : public ITaskbarWindows {
public:
    // The primary display's taskbar; none when the shell has none.
    static HWND Find();
    std::vector<Bar> Taskbars() override;
    bool IsVisible(WindowHandle bar) override;
    void Hide(WindowHandle bar) override;
    void Show(WindowHandle bar) override;
};

// Blank windows (frmBlank) and the system's metrics.
class CWin32BlankingPlatform : public IBlankingPlatform {
public:
    std::unique_ptr<IBlankWindow> CreateBlankWindow(IBlankWindowEvents& events) override;
    int32_t CaptionHeight() override;
    int32_t FrameHeight() override;
    ITaskbarWindows& Taskbar() override { return mTaskbar; }

private:
    CWin32Taskbar mTaskbar;
};

// For the last moments of a process that is going down with an unhandled
// exception: shows the taskbar if it is hidden and removes KIV's marker at
// `markerPath`. Allocates nothing and never throws.
void ShowTaskbarAtCrash(const char* markerPath) noexcept;

} // namespace kiv::win32
