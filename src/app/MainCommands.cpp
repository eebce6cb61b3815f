#include "app/MainCommands.h"

namespace kiv {

void CMainCommands::Invoke(MainCommand command) {
    mQueue.Run([this, command] { Run(command); });
}

void CMainCommands::Run(MainCommand command) {
    switch (command) {
    case MainCommand::Add:
        mSettings.HandleAddSettingClick();
        break;
    case MainCommand::Delete:
        mSettings.HandleDeleteClick();
        break;
    case MainCommand::Rename:
        mSettings.HandleRenameClick();
        break;
    case MainCommand::Save:
        mSettings.HandleSaveClick();
        break;
    case MainCommand::SaveAs:
        mSettings.HandleSaveAsClick();
        break;
    case MainCommand::Options:
        mOptions.OpenDialog();
        break;
    case MainCommand::PlayList:
        mPlayList.OpenDialog();
        break;
    case MainCommand::About:
        HandleAboutClick();
        break;
    default:
        // The others are controls of the window, reached through their own handlers.
        break;
    }
}

void CMainCommands::HandleAboutClick() {
    TrapErrors(mReporter, "HandleAboutClick", [&] { mDialogs.ShowAbout(); });
}

} // namespace kiv
