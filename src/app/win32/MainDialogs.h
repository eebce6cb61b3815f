#pragma once

#include "app/Dialogs.h"
#include "platform/win32/Window.h"

namespace kiv::win32 {

// The modal windows the main window's commands open, each over the main window.
class CMainDialogs : public IDialogs {
public:
    explicit CMainDialogs(const CWindow& owner) : mOwner(owner) {}

    std::optional<std::string> AskSettingName(std::string_view initialText) override;
    void ShowOptions(const OptionsDialogInput& input) override;
    bool ShowPlayList(CPlayListWindow& window) override;
    std::optional<ApplicationChoice> SelectApplication(std::string_view appName,
                                                       bool useCaption) override;
    void ShowAbout() override;

private:
    const CWindow& mOwner;
};

} // namespace kiv::win32
