#include "app/GetWindowInfo.h"

namespace kiv {

void CGetWindowInfo::cmdGetWindowInfo_Click() {
    // Whatever happens while the wizard runs, these come back as they were.
    const bool playListAutoSelect = mOptions.PlayListAutoSelect;
    const bool globalKeyHook = mOptions.GlobalKeyHook;
    TrapErrors(mReporter, "cmdGetWindowInfo_Click", [&] {
        mViews.mainWindow.SetMainWindowVisible(false);
        const std::optional<ApplicationChoice> choice = mViews.dialogs.SelectApplication(
            mViews.commands.ApplicationNameShown(), mOptions.UseCaptionNotClass);
        if (!choice) {
            mViews.mainWindow.SetMainWindowVisible(true);
            return;
        }
        mViews.commands.ShowApplicationName(choice->appName);
        if (CWindowSetting* current = mSelection.CurrentSetting()) {
            current->ApplicationName = choice->appName;
            current->WindowClass = choice->windowItem;
        }
        mViews.mainWindow.SetMainWindowVisible(true);
        mCommands.HandleSaveClick();
    });
    // A failure above must not leave the main window hidden.
    mViews.mainWindow.SetMainWindowVisible(true);
    mOptions.PlayListAutoSelect = playListAutoSelect;
    mOptions.GlobalKeyHook = globalKeyHook;
}

} // namespace kiv
