#pragma once

#include "app/Dialogs.h"
#include "app/FeatureSeams.h"
#include "app/Selection.h"
#include "playlist/DriveArrival.h"
#include "store/Options.h"
#include "store/PlayList.h"
#include "util/ErrorReport.h"

namespace kiv {

// The main window's play list command: the play list window shown modally
// while the main window's own DVD handling rests, and the title chosen there
// applied.
class CPlayListCommand : public IDialogCommand {
public:
    struct Drive {
        IDriveReader& reader;
        IDriveArrival& arrival;
    };
    CPlayListCommand(IDialogs& dialogs, ISelection& selection, COptions& options,
                     CPlayList& playList, const Drive& drive, IErrorReporter& reporter)
        : mDialogs(dialogs), mSelection(selection), mOptions(options), mPlayList(playList),
          mDriveReader(drive.reader), mArrival(drive.arrival), mReporter(reporter) {}

    void HandlePlayListClick();
    void OpenDialog() override { HandlePlayListClick(); }

private:
    IDialogs& mDialogs;
    ISelection& mSelection;
    COptions& mOptions;
    CPlayList& mPlayList;
    IDriveReader& mDriveReader;
    IDriveArrival& mArrival;
    IErrorReporter& mReporter;
};

} // namespace kiv
