#pragma once

#include "app/Dialogs.h"
#include "app/FeatureSeams.h"
#include "app/HookSupervisor.h"
#include "app/Selection.h"
#include "store/Options.h"
#include "util/ErrorReport.h"

namespace kiv {

// The options command: the options dialog, then the hooks and the current
// setting brought in line with what the user saved.
class COptionsCommand : public IDialogCommand {
public:
    COptionsCommand(IDialogs& dialogs, ISelection& selection, CHookSupervisor& hooks,
                    COptions& options, IErrorReporter& reporter)
        : mDialogs(dialogs), mSelection(selection), mHooks(hooks), mOptions(options),
          mReporter(reporter) {}

    void HandleOptionsClick();
    void OpenDialog() override { HandleOptionsClick(); }

private:
    IDialogs& mDialogs;
    ISelection& mSelection;
    CHookSupervisor& mHooks;
    COptions& mOptions;
    IErrorReporter& mReporter;
};

} // namespace kiv
