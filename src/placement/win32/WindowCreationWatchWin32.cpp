#include "placement/win32/WindowCreationWatchWin32.h"

namespace kiv::win32 {

namespace {

enum : UINT_PTR { kCheckTimer = 1, kDeadlineTimer = 2 };
constexpr UINT kWindowCreatedMessage = WM_APP + 1;

// The watch whose hook runs on this thread. An out-of-context hook calls back
// on the thread that set it, with nothing of ours but the hook's handle.
thread_local HWND tWatchWindow = nullptr;

UINT Milliseconds(std::chrono::milliseconds duration) {
    return static_cast<UINT>(duration.count() < 1 ? 1 : duration.count());
}

} // namespace

CWindowCreationWatchWin32::~CWindowCreationWatchWin32() {
    StopWatching();
    Destroy();
}

void CALLBACK CWindowCreationWatchWin32::WinEventProc(HWINEVENTHOOK, DWORD, HWND window,
                                                      LONG object, LONG child, DWORD, DWORD) {
    // Only match and post: the checking happens on the watch's own timer.
    if (window == nullptr || object != OBJID_WINDOW || child != CHILDID_SELF ||
        tWatchWindow == nullptr || ::GetAncestor(window, GA_PARENT) != ::GetDesktopWindow()) {
        return;
    }
    ::PostMessageA(tWatchWindow, kWindowCreatedMessage, 0, 0);
}

void CWindowCreationWatchWin32::StartWatching(IWindowAppearanceEvents& events,
                                              std::chrono::milliseconds deadline) {
    StopWatching();
    if (Hwnd() == nullptr &&
        !Create(ClassSpec{"KIVWindowWatch"}, 0, 0, "", 0, 0, 0, 0, HWND_MESSAGE)) {
        return;
    }
    mEvents = &events;
    tWatchWindow = Hwnd();
    mHook.Reset(::SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_CREATE, nullptr, &WinEventProc,
                                  0, 0, WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS));
    ::SetTimer(Hwnd(), kDeadlineTimer, Milliseconds(deadline), nullptr);
}

void CWindowCreationWatchWin32::StopWatching() {
    mHook.Reset();
    mEvents = nullptr;
    if (tWatchWindow == Hwnd()) {
        tWatchWindow = nullptr;
    }
    if (Hwnd() != nullptr) {
        ::KillTimer(Hwnd(), kCheckTimer);
        ::KillTimer(Hwnd(), kDeadlineTimer);
    }
}

void CWindowCreationWatchWin32::SetCheckTimer(bool on, std::chrono::milliseconds interval) {
    if (Hwnd() == nullptr) {
        return;
    }
    if (on) {
        ::SetTimer(Hwnd(), kCheckTimer, Milliseconds(interval), nullptr);
    } else {
        ::KillTimer(Hwnd(), kCheckTimer);
    }
}

bool CWindowCreationWatchWin32::IsWindowShown(WindowHandle window) {
    return ::IsWindowVisible(reinterpret_cast<HWND>(window)) != FALSE;
}

bool CWindowCreationWatchWin32::OnTimer(UINT_PTR id) {
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

bool CWindowCreationWatchWin32::OnOtherMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != kWindowCreatedMessage) {
        return false;
    }
    if (mEvents != nullptr) {
        mEvents->WindowCreated();
    }
    result = 0;
    return true;
}

} // namespace kiv::win32
