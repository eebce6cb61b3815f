#include "KIVUtil.h"

#include "platform/win32/UniqueHandle.h"

#include <algorithm>
#include <atomic>
#include <cstdint>

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

// The hook procedure runs inside the controlled program's process, so what it
// needs lives in a section that every process mapping this DLL shares. It
// must be constant-initialised: a run-time initialiser would reset it in each
// process that loads the DLL.
struct SharedHookParams {
    std::atomic<std::uint64_t> target; // window handles are global values
    std::atomic<LONG> maxWidth;
    std::atomic<LONG> maxHeight;
};
static_assert(std::atomic<std::uint64_t>::is_always_lock_free);
static_assert(std::atomic<LONG>::is_always_lock_free);

constinit SharedHookParams gShared __attribute__((section(".shared"), shared)) = {0, 0, 0};

// Only the installing process owns the hook handle.
kiv::win32::UniqueHook& InstalledHook() noexcept {
    static kiv::win32::UniqueHook hook;
    return hook;
}

HINSTANCE ModuleInstance() noexcept {
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

std::uint64_t HandleValue(HWND window) noexcept {
    return static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(window));
}

// Runs after the window procedure has filled in MINMAXINFO: raise the maximum
// tracking size, never lower anything, so the window may exceed the screen.
LRESULT CALLBACK SizeHookProc(int code, WPARAM wParam, LPARAM lParam) noexcept {
    if (code == HC_ACTION && lParam != 0) {
        const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        if (call->message == WM_GETMINMAXINFO && call->lParam != 0 &&
            HandleValue(call->hwnd) == gShared.target.load(std::memory_order_acquire)) {
            auto* info = reinterpret_cast<MINMAXINFO*>(call->lParam);
            info->ptMaxTrackSize.x =
                std::max(info->ptMaxTrackSize.x, gShared.maxWidth.load(std::memory_order_relaxed));
            info->ptMaxTrackSize.y =
                std::max(info->ptMaxTrackSize.y, gShared.maxHeight.load(std::memory_order_relaxed));
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void RemoveHook() noexcept {
    InstalledHook().Reset();
    gShared.target.store(0, std::memory_order_release);
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

    gShared.maxWidth.store(limit->right, std::memory_order_relaxed);
    gShared.maxHeight.store(limit->bottom, std::memory_order_relaxed);
    gShared.target.store(HandleValue(window), std::memory_order_release);

    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROCRET, SizeHookProc, ModuleInstance(), threadId);
    if (hook == nullptr) {
        gShared.target.store(0, std::memory_order_release);
        return 0;
    }
    InstalledHook().Reset(hook);
    WakeCallingThread();
    return 1;
}
