#include "blanking/Taskbar.h"

#include "util/ErrorReport.h"
#include "util/FileSystem.h"

namespace kiv {

namespace {
constexpr std::string_view kMarkerText = "KIV hid the taskbar; the next start of KIV shows it.\r\n";
} // namespace

CTaskbar::~CTaskbar() {
    if (mHidden) {
        try {
            UnhideTaskbar();
        } catch (...) {
            // A destructor has nobody to tell; the marker stays for the next start.
            LogCurrentError("CTaskbar::~CTaskbar");
        }
    }
}

bool CTaskbar::IsTaskBarVisible() {
    // The shell carries out a request when it gets to it: a taskbar KIV has
    // hidden counts as hidden until KIV shows it again.
    return !mHidden && mWindow.IsVisible();
}

void CTaskbar::HideTaskbar() {
    // Blanking hides on every update; the shell is asked once, and again only
    // when its taskbar shows all the same (a new one, or shown by another
    // program). The marker is written once.
    if (!mHidden) {
        try {
            SaveFileAtomically(mMarkerPath, kMarkerText);
        } catch (...) {
            LogCurrentError("CTaskbar::HideTaskbar");
            // A folder we cannot write to costs only the repair after a kill;
            // the next start shows a hidden taskbar anyway when it switches
            // blanking off.
        }
        mHidden = true;
        mWindow.Hide();
    } else if (mWindow.IsVisible()) {
        mWindow.Hide();
    }
}

void CTaskbar::UnhideTaskbar() {
    mWindow.Show();
    mHidden = false;
    RemoveFile(mMarkerPath);
}

bool CTaskbar::RestoreAfterUncleanEnd() {
    if (!IsOrdinaryFile(mMarkerPath)) {
        return false;
    }
    mWindow.Show();
    RemoveFile(mMarkerPath);
    return true;
}

} // namespace kiv
