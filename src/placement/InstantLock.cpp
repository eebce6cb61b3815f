#include "placement/InstantLock.h"

#include "util/DebugLog.h"

namespace kiv {

CInstantLock::~CInstantLock() {
    if (mReported != 0) {
        mReports.ReportMoves(0, nullptr);
    }
}

void CInstantLock::LockArmed(bool armed) {
    mArmed = armed;
    // Reports go on while the lock is off for a moment: each placement
    // switches it off and on again around the move.
    const WindowHandle placed = mPlacement.AppHwnd();
    if (armed && placed != mReported) {
        mReported = placed;
        mReports.ReportMoves(placed, this);
    }
}

void CInstantLock::WindowMovedAt(WindowHandle window, Clock::time_point now) {
    if (!mArmed || window == 0 || window != mReported || window != mPlacement.AppHwnd()) {
        return;
    }
    try {
        if (mPlacement.CheckPlacedWindow() == CWindowPlacement::CheckResult::InPlace) {
            return;
        }
        if (now - mBurstStart >= kBurstPeriod) {
            mBurstStart = now;
            mPutBacks = 0;
        }
        if (mPutBacks == kBurst) {
            return;
        }
        ++mPutBacks;
        mPutBack();
    } catch (...) {
        // Like the watchdog's tick: nobody to report to, the next report or
        // tick tries again.
        LogDebug("CInstantLock::WindowMovedAt", "the put-back failed");
    }
}

} // namespace kiv
