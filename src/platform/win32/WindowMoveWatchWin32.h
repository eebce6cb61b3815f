#pragma once

#include "platform/SupportLibraries.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Window.h"

namespace kiv::win32 {

// Moves and resizes of one window of another program, reported on this
// thread soon after they happen. Reports arrive as a message at a
// message-only window of this object: from the window-size hook, which runs
// on the watched window's thread and posts them itself (NotifyWindow,
// NotifyMessage), or, where that hook is not on the window, from an
// out-of-context location-change event hook on the window's thread. Wine 8
// delivers no location-change events: there only the size hook reports.
// One watch per thread.
class CWindowMoveWatchWin32 final : private CWindow {
public:
    CWindowMoveWatchWin32() = default;
    ~CWindowMoveWatchWin32() override;
    CWindowMoveWatchWin32(const CWindowMoveWatchWin32&) = delete;
    CWindowMoveWatchWin32& operator=(const CWindowMoveWatchWin32&) = delete;

    // Where the size hook posts its reports; null when the window could not
    // be made.
    HWND NotifyWindow();
    static UINT NotifyMessage();

    // Reports the moves of `window` to `events` until called again (null
    // events: none). `hooked`: the size hook is on that window and reports.
    void Watch(HWND window, bool hooked, IWindowMoveEvents* events);

private:
    static void CALLBACK LocationChanged(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object,
                                         LONG child, DWORD thread, DWORD time);
    bool OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    HWND mWatched = nullptr;
    IWindowMoveEvents* mEvents = nullptr;
    UniqueNullHandle<HWINEVENTHOOK, &::UnhookWinEvent> mLocationHook;
};

} // namespace kiv::win32
