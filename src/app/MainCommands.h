#pragma once

#include "app/CommandQueue.h"
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
    struct Features {
        CSettingCommands& settings;
        COptionsCommand& options;
        CPlayListCommand& playList;
    };
    CMainCommands(CCommandQueue& queue, const Features& features, IDialogs& dialogs,
                  IErrorReporter& reporter)
        : mQueue(queue), mSettings(features.settings), mOptions(features.options),
          mPlayList(features.playList), mDialogs(dialogs), mReporter(reporter) {}

    // Runs the command, after the one running when there is one.
    void Invoke(MainCommand command);
    void HandleAboutClick();

private:
    void Run(MainCommand command);

    CCommandQueue& mQueue;
    CSettingCommands& mSettings;
    COptionsCommand& mOptions;
    CPlayListCommand& mPlayList;
    IDialogs& mDialogs;
    IErrorReporter& mReporter;
};

} // namespace kiv
