#pragma once

#include "platform/Desktop.h"

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

namespace kiv {

// What the system reports while a watch runs.
class IWindowAppearanceEvents {
public:
    virtual ~IWindowAppearanceEvents() = default;
    // A top-level window of another program was created.
    virtual void WindowCreated() = 0;
    // The check timer fired.
    virtual void CheckTimer() = 0;
    // The watch has run for as long as it was given.
    virtual void DeadlinePassed() = 0;
};

// What watching for a window to appear asks of the system.
class IWindowCreationWatch {
public:
    virtual ~IWindowCreationWatch() = default;
    // Reports each new top-level window to `events`, and the deadline once
    // after `deadline`, until StopWatching.
    virtual void StartWatching(IWindowAppearanceEvents& events,
                               std::chrono::milliseconds deadline) = 0;
    // Ends the reports and the check timer.
    virtual void StopWatching() = 0;
    // Reports CheckTimer every `interval` while on.
    virtual void SetCheckTimer(bool on, std::chrono::milliseconds interval) = 0;
    virtual bool IsWindowShown(WindowHandle window) = 0;
};

// Places a setting's window that is not there yet as soon as it is shown: a
// player just started opens its window a moment later, and a window moved
// before it shows may be put back by its own program. The watch ends when the
// window has been placed, or after a while without it.
class CWindowAppearance final : private IWindowAppearanceEvents {
public:
    static constexpr std::chrono::milliseconds kWatchTime{15000};
    static constexpr std::chrono::milliseconds kCheckInterval{100};
    // Checks after each new window: a window may get its caption or be shown
    // a little after it is created.
    static constexpr int kChecksAfterCreation = 10;

    CWindowAppearance(IWindowCreationWatch& watch, IDesktop& desktop, std::function<void()> place)
        : mWatch(watch), mDesktop(desktop), mPlace(std::move(place)) {}
    ~CWindowAppearance() override { Stop(); }
    CWindowAppearance(const CWindowAppearance&) = delete;
    CWindowAppearance& operator=(const CWindowAppearance&) = delete;

    // Starts watching for the window `locator` finds, unless it is shown
    // already; replaces any earlier watch.
    void WatchFor(std::string_view locator);
    void Stop();
    bool Watching() const noexcept { return mWatching; }

private:
    void WindowCreated() override;
    void CheckTimer() override;
    void DeadlinePassed() override { Stop(); }
    void CheckSoon();

    IWindowCreationWatch& mWatch;
    IDesktop& mDesktop;
    std::function<void()> mPlace;
    std::string mLocator;
    bool mWatching = false;
    int mChecksLeft = 0;
};

} // namespace kiv
