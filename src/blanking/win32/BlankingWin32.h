#pragma once

#include "blanking/BlankingPlatform.h"
#include "platform/win32/Win32.h"

namespace kiv::win32 {

// The shell's taskbar, found anew on every call ("Shell_traywnd" with an
// empty title); when there is none the calls do nothing.
class CWin32Taskbar : public ITaskbarWindow {
public:
    static HWND Find();
    bool IsVisible() override;
    void Hide() override;
    void Show() override;
};

// Blank windows (frmBlank) and the system's metrics.
class CWin32BlankingPlatform : public IBlankingPlatform {
public:
    std::unique_ptr<IBlankWindow> CreateBlankWindow(IBlankWindowEvents& events) override;
    Size ScreenSize() override;
    int32_t CaptionHeight() override;
    int32_t FrameHeight() override;
    ITaskbarWindow& Taskbar() override { return mTaskbar; }

private:
    CWin32Taskbar mTaskbar;
};

// For the last moments of a process that is going down with an unhandled
// exception: shows the taskbar if it is hidden and removes KIV's marker at
// `markerPath`. Allocates nothing and never throws.
void ShowTaskbarAtCrash(const char* markerPath) noexcept;

} // namespace kiv::win32
