#pragma once

#include "app/Dialogs.h"
#include "app/FeatureSeams.h"
#include "app/MainView.h"
#include "app/Selection.h"
#include "store/Options.h"
#include "util/ErrorReport.h"

namespace kiv {

// The "..." button beside the application's name: the main window steps
// aside for the selection wizard, and the application the user picks there
// becomes the current setting's and is saved.
class CGetWindowInfo {
public:
    struct Views {
        ISettingCommandsView& commands;
        IMenuView& mainWindow;
        IDialogs& dialogs;
    };
    CGetWindowInfo(const Views& views, ISelection& selection, ISettingCommandSet& commands,
                   COptions& options, IErrorReporter& reporter)
        : mViews(views), mSelection(selection), mCommands(commands), mOptions(options),
          mReporter(reporter) {}

    void cmdGetWindowInfo_Click();

private:
    Views mViews;
    ISelection& mSelection;
    ISettingCommandSet& mCommands;
    COptions& mOptions;
    IErrorReporter& mReporter;
};

} // namespace kiv
