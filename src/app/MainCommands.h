#pragma once

#include "app/Dialogs.h"
#include "app/OptionsCommand.h"
#include "app/PlayListCommand.h"
#include "app/SettingCommands.h"
#include "util/ErrorReport.h"

namespace kiv {

// The main window's commands as its toolbar buttons and menu entries run
// them: the setting commands, the options, the play list and the About box.
class CMainCommands {
public:
    CMainCommands(CSettingCommands& settings, COptionsCommand& options, CPlayListCommand& playList,
                  IDialogs& dialogs, IErrorReporter& reporter)
        : mSettings(settings), mOptions(options), mPlayList(playList), mDialogs(dialogs),
          mReporter(reporter) {}

    void Invoke(MainCommand command);
    void HandleAboutClick();

private:
    CSettingCommands& mSettings;
    COptionsCommand& mOptions;
    CPlayListCommand& mPlayList;
    IDialogs& mDialogs;
    IErrorReporter& mReporter;
};

} // namespace kiv
