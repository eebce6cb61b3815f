#pragma once

#include "placement/WindowAppearance.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Window.h"

namespace kiv::win32 {

using UniqueWinEventHook = UniqueHandle<NullHandleTraits<HWINEVENTHOOK, &::UnhookWinEvent>>;

// Top-level windows created by other programs, through an out-of-context win
// event hook (Wine reports creation, not showing), and the watch's timers on
// a message-only window. One watch per thread.
class CWindowCreationWatchWin32 final : public IWindowCreationWatch, private CWindow {
public:
    CWindowCreationWatchWin32() = default;
    ~CWindowCreationWatchWin32() override;

    void StartWatching(IWindowAppearanceEvents& events,
                       std::chrono::milliseconds deadline) override;
    void StopWatching() override;
    void SetCheckTimer(bool on, std::chrono::milliseconds interval) override;
    bool IsWindowShown(WindowHandle window) override;

private:
    static void CALLBACK WinEventProc(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object,
                                      LONG child, DWORD thread, DWORD time);
    bool OnTimer(UINT_PTR id) override;
    bool OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    IWindowAppearanceEvents* mEvents = nullptr;
    UniqueWinEventHook mHook;
};

} // namespace kiv::win32
