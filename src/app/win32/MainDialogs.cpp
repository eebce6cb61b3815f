#include "app/win32/MainDialogs.h"

#include "dialogs/win32/frmAbout.h"
#include "dialogs/win32/frmOptions.h"
#include "dialogs/win32/frmSettingName.h"
#include "dialogs/win32/frmWindowSelect.h"
#include "platform/win32/StartWithWindowsWin32.h"
#include "playlist/win32/frmPlayList.h"

namespace kiv::win32 {

std::optional<std::string> CMainDialogs::AskSettingName(std::string_view initialText) {
    return frmSettingName::Ask(mOwner.Hwnd(), initialText);
}

void CMainDialogs::ShowOptions(const OptionsDialogInput& input) {
    CStartWithWindowsWin32 runKey;
    OptionsDialogInput withRunKey = input;
    withRunKey.startWithWindows = &runKey;
    frmOptions::Show(mOwner.Hwnd(), withRunKey);
}

bool CMainDialogs::ShowPlayList(CPlayListWindow& window) {
    return frmPlayList::Show(mOwner.Hwnd(), window);
}

std::optional<ApplicationChoice> CMainDialogs::SelectApplication(std::string_view appName,
                                                                 bool useCaption) {
    return frmWindowSelect::Run(mOwner.Hwnd(), appName, useCaption);
}

void CMainDialogs::ShowAbout() {
    frmAbout::Show(mOwner.Hwnd());
}

} // namespace kiv::win32
