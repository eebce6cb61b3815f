#include "Internal.h"
#include "KIVKbd.h"

#include "platform/win32/UniqueHandle.h"

#include <dbt.h>

namespace kiv::kbd {

namespace {

constexpr UINT_PTR kPointerTimer = 1;
constexpr UINT kPointerTickMs = 250;
constexpr int kStillTicksBeforeHiding = 8; // two seconds at rest

// Attaches our input state to another thread's for the life of the guard.
class SharedInput {
public:
    SharedInput(DWORD self, DWORD other) noexcept
        : mSelf(self), mOther(other), mAttached(AttachThreadInput(self, other, TRUE) != 0) {}
    ~SharedInput() {
        if (mAttached) {
            AttachThreadInput(mSelf, mOther, FALSE);
        }
    }
    SharedInput(const SharedInput&) = delete;
    SharedInput& operator=(const SharedInput&) = delete;
    bool IsAttached() const noexcept { return mAttached; }

private:
    DWORD mSelf;
    DWORD mOther;
    bool mAttached;
};

struct ListenerState {
    HWND mediaTarget = nullptr;
    HWND pointerTarget = nullptr;
    bool answerAutoPlayQuery = false;
    UINT queryCancelAutoPlayMessage = 0;
    POINT lastCursor = {};
    int stillTicks = 0;
};

ListenerState gState;
// Declared before the window so that the window goes first at unload.
win32::UniqueWindowClass gClass;
win32::UniqueWindow gWindow;

void OnDeviceChange(WPARAM event, LPARAM data) noexcept {
    if (event != DBT_DEVICEARRIVAL || data == 0 || gState.mediaTarget == nullptr) {
        return;
    }
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
    if (header->dbch_devicetype != DBT_DEVTYP_VOLUME ||
        header->dbch_size < sizeof(DEV_BROADCAST_VOLUME)) {
        return;
    }
    // Only a medium counts: a drive being attached (a USB stick) must not
    // start the disc handling again.
    const auto* volume = reinterpret_cast<const DEV_BROADCAST_VOLUME*>(data);
    if ((volume->dbcv_flags & DBTF_MEDIA) == 0) {
        return;
    }
    PostMessageW(gState.mediaTarget, support::kMediaArrivedMessage, volume->dbcv_unitmask,
                 volume->dbcv_flags);
}

bool IsPointerOver(HWND target, POINT cursor) noexcept {
    HWND under = WindowFromPoint(cursor);
    return under != nullptr && GetAncestor(under, GA_ROOT) == target;
}

bool IsPointerShown() noexcept {
    CURSORINFO info = {};
    info.cbSize = sizeof(info);
    return GetCursorInfo(&info) && (info.flags & CURSOR_SHOWING) != 0 && info.hCursor != nullptr;
}

// The pointer's shape belongs to the input state of the thread under it.
// Sharing that state for a moment lets us clear it; the target's own
// WM_SETCURSOR brings the pointer back as soon as the mouse moves or clicks,
// so nothing needs restoring later, even if KIV dies.
void HidePointerOver(HWND target) noexcept {
    const DWORD self = GetCurrentThreadId();
    const DWORD owner = GetWindowThreadProcessId(target, nullptr);
    if (owner == 0) {
        return;
    }
    if (owner == self) {
        SetCursor(nullptr);
        return;
    }
    SharedInput shared(self, owner);
    if (shared.IsAttached()) {
        SetCursor(nullptr);
    }
}

void OnPointerTick() noexcept {
    POINT cursor;
    if (gState.pointerTarget == nullptr || !GetCursorPos(&cursor)) {
        return;
    }
    if (cursor.x != gState.lastCursor.x || cursor.y != gState.lastCursor.y) {
        gState.lastCursor = cursor;
        gState.stillTicks = 0;
        return;
    }
    if (gState.stillTicks < kStillTicksBeforeHiding) {
        ++gState.stillTicks;
        return;
    }
    // Checked on every tick at rest: a window moved under a resting pointer
    // (orbiting) makes the target show it again.
    if (IsPointerOver(gState.pointerTarget, cursor) && IsPointerShown()) {
        HidePointerOver(gState.pointerTarget);
    }
}

LRESULT CALLBACK ListenerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_DEVICECHANGE) {
        OnDeviceChange(wParam, lParam);
        return TRUE;
    }
    if (message == WM_TIMER && wParam == kPointerTimer) {
        OnPointerTick();
        return 0;
    }
    if (message != 0 && message == gState.queryCancelAutoPlayMessage) {
        return gState.answerAutoPlayQuery ? 1 : 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The window exists exactly while something needs it. It is a hidden,
// unowned top-level window, not a message-only one: volume arrival comes as
// a broadcast, which message-only windows never receive.
bool SyncListener() noexcept {
    const bool needed = gState.mediaTarget != nullptr || gState.pointerTarget != nullptr ||
                        gState.answerAutoPlayQuery;
    if (!needed) {
        gWindow.Reset();
        gClass.Reset();
        return true;
    }
    if (gWindow) {
        return true;
    }
    if (!gClass) {
        WNDCLASSEXW windowClass = {};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = ListenerProc;
        windowClass.hInstance = ModuleInstance();
        windowClass.lpszClassName = support::kListenerClass;
        if (const ATOM atom = RegisterClassExW(&windowClass)) {
            gClass.Reset({atom, ModuleInstance()});
        } else if (GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
            return false;
        }
    }
    gWindow.Reset(CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, support::kListenerClass, L"",
                                  WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, ModuleInstance(),
                                  nullptr));
    gState.queryCancelAutoPlayMessage = RegisterWindowMessageW(L"QueryCancelAutoPlay");
    return gWindow.IsValid();
}

} // namespace

bool SetMediaTarget(HWND window) noexcept {
    gState.mediaTarget = (window != nullptr && IsWindow(window)) ? window : nullptr;
    if (!SyncListener()) {
        gState.mediaTarget = nullptr;
        SyncListener();
        return false;
    }
    return window == nullptr || gState.mediaTarget != nullptr;
}

bool SetMouseTarget(HWND window) noexcept {
    if (gWindow) {
        KillTimer(gWindow.Get(), kPointerTimer);
    }
    gState.pointerTarget = (window != nullptr && IsWindow(window)) ? window : nullptr;
    gState.stillTicks = 0;
    GetCursorPos(&gState.lastCursor);
    if (!SyncListener() || (gState.pointerTarget != nullptr &&
                            SetTimer(gWindow.Get(), kPointerTimer, kPointerTickMs, nullptr) == 0)) {
        gState.pointerTarget = nullptr;
        SyncListener();
        return false;
    }
    return window == nullptr || gState.pointerTarget != nullptr;
}

bool SetAnswerAutoPlayQuery(bool cancel) noexcept {
    gState.answerAutoPlayQuery = cancel;
    return SyncListener();
}

} // namespace kiv::kbd
