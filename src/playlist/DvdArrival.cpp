#include "playlist/DvdArrival.h"

#include "playlist/VolumeName.h"
#include "util/FileSystem.h"
#include "util/Strings.h"

namespace kiv {

bool ArrivalIsInDrive(uint32_t unitMask, std::string_view drive) {
    if (unitMask == 0 || drive.empty()) {
        return true;
    }
    const char letter = ToUpperAscii(drive.substr(0, 1))[0];
    if (letter < 'A' || letter > 'Z') {
        return true;
    }
    return (unitMask >> (letter - 'A') & 1u) != 0;
}

void CDvdArrival::DriveArriveSelectSetting(std::string_view drive, bool allowAdding,
                                           bool autoSelect, bool autoAdd, bool showNotice) {
    TrapErrors(mParts.reporter, "DriveArriveSelectSetting", [&] {
        mParts.view.SetCurrentDvdLabel("");
        if (!EqualsIgnoreCase(drive, mOptions.Drive + ":")) {
            return;
        }
        const DiscIdentity disc = mParts.drives.ReadDisc(drive);
        if (!disc.Present()) {
            return;
        }
        const bool launched = LaunchApplication();

        bool found = false;
        if (autoSelect) {
            // Deleted entries count too: the disc is still the one the user named.
            if (CPlayList::Pointer entry = mPlayList.LocatePlayListItem(disc.Volume, disc.SerNo)) {
                mParts.selection.SelectSettingNamed(entry->Setting);
                mParts.selection.AdjustWindow();
                mParts.view.SetCurrentDvdLabel(std::string(kLabelPrefix) + entry->Title);
                found = true;
            }
        }
        if (allowAdding && autoAdd && !found) {
            const std::string title = FixVolumeName(disc.Volume);
            if (showNotice) {
                mParts.view.ShowAddingNotice("Adding '" + title + "'");
                mParts.pump.DoEvents();
            }
            mPlayList.Add(title, mOptions.PlayListDefaultSetting, disc.Volume, disc.SerNo);
            mPlayList.SaveItems();
            mParts.view.SetCurrentDvdLabel(std::string(kLabelPrefix) + title);
        }
        if (launched) {
            mParts.selection.PlaceAppWindowWhenShown();
        }
    });
}

bool CDvdArrival::LaunchApplication() {
    if (!FileExists(mOptions.LaunchApplication)) {
        return false;
    }
    if (!mParts.launcher.StartProgram(mOptions.LaunchApplication)) {
        Raise(ErrorNumber::FileNotFound);
    }
    for (int pass = 0; pass < kEventPassesAfterLaunch; ++pass) {
        mParts.pump.DoEvents();
    }
    return true;
}

} // namespace kiv
