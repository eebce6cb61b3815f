#include "placement/win32/WindowShowWatchWin32.h"

namespace kiv::win32 {

namespace {

enum : UINT_PTR { kCheckTimer = 1, kDeadlineTimer = 2 };

UINT Milliseconds(std::chrono::milliseconds duration) {
    return static_cast<UINT>(duration.count() < 1 ? 1 : duration.count());
}

} // namespace

CWindowShowWatchWin32::~CWindowShowWatchWin32() {
    StopWatching();
    Destroy();
}

void CWindowShowWatchWin32::StartWatching(IWindowAppearanceEvents& events,
                                          std::chrono::milliseconds interval,
                                          std::chrono::milliseconds deadline) {
    StopWatching();
    if (Hwnd() == nullptr &&
        !Create(ClassSpec{"KIVWindowWatch"}, 0, 0, "", 0, 0, 0, 0, HWND_MESSAGE)) {
        return;
    }
    mEvents = &events;
    ::SetTimer(Hwnd(), kCheckTimer, Milliseconds(interval), nullptr);
    ::SetTimer(Hwnd(), kDeadlineTimer, Milliseconds(deadline), nullptr);
}

void CWindowShowWatchWin32::StopWatching() {
    mEvents = nullptr;
    if (Hwnd() != nullptr) {
        ::KillTimer(Hwnd(), kCheckTimer);
        ::KillTimer(Hwnd(), kDeadlineTimer);
    }
}

bool CWindowShowWatchWin32::IsWindowShown(WindowHandle window) {
    return ::IsWindowVisible(reinterpret_cast<HWND>(window)) != FALSE;
}

bool CWindowShowWatchWin32::OnTimer(UINT_PTR id) {
    if (mEvents == nullptr) {
        return true;
    }
    if (id == kCheckTimer) {
        mEvents->CheckTimer();
    } else if (id == kDeadlineTimer) {
        mEvents->DeadlinePassed();
    }
    return true;
}

} // namespace kiv::win32
