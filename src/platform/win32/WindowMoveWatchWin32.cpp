#include "platform/win32/WindowMoveWatchWin32.h"

namespace kiv::win32 {

namespace {
// What the location-change hook needs: an out-of-context hook calls back on
// the thread that set it, with nothing of ours but the hook's handle.
thread_local HWND tNotifyWindow = nullptr;
thread_local HWND tWatchedWindow = nullptr;
} // namespace

CWindowMoveWatchWin32::~CWindowMoveWatchWin32() {
    Watch(nullptr, false, nullptr);
    Destroy();
}

UINT CWindowMoveWatchWin32::NotifyMessage() {
    static const UINT message = ::RegisterWindowMessageA("KIV.WindowMoved");
    return message;
}

HWND CWindowMoveWatchWin32::NotifyWindow() {
    if (Hwnd() == nullptr &&
        Create(ClassSpec{"KIVMoveWatch"}, 0, 0, "", 0, 0, 0, 0, HWND_MESSAGE)) {
        // The player may run with less privilege than KIV; its reports are welcome.
        ::ChangeWindowMessageFilterEx(Hwnd(), NotifyMessage(), MSGFLT_ALLOW, nullptr);
    }
    return Hwnd();
}

void CALLBACK CWindowMoveWatchWin32::LocationChanged(HWINEVENTHOOK, DWORD, HWND window, LONG object,
                                                     LONG child, DWORD, DWORD) {
    // Only match and post: the check runs when the message arrives.
    if (window != nullptr && window == tWatchedWindow && object == OBJID_WINDOW &&
        child == CHILDID_SELF && tNotifyWindow != nullptr) {
        ::PostMessageA(tNotifyWindow, NotifyMessage(), reinterpret_cast<WPARAM>(window), 0);
    }
}

void CWindowMoveWatchWin32::Watch(HWND window, bool hooked, IWindowMoveEvents* events) {
    mLocationHook.Reset();
    tWatchedWindow = nullptr;
    mWatched = events != nullptr ? window : nullptr;
    mEvents = mWatched != nullptr ? events : nullptr;
    if (mWatched == nullptr || NotifyWindow() == nullptr || hooked) {
        return;
    }
    DWORD process = 0;
    const DWORD thread = ::GetWindowThreadProcessId(window, &process);
    if (thread == 0) {
        return;
    }
    tNotifyWindow = Hwnd();
    tWatchedWindow = window;
    mLocationHook.Reset(::SetWinEventHook(EVENT_OBJECT_LOCATIONCHANGE, EVENT_OBJECT_LOCATIONCHANGE,
                                          nullptr, &LocationChanged, process, thread,
                                          WINEVENT_OUTOFCONTEXT));
}

bool CWindowMoveWatchWin32::OnOtherMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != NotifyMessage()) {
        return false;
    }
    // A report of another window (the hook's previous one, or a stray post) is dropped.
    if (mEvents != nullptr && mWatched != nullptr && reinterpret_cast<HWND>(wParam) == mWatched) {
        mEvents->WindowMoved(reinterpret_cast<WindowHandle>(mWatched));
    }
    result = 0;
    return true;
}

} // namespace kiv::win32
