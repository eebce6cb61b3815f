#include "blanking/win32/BlankingWin32.h"

#include "blanking/win32/frmBlank.h"
#include "util/DebugLog.h"
#include "util/FileSystem.h"

namespace kiv::win32 {

namespace {
// Asked, not waited for: a shell that does not answer must not hold KIV.
constexpr UINT kTaskbarFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS;

constexpr const char* kSecondaryTaskbarClass = "Shell_SecondaryTrayWnd";

HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}
} // namespace

HWND CWin32Taskbar::Find() {
    return ::FindWindowA("Shell_traywnd", "");
}

std::vector<ITaskbarWindows::Bar> CWin32Taskbar::Taskbars() {
    std::vector<Bar> bars;
    auto add = [&](HWND bar) {
        RECT area{};
        ::GetWindowRect(bar, &area);
        bars.push_back(
            {reinterpret_cast<WindowHandle>(bar), {area.left, area.top, area.right, area.bottom}});
    };
    if (HWND primary = Find()) {
        add(primary);
    }
    for (HWND bar = nullptr;
         (bar = ::FindWindowExA(nullptr, bar, kSecondaryTaskbarClass, nullptr)) != nullptr;) {
        add(bar);
    }
    return bars;
}

bool CWin32Taskbar::IsVisible(WindowHandle bar) {
    return ::IsWindowVisible(ToHwnd(bar)) != FALSE;
}

void CWin32Taskbar::Hide(WindowHandle bar) {
    if (!::SetWindowPos(ToHwnd(bar), nullptr, 0, 0, 0, 0,
                        SWP_HIDEWINDOW | SWP_NOZORDER | kTaskbarFlags)) {
        // Gone meanwhile (the shell restarting): nothing to hide.
        LogDebug("CWin32Taskbar::Hide", "no taskbar window to hide");
    }
}

void CWin32Taskbar::Show(WindowHandle bar) {
    // Back on top of the z-order (insert-after 0), as a freshly shown taskbar is.
    if (!::SetWindowPos(ToHwnd(bar), HWND_TOP, 0, 0, 0, 0, SWP_SHOWWINDOW | kTaskbarFlags)) {
        LogDebug("CWin32Taskbar::Show", "no taskbar window to show");
    }
}

std::unique_ptr<IBlankWindow>
CWin32BlankingPlatform::CreateBlankWindow(IBlankWindowEvents& events) {
    auto window = std::make_unique<frmBlank>(events);
    window->Load();
    return window;
}

int32_t CWin32BlankingPlatform::CaptionHeight() {
    return ::GetSystemMetrics(SM_CYCAPTION);
}

int32_t CWin32BlankingPlatform::FrameHeight() {
    return ::GetSystemMetrics(SM_CYFRAME);
}

void ShowTaskbarAtCrash(const char* markerPath) noexcept {
    // Posted, not sent: a crashing KIV must not wait on a busy shell. A
    // taskbar that still looks visible may have a hide of KIV's pending, which
    // this show follows.
    if (HWND taskbar = CWin32Taskbar::Find()) {
        ::ShowWindowAsync(taskbar, SW_SHOWNA);
    }
    for (HWND bar = nullptr;
         (bar = ::FindWindowExA(nullptr, bar, kSecondaryTaskbarClass, nullptr)) != nullptr;) {
        ::ShowWindowAsync(bar, SW_SHOWNA);
    }
    if (markerPath != nullptr && *markerPath != '\0') {
        RemoveFile(markerPath);
    }
}

} // namespace kiv::win32
