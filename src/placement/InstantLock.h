#pragma once

#include "placement/WindowPlacement.h"
#include "platform/SupportLibraries.h"

#include <chrono>
#include <functional>

namespace kiv {

// Puts a locked window back as soon as it is reported moved, instead of at
// the lock watchdog's next tick; the watchdog stays for what no report tells.
// A report is checked against the placed rectangle, so the report of KIV's
// own placement changes nothing. A window that will not stay where it is put
// (its program moves it back, or refuses the size) is put back at most
// kBurst times a kBurstPeriod from here; the watchdog's tick goes on as ever.
class CInstantLock final : private IWindowMoveEvents {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr int kBurst = 3;
    static constexpr std::chrono::milliseconds kBurstPeriod{1000};

    // `putBack` is the watchdog's tick: it places a moved window again and
    // deselects when the window is gone.
    CInstantLock(IWindowSizeLibrary& reports, CWindowPlacement& placement,
                 std::function<void()> putBack)
        : mReports(reports), mPlacement(placement), mPutBack(std::move(putBack)) {}
    ~CInstantLock() override;
    CInstantLock(const CInstantLock&) = delete;
    CInstantLock& operator=(const CInstantLock&) = delete;

    // The watchdog was switched on or off; on, it guards the window the
    // placement last placed.
    void LockArmed(bool armed);

    // `window` was reported moved at `now`.
    void WindowMovedAt(WindowHandle window, Clock::time_point now);

private:
    void WindowMoved(WindowHandle window) override { WindowMovedAt(window, Clock::now()); }

    IWindowSizeLibrary& mReports;
    CWindowPlacement& mPlacement;
    std::function<void()> mPutBack;
    WindowHandle mReported = 0;
    bool mArmed = false;
    Clock::time_point mBurstStart;
    int mPutBacks = 0;
};

} // namespace kiv
