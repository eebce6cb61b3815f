#include "app/MainCommands.h"

#include <utility>

namespace kiv {

void CMainCommands::Invoke(MainCommand command) {
    mQueue.Run([this, command] { Run(command); });
}

void CMainCommands::Run(MainCommand command) {
    using Handler = void (ISettingCommandSet::*)();
    static constexpr std::pair<MainCommand, Handler> kSettingHandlers[] = {
        {MainCommand::Add, &ISettingCommandSet::HandleAddSettingClick},
        {MainCommand::Delete, &ISettingCommandSet::HandleDeleteClick},
        {MainCommand::Rename, &ISettingCommandSet::HandleRenameClick},
        {MainCommand::Save, &ISettingCommandSet::HandleSaveClick},
        {MainCommand::SaveAs, &ISettingCommandSet::HandleSaveAsClick}};
    for (const auto& [each, handler] : kSettingHandlers) {
        if (each == command) {
            (mSettings.*handler)();
            return;
        }
    }
    if (command == MainCommand::Options) {
        mOptions.OpenDialog();
    } else if (command == MainCommand::PlayList) {
        mPlayList.OpenDialog();
    } else if (command == MainCommand::About) {
        HandleAboutClick();
    }
    // The others are controls of the window, reached through their own handlers.
}

void CMainCommands::HandleAboutClick() {
    TrapErrors(mReporter, "HandleAboutClick", [&] { mDialogs.ShowAbout(); });
}

} // namespace kiv
