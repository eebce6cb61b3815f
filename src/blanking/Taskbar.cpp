#include "blanking/Taskbar.h"

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
        }
    }
}

bool CTaskbar::IsTaskBarVisible() {
    bool visible = mWindow.IsVisible();
    if (visible && mHidden) {
        // Shown again by someone else: nothing is left for KIV to give back.
        mHidden = false;
        RemoveFile(mMarkerPath);
    }
    return visible;
}

void CTaskbar::HideTaskbar() {
    // Blanking hides again on every update; the marker is written once.
    if (!mHidden) {
        try {
            SaveFileAtomically(mMarkerPath, kMarkerText);
        } catch (...) {
            // A folder we cannot write to costs only the repair after a kill;
            // the next start shows a hidden taskbar anyway when it switches
            // blanking off.
        }
        mHidden = true;
    }
    mWindow.Hide();
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
