#pragma once

#include "platform/Geometry.h"
#include "platform/MessagePump.h"
#include "playlist/DriveArrival.h"
#include "playlist/ProgramLauncher.h"
#include "store/Options.h"
#include "store/PlayList.h"
#include "util/ErrorReport.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace kiv {

// What the disc handling shows on the main window.
class IDvdArrivalView {
public:
    virtual ~IDvdArrivalView() = default;
    // The label naming the current DVD: "" or "Current DVD: " + a title.
    virtual void SetCurrentDvdLabel(std::string_view text) = 0;
    // The small notice that goes away by itself after three seconds, centred
    // on `display` (a display's rectangle), or on the main window's display.
    virtual void ShowAddingNotice(std::string_view message, std::optional<Rect> display) = 0;
};

// What the disc handling asks of the main window's selection.
class IDvdArrivalSelection {
public:
    virtual ~IDvdArrivalSelection() = default;
    // Selects the setting of exactly this name through the setting list,
    // which applies it; a name no setting has changes nothing.
    virtual void SelectSettingNamed(std::string_view name) = 0;
    virtual void AdjustWindow() = 0;
    // The player program was just started: the current setting's window,
    // when it is not there yet, is placed as soon as it appears.
    virtual void PlaceAppWindowWhenShown() = 0;
    // True when the window of the setting named `name` (of the current
    // setting for "" or a name no setting has) is on the desktop: its player
    // is running.
    virtual bool SettingWindowShown(std::string_view name) = 0;
    // The rectangle of the display that shows the current setting's player;
    // nothing without a setting, or when no display shows it.
    virtual std::optional<Rect> PlayerDisplay() = 0;
};

struct DvdArrivalParts {
    IDvdArrivalView& view;
    IDvdArrivalSelection& selection;
    IDriveReader& drives;
    IProgramLauncher& launcher;
    IMessagePump& pump;
    IErrorReporter& reporter;
};

// Whether a medium's arrival, reported with the system's unit mask (bit 0 for
// A:), is in `drive` ("D" or "D:"). A mask that names no drive, or a drive
// that is no letter, cannot tell: the arrival counts, as the system's
// message always names its drive.
bool ArrivalIsInDrive(uint32_t unitMask, std::string_view drive);

// A disc in the configured drive: the player started unless it runs already,
// the play list looked up, the mapped setting applied, an unknown disc added
// when asked to. A player that failed to start is not tried again, nor its
// error shown again, until another disc arrives.
class CDvdArrival final : public IDriveArrival {
public:
    static constexpr std::string_view kLabelPrefix = "Current DVD: ";
    // Passes of pending events after the player is started, so that it can
    // come up before its window is looked for.
    static constexpr int kEventPassesAfterLaunch = 10;

    CDvdArrival(const DvdArrivalParts& parts, const COptions& options, CPlayList& playList)
        : mParts(parts), mOptions(options), mPlayList(playList) {}

    void DriveArriveSelectSetting(std::string_view drive, bool allowAdding, bool autoSelect,
                                  bool autoAdd, bool showNotice) override;

private:
    // Starts LaunchApplication when it names a file and is not running, as
    // far as its process or the window of `settingName` tell; true when it
    // was started.
    bool LaunchApplication(const DiscIdentity& disc, std::string_view settingName);

    DvdArrivalParts mParts;
    const COptions& mOptions;
    CPlayList& mPlayList;
    // The disc for which the player failed to start, while it is in the drive.
    std::optional<DiscIdentity> mLaunchFailedFor;
};

} // namespace kiv
