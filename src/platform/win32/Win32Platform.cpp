#include "platform/win32/Win32Platform.h"

#include "util/win32/PumpingWait.h"

#include <string>

namespace kiv::win32 {

WindowHandle CWin32Desktop::FindTopLevelWindow(const std::optional<std::string>& className,
                                               const std::optional<std::string>& caption) {
    return FromHwnd(::FindWindowA(className ? className->c_str() : nullptr,
                                  caption ? caption->c_str() : nullptr));
}

bool CWin32Desktop::MoveWindow(WindowHandle window, int32_t left, int32_t top, int32_t width,
                               int32_t height) {
    return ::MoveWindow(ToHwnd(window), left, top, width, height, TRUE) != FALSE;
}

bool CWin32Desktop::WindowAnswers(WindowHandle window) {
    // Long enough for a busy player to look up from its work, short enough
    // that a click on KIV meanwhile still takes effect at once.
    constexpr UINT kAnswerWaitMs = 250;
    HWND target = ToHwnd(window);
    DWORD_PTR result = 0;
    ::SetLastError(ERROR_SUCCESS);
    if (::SendMessageTimeoutW(target, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kAnswerWaitMs, &result)) {
        return true;
    }
    // Only silence counts: a window that is gone, or whose program refuses
    // our messages, is for the move itself to find out.
    return ::GetLastError() != ERROR_TIMEOUT && !::IsHungAppWindow(target);
}

std::optional<Rect> CWin32Desktop::WindowRect(WindowHandle window) {
    RECT rect{};
    if (!::GetWindowRect(ToHwnd(window), &rect)) {
        return std::nullopt;
    }
    return Rect{rect.left, rect.top, rect.right, rect.bottom};
}

bool CWin32Desktop::IsWindow(WindowHandle window) {
    return ::IsWindow(ToHwnd(window)) != FALSE;
}

uint32_t CWin32Desktop::WindowThreadId(WindowHandle window) {
    return ::GetWindowThreadProcessId(ToHwnd(window), nullptr);
}

Size CWin32Desktop::PrimaryScreenSize() {
    return {::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}

namespace {
BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM layout) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (::GetMonitorInfoW(monitor, &info)) {
        const RECT& area = info.rcMonitor;
        reinterpret_cast<MonitorLayout*>(layout)->push_back(
            {{area.left, area.top, area.right, area.bottom},
             (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
    }
    return TRUE;
}
} // namespace

MonitorLayout CWin32Desktop::Monitors() {
    MonitorLayout monitors;
    ::EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

bool CWin32Desktop::ForceForegroundWindow(WindowHandle window) {
    HWND target = ToHwnd(window);
    // Restored first: a minimized window can be the foreground one already,
    // and it should not come forward as an icon either.
    // Another program's window is shown by its own thread, whenever that runs:
    // a stopped player must not hold KIV.
    const DWORD targetThread = ::GetWindowThreadProcessId(target, nullptr);
    const int show = ::IsIconic(target) ? SW_RESTORE : SW_SHOW;
    if (targetThread == ::GetCurrentThreadId()) {
        ::ShowWindow(target, show);
    } else {
        ::ShowWindowAsync(target, show);
    }
    HWND foreground = ::GetForegroundWindow();
    if (foreground == target) {
        return true;
    }
    // Only the thread with the input may hand the foreground on: another
    // program's input is shared for the moment of the call.
    const DWORD foregroundThread = ::GetWindowThreadProcessId(foreground, nullptr);
    bool done = false;
    if (foregroundThread != 0 && foregroundThread != targetThread &&
        foregroundThread != ::GetCurrentThreadId() &&
        ::AttachThreadInput(foregroundThread, targetThread, TRUE)) {
        done = ::SetForegroundWindow(target) != FALSE;
        ::AttachThreadInput(foregroundThread, targetThread, FALSE);
    } else {
        done = ::SetForegroundWindow(target) != FALSE;
    }
    return done;
}

std::vector<TopLevelWindow> CWin32Desktop::TopLevelWindows() {
    std::vector<TopLevelWindow> windows;
    // The first top-level window, then each one behind it.
    for (HWND window = ::FindWindowA(nullptr, nullptr); window != nullptr;
         window = ::GetWindow(window, GW_HWNDNEXT)) {
        char caption[256] = {};
        ::GetWindowTextA(window, caption, sizeof caption);
        char className[101] = {};
        ::GetClassNameA(window, className, sizeof className);
        windows.push_back({FromHwnd(window), caption, className, ::IsWindowVisible(window) != FALSE,
                           ::GetWindow(window, GW_OWNER) != nullptr});
    }
    return windows;
}

void CWin32MessagePump::TakeOneMessage() {
    // The window-size library posts a message once its hook is in place; the
    // bound only guards against a library that forgets to.
    constexpr DWORD kLongestWaitMs = 5000;
    MSG message{};
    if (!::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, kLongestWaitMs, QS_ALLINPUT);
        ::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);
    }
    if (message.message == WM_QUIT) {
        ::PostQuitMessage(static_cast<int>(message.wParam));
        return;
    }
    // Whatever came before the library's signal (a close, a hot key, a timer)
    // is handled, not lost.
    const bool librarySignal = message.hwnd == nullptr && message.message == WM_NULL;
    if (!librarySignal) {
        HandleMessage(message);
    }
}

void CWin32MessagePump::DoEvents() {
    HandleWaitingMessages();
}

void CMessageBoxReporter::ShowMessage(std::string_view text, std::string_view title) {
    ::MessageBoxA(mOwner, std::string(text).c_str(), std::string(title).c_str(), MB_OK);
}

void CMessageBoxReporter::ShowCriticalMessage(std::string_view text, std::string_view title) {
    ::MessageBoxA(mOwner, std::string(text).c_str(), std::string(title).c_str(),
                  MB_OK | MB_ICONSTOP);
}

} // namespace kiv::win32
