#include "placement/WindowAppearance.h"

#include "placement/AppWindow.h"

namespace kiv {

WindowHandle CWindowAppearance::ShownWindow(std::string_view locator) {
    const WindowHandle window = GetAppWindow(mDesktop, locator);
    return window != 0 && mWatch.IsWindowShown(window) ? window : 0;
}

void CWindowAppearance::WatchFor(std::string_view locator, WindowHandle placed) {
    Stop();
    if (locator.empty()) {
        return;
    }
    if (const WindowHandle shown = ShownWindow(locator)) {
        if (shown != placed) {
            mPlace();
        }
        return;
    }
    mLocator = locator;
    mWatching = true;
    mWatch.StartWatching(*this, kCheckInterval, kWatchTime);
}

void CWindowAppearance::WatchForAnswer(std::string_view locator) {
    Stop();
    if (locator.empty()) {
        return;
    }
    mLocator = locator;
    mWatching = true;
    mWatch.StartWatching(*this, kAnswerInterval, kWatchTime);
}

void CWindowAppearance::Stop() {
    if (!mWatching) {
        return;
    }
    mWatching = false;
    mWatch.StopWatching();
}

void CWindowAppearance::CheckTimer() {
    if (mWatching && ShownWindow(mLocator) != 0) {
        Stop();
        mPlace();
    }
}

} // namespace kiv
