#include "blanking/win32/BlankingWin32.h"

#include "blanking/win32/frmBlank.h"
#include "util/DebugLog.h"
#include "util/FileSystem.h"

namespace kiv::win32 {

namespace {
// Asked, not waited for: a shell that does not answer must not hold KIV.
constexpr UINT kTaskbarFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS;
} // namespace

HWND CWin32Taskbar::Find() {
    return ::FindWindowA("Shell_traywnd", "");
}

bool CWin32Taskbar::IsVisible() {
    return ::IsWindowVisible(Find()) != FALSE;
}

void CWin32Taskbar::Hide() {
    if (!::SetWindowPos(Find(), nullptr, 0, 0, 0, 0,
                        SWP_HIDEWINDOW | SWP_NOZORDER | kTaskbarFlags)) {
        // No shell taskbar (another shell, or none yet): nothing to hide.
        LogDebug("CWin32Taskbar::Hide", "no taskbar window to hide");
    }
}

void CWin32Taskbar::Show() {
    // Back on top of the z-order (insert-after 0), as a freshly shown taskbar is.
    if (!::SetWindowPos(Find(), HWND_TOP, 0, 0, 0, 0, SWP_SHOWWINDOW | kTaskbarFlags)) {
        LogDebug("CWin32Taskbar::Show", "no taskbar window to show");
    }
}

std::unique_ptr<IBlankWindow>
CWin32BlankingPlatform::CreateBlankWindow(IBlankWindowEvents& events) {
    auto window = std::make_unique<frmBlank>(events);
    window->Load();
    return window;
}

Size CWin32BlankingPlatform::ScreenSize() {
    return {::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}

int32_t CWin32BlankingPlatform::CaptionHeight() {
    return ::GetSystemMetrics(SM_CYCAPTION);
}

int32_t CWin32BlankingPlatform::FrameHeight() {
    return ::GetSystemMetrics(SM_CYFRAME);
}

void ShowTaskbarAtCrash(const char* markerPath) noexcept {
    HWND taskbar = CWin32Taskbar::Find();
    if (taskbar != nullptr) {
        // Posted, not sent: a crashing KIV must not wait on a busy shell. A
        // taskbar that still looks visible may have a hide of KIV's pending,
        // which this show follows.
        ::ShowWindowAsync(taskbar, SW_SHOWNA);
    }
    if (markerPath != nullptr && *markerPath != '\0') {
        RemoveFile(markerPath);
    }
}

} // namespace kiv::win32
