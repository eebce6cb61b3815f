#include "placement/WindowAppearance.h"

#include "placement/AppWindow.h"

namespace kiv {

void CWindowAppearance::WatchFor(std::string_view locator) {
    Stop();
    const WindowHandle window = GetAppWindow(mDesktop, locator);
    if (locator.empty() || (window != 0 && mWatch.IsWindowShown(window))) {
        return;
    }
    mLocator = locator;
    mWatching = true;
    mWatch.StartWatching(*this, kWatchTime);
    if (window != 0) {
        // There but hidden: it is about to be shown.
        CheckSoon();
    }
}

void CWindowAppearance::Stop() {
    if (!mWatching) {
        return;
    }
    mWatching = false;
    mChecksLeft = 0;
    mWatch.StopWatching();
}

void CWindowAppearance::WindowCreated() {
    if (mWatching) {
        CheckSoon();
    }
}

void CWindowAppearance::CheckSoon() {
    mChecksLeft = kChecksAfterCreation;
    mWatch.SetCheckTimer(true, kCheckInterval);
}

void CWindowAppearance::CheckTimer() {
    if (!mWatching) {
        return;
    }
    const WindowHandle window = GetAppWindow(mDesktop, mLocator);
    if (window != 0 && mWatch.IsWindowShown(window)) {
        Stop();
        mPlace();
        return;
    }
    if (--mChecksLeft <= 0) {
        // Quiet until the next new window.
        mWatch.SetCheckTimer(false, kCheckInterval);
    }
}

} // namespace kiv
