// The window-size hook. This library is loaded into the controlled program's
// process, so it carries no C++ run-time library: no exceptions, no static
// initialisers, nothing but kernel32 and user32. Its entry point is DllMain.

#include "KIVUtil.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

// The hook procedure runs inside the controlled program's process, so what it
// needs lives in a section that every process mapping this DLL shares. It
// must be constant-initialised: a run-time initialiser would reset it in each
// process that loads the DLL. Window handles are 32-bit values in every
// process, so the target fits a LONG in both builds of the library.
// A move of the target is posted to `notifyWindow` as `notifyMessage`.
struct SharedHookParams {
    LONG target;
    LONG maxWidth;
    LONG maxHeight;
    LONG notifyWindow;
    LONG notifyMessage;
};

constinit SharedHookParams gShared __attribute__((section(".shared"), shared)) = {0, 0, 0, 0, 0};

// Only the installing process owns the hook handle.
constinit HHOOK gInstalledHook = nullptr;

LONG Load(const LONG& field, int order) noexcept {
    return __atomic_load_n(&field, order);
}

void Store(LONG& field, LONG value, int order) noexcept {
    __atomic_store_n(&field, value, order);
}

LONG HandleValue(HWND window) noexcept {
    return HandleToLong(window);
}

LONG AtLeast(LONG value, LONG floor) noexcept {
    return value < floor ? floor : value;
}

// The window has moved or changed size (not only its place in the z-order or
// its visibility): tell whoever asked, and nothing more.
void ReportMove(HWND window, const WINDOWPOS& pos) noexcept {
    if ((pos.flags & (SWP_NOMOVE | SWP_NOSIZE)) == (SWP_NOMOVE | SWP_NOSIZE)) {
        return;
    }
    const LONG notify = Load(gShared.notifyWindow, __ATOMIC_ACQUIRE);
    if (notify != 0) {
        PostMessageW(static_cast<HWND>(LongToHandle(notify)),
                     static_cast<UINT>(Load(gShared.notifyMessage, __ATOMIC_RELAXED)),
                     reinterpret_cast<WPARAM>(window), 0);
    }
}

// Runs after the window procedure: for WM_GETMINMAXINFO, raise the maximum
// tracking size, never lower anything, so the window may exceed the screen;
// for WM_WINDOWPOSCHANGED, report the move.
LRESULT CALLBACK SizeHookProc(int code, WPARAM wParam, LPARAM lParam) noexcept {
    if (code == HC_ACTION && lParam != 0) {
        const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        if ((call->message == WM_GETMINMAXINFO || call->message == WM_WINDOWPOSCHANGED) &&
            call->lParam != 0 &&
            HandleValue(call->hwnd) == Load(gShared.target, __ATOMIC_ACQUIRE)) {
            if (call->message == WM_WINDOWPOSCHANGED) {
                ReportMove(call->hwnd, *reinterpret_cast<const WINDOWPOS*>(call->lParam));
            } else {
                auto* info = reinterpret_cast<MINMAXINFO*>(call->lParam);
                info->ptMaxTrackSize.x =
                    AtLeast(info->ptMaxTrackSize.x, Load(gShared.maxWidth, __ATOMIC_RELAXED));
                info->ptMaxTrackSize.y =
                    AtLeast(info->ptMaxTrackSize.y, Load(gShared.maxHeight, __ATOMIC_RELAXED));
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void RemoveHook() noexcept {
    if (gInstalledHook != nullptr) {
        UnhookWindowsHookEx(gInstalledHook);
        gInstalledHook = nullptr;
        Store(gShared.target, 0, __ATOMIC_RELEASE);
    }
}

// The caller waits in GetMessage right after a successful install; this
// message ends that wait even when nothing else arrives.
void WakeCallingThread() noexcept {
    const DWORD self = GetCurrentThreadId();
    if (PostThreadMessageW(self, WM_NULL, 0, 0)) {
        return;
    }
    // A thread without a message queue has no windows either, so creating
    // the queue here cannot run any of the caller's window procedures.
    MSG msg;
    PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
    PostThreadMessageW(self, WM_NULL, 0, 0);
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) noexcept {
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
    } else if (reason == DLL_PROCESS_DETACH) {
        // The installing process is going: its hook goes with it.
        RemoveHook();
    }
    return TRUE;
}

extern "C" void WINAPI SetMoveNotify(HWND window, UINT message) noexcept {
    // The message first: a hook that sees the window sees both.
    Store(gShared.notifyMessage, static_cast<LONG>(message), __ATOMIC_RELAXED);
    Store(gShared.notifyWindow, HandleValue(window), __ATOMIC_RELEASE);
}

extern "C" int WINAPI SetHook(std::uint32_t threadId, HWND window, const RECT* limit) noexcept {
    RemoveHook();
    if (threadId == 0) {
        return 1;
    }
    // A hook on the wrong thread would never see the window's messages.
    if (window == nullptr || limit == nullptr ||
        GetWindowThreadProcessId(window, nullptr) != threadId) {
        return 0;
    }

    Store(gShared.maxWidth, limit->right, __ATOMIC_RELAXED);
    Store(gShared.maxHeight, limit->bottom, __ATOMIC_RELAXED);
    Store(gShared.target, HandleValue(window), __ATOMIC_RELEASE);

    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROCRET, SizeHookProc,
                                   reinterpret_cast<HINSTANCE>(&__ImageBase), threadId);
    if (hook == nullptr) {
        Store(gShared.target, 0, __ATOMIC_RELEASE);
        return 0;
    }
    gInstalledHook = hook;
    WakeCallingThread();
    return 1;
}
