#pragma once

#include "app/CommandQueue.h"
#include "app/Dialogs.h"
#include "app/FeatureSeams.h"
#include "util/ErrorReport.h"

namespace kiv {

// The main window's commands as its toolbar buttons and menu entries run
// them: the setting commands, the options, the play list and the About box.
class CMainCommands : public IMainCommandRunner {
public:
    struct Features {
        ISettingCommandSet& settings;
        IDialogCommand& options;
        IDialogCommand& playList;
    };
    CMainCommands(CCommandQueue& queue, const Features& features, IDialogs& dialogs,
                  IErrorReporter& reporter)
        : mQueue(queue), mSettings(features.settings), mOptions(features.options),
          mPlayList(features.playList), mDialogs(dialogs), mReporter(reporter) {}

    // Runs the command, after the one running when there is one.
    void Invoke(MainCommand command) override;
    void HandleAboutClick();

private:
    void Run(MainCommand command);

    CCommandQueue& mQueue;
    ISettingCommandSet& mSettings;
    IDialogCommand& mOptions;
    IDialogCommand& mPlayList;
    IDialogs& mDialogs;
    IErrorReporter& mReporter;
};

} // namespace kiv
