#pragma once

#include "placement/WindowAppearance.h"
#include "platform/win32/Window.h"

namespace kiv::win32 {

// The watch's timers, on a message-only window made when first needed.
class CWindowShowWatchWin32 final : public IWindowShowWatch, private CWindow {
public:
    CWindowShowWatchWin32() = default;
    ~CWindowShowWatchWin32() override;

    void StartWatching(IWindowAppearanceEvents& events, std::chrono::milliseconds interval,
                       std::chrono::milliseconds deadline) override;
    void StopWatching() override;
    bool IsWindowShown(WindowHandle window) override;

private:
    bool OnTimer(UINT_PTR id) override;

    IWindowAppearanceEvents* mEvents = nullptr;
};

} // namespace kiv::win32
