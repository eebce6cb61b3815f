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
            mLaunchFailedFor.reset();
            return;
        }
        // Deleted entries count too: the disc is still the one the user named.
        // Copied: the launch handles messages, which may change the play list.
        std::optional<CPlayListItem> entry;
        if (CPlayList::Pointer listed =
                autoSelect ? mPlayList.LocatePlayListItem(disc.Volume, disc.SerNo) : nullptr) {
            entry = *listed;
        }
        const bool launched = LaunchApplication(disc, entry ? entry->Setting : "");

        const bool found = entry.has_value();
        if (found) {
            mParts.selection.SelectSettingNamed(entry->Setting);
            mParts.selection.AdjustWindow();
            mParts.view.SetCurrentDvdLabel(std::string(kLabelPrefix) + entry->Title);
        }
        if (allowAdding && autoAdd && !found) {
            const std::string title = FixVolumeName(disc.Volume);
            if (showNotice) {
                mParts.view.ShowAddingNotice("Adding '" + title + "'",
                                             mParts.selection.PlayerDisplay());
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

bool CDvdArrival::LaunchApplication(const DiscIdentity& disc, std::string_view settingName) {
    if (mLaunchFailedFor && *mLaunchFailedFor == disc) {
        return false;
    }
    mLaunchFailedFor.reset();
    const std::string& program = mOptions.LaunchApplication;
    if (!FileExists(program) || mParts.launcher.IsRunning(program) ||
        mParts.selection.SettingWindowShown(settingName)) {
        return false;
    }
    if (!mParts.launcher.StartProgram(program)) {
        mLaunchFailedFor = disc;
        Raise(ErrorNumber::FileNotFound);
    }
    for (int pass = 0; pass < kEventPassesAfterLaunch; ++pass) {
        mParts.pump.DoEvents();
    }
    return true;
}

} // namespace kiv
