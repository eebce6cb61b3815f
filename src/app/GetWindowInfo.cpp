#include "app/GetWindowInfo.h"

namespace kiv {

void CGetWindowInfo::cmdGetWindowInfo_Click() {
    // Whatever happens while the wizard runs, these come back as they were.
    const bool playListAutoSelect = mOptions.PlayListAutoSelect;
    const bool globalKeyHook = mOptions.GlobalKeyHook;
    TrapErrors(mReporter, "cmdGetWindowInfo_Click", [&] {
        if (!mSelection.CurrentSetting()) {
            return; // a choice would have no setting to go to
        }
        const std::string key = mSelection.SelectedItemKey();
        mViews.mainWindow.SetMainWindowVisible(false);
        const std::optional<ApplicationChoice> choice = mViews.dialogs.SelectApplication(
            mViews.commands.ApplicationNameShown(), mOptions.UseCaptionNotClass);
        if (!choice) {
            mViews.mainWindow.SetMainWindowVisible(true);
            return;
        }
        // The wizard ran messages: the choice is for the setting selected when
        // it opened, which is only stored when another one is selected by now.
        CWindowSetting* current = mSelection.CurrentSettingOf(key);
        if (!current && !key.empty()) {
            const CWindowSettings::Pointer& stored = mSelection.Settings().Item(key);
            stored->ApplicationName = choice->appName;
            stored->WindowClass = choice->windowItem;
            mSelection.Settings().SaveItems();
            return;
        }
        mViews.commands.ShowApplicationName(choice->appName);
        if (current) {
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
