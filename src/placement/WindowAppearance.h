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
    // The check timer fired.
    virtual void CheckTimer() = 0;
    // The watch has run for as long as it was given.
    virtual void DeadlinePassed() = 0;
};

// What watching for a window to be shown asks of the system.
class IWindowShowWatch {
public:
    virtual ~IWindowShowWatch() = default;
    // Reports CheckTimer every `interval`, and the deadline once after
    // `deadline`, until StopWatching.
    virtual void StartWatching(IWindowAppearanceEvents& events, std::chrono::milliseconds interval,
                               std::chrono::milliseconds deadline) = 0;
    virtual void StopWatching() = 0;
    virtual bool IsWindowShown(WindowHandle window) = 0;
};

// Places a setting's window that is not there yet as soon as it is shown: a
// player just started opens its window a moment later, and a window moved
// before it shows may be put back by its own program. The watch looks on a
// timer rather than waiting to be told: a report of a new window comes before
// it is shown, and one sent while the watch starts would be lost. It ends when
// the window has been placed, or after a while without it. It also places a
// window that did not answer when it was to be placed, once it does.
class CWindowAppearance final : private IWindowAppearanceEvents {
public:
    static constexpr std::chrono::milliseconds kWatchTime{15000};
    static constexpr std::chrono::milliseconds kCheckInterval{100};
    // Each try at a silent window waits a moment for its answer: seldom, so
    // that KIV stays quick meanwhile.
    static constexpr std::chrono::milliseconds kAnswerInterval{1000};

    CWindowAppearance(IWindowShowWatch& watch, IDesktop& desktop, std::function<void()> place)
        : mWatch(watch), mDesktop(desktop), mPlace(std::move(place)) {}
    ~CWindowAppearance() override { Stop(); }
    CWindowAppearance(const CWindowAppearance&) = delete;
    CWindowAppearance& operator=(const CWindowAppearance&) = delete;

    // Starts watching for the window `locator` finds, unless it is shown
    // already; replaces any earlier watch. `placed` is the window the caller's
    // last placement moved: one shown since that placement looked is placed
    // at once.
    void WatchFor(std::string_view locator, WindowHandle placed);
    // The window `locator` finds did not answer when it was to be placed: it
    // is placed again a while later, while it is shown. A placement that
    // finds it silent again starts this anew, so the window is watched for
    // as long as it stays silent, and for a while once it has gone.
    void WatchForAnswer(std::string_view locator);
    void Stop();
    bool Watching() const noexcept { return mWatching; }

private:
    void CheckTimer() override;
    void DeadlinePassed() override { Stop(); }
    // The window `locator` finds, when it is shown.
    WindowHandle ShownWindow(std::string_view locator);

    IWindowShowWatch& mWatch;
    IDesktop& mDesktop;
    std::function<void()> mPlace;
    std::string mLocator;
    bool mWatching = false;
};

} // namespace kiv
