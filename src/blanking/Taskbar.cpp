#include "blanking/Taskbar.h"

#include "util/ErrorReport.h"
#include "util/FileSystem.h"

#include <algorithm>

namespace kiv {

namespace {
constexpr std::string_view kMarkerText = "KIV hid the taskbar; the next start of KIV shows it.\r\n";

// The first taskbar is the primary display's wherever it stands (an
// auto-hidden one lies mostly beyond the display's edge); any other is on the
// display it reaches into.
bool IsOn(const std::vector<ITaskbarWindows::Bar>& bars, size_t index, const Monitor& monitor) {
    if (index == 0) {
        return monitor.primary;
    }
    const Rect& bar = bars[index].area;
    return bar.left < monitor.area.right && monitor.area.left < bar.right &&
           bar.top < monitor.area.bottom && monitor.area.top < bar.bottom;
}
} // namespace

CTaskbar::~CTaskbar() {
    if (!mHidden.empty()) {
        try {
            UnhideTaskbar();
        } catch (...) {
            // A destructor has nobody to tell; the marker stays for the next start.
            LogCurrentError("CTaskbar::~CTaskbar");
        }
    }
}

bool CTaskbar::Hid(WindowHandle bar) const {
    return std::find(mHidden.begin(), mHidden.end(), bar) != mHidden.end();
}

bool CTaskbar::IsTaskBarVisible() {
    // The shell carries out a request when it gets to it: a taskbar KIV has
    // hidden counts as hidden until KIV shows it again.
    if (!mHidden.empty()) {
        return false;
    }
    std::vector<ITaskbarWindows::Bar> bars = mWindows.Taskbars();
    return bars.empty() || mWindows.IsVisible(bars.front().handle);
}

void CTaskbar::HideTaskbar(const Monitor& monitor) {
    // Blanking hides on every update; the shell is asked once, and again only
    // when its taskbar shows all the same (a new one, or shown by another
    // program). The marker is written once, before the first hide.
    const std::vector<ITaskbarWindows::Bar> bars = mWindows.Taskbars();
    const bool hadHidden = !mHidden.empty();
    std::vector<WindowHandle> onMonitor;
    for (size_t i = 0; i < bars.size(); ++i) {
        if (IsOn(bars, i, monitor)) {
            onMonitor.push_back(bars[i].handle);
        }
    }
    // The blanked display changed: the taskbars of the one before come back.
    // One that is gone is not on the display either.
    std::erase_if(mHidden, [&](WindowHandle hidden) {
        if (std::find(onMonitor.begin(), onMonitor.end(), hidden) != onMonitor.end()) {
            return false;
        }
        mWindows.Show(hidden);
        return true;
    });
    for (WindowHandle bar : onMonitor) {
        if (Hid(bar)) {
            if (mWindows.IsVisible(bar)) {
                mWindows.Hide(bar);
            }
            continue;
        }
        if (mHidden.empty() && !hadHidden) {
            try {
                // Not flushed: it must outlive a killed KIV, which the
                // system's cache does, and a blanking "On" waits for it.
                WriteWholeFile(mMarkerPath, kMarkerText, false);
            } catch (...) {
                LogCurrentError("CTaskbar::HideTaskbar");
                // A folder we cannot write to costs only the repair after a
                // kill; the next start shows a hidden taskbar anyway when it
                // switches blanking off.
            }
        }
        mHidden.push_back(bar);
        mWindows.Hide(bar);
    }
    if (hadHidden && mHidden.empty()) {
        RemoveFile(mMarkerPath);
    }
}

void CTaskbar::UnhideTaskbar() {
    if (mHidden.empty()) {
        std::vector<ITaskbarWindows::Bar> bars = mWindows.Taskbars();
        if (!bars.empty()) {
            mWindows.Show(bars.front().handle);
        }
    }
    for (WindowHandle bar : mHidden) {
        mWindows.Show(bar);
    }
    mHidden.clear();
    RemoveFile(mMarkerPath);
}

bool CTaskbar::RestoreAfterUncleanEnd() {
    if (!IsOrdinaryFile(mMarkerPath)) {
        return false;
    }
    for (const ITaskbarWindows::Bar& bar : mWindows.Taskbars()) {
        mWindows.Show(bar.handle);
    }
    RemoveFile(mMarkerPath);
    return true;
}

} // namespace kiv
