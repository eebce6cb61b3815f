// The menus that list settings, the menu bar's and pop-up menus' entries,
// and the tray icon's mouse events.
#include "app/MainController.h"

#include "util/FileSystem.h"

namespace kiv {

namespace {
// The user guide shipped beside kiv.exe, opened when there is no help file.
constexpr std::string_view kUserGuideName = "KIV.htm";
} // namespace

void CMainController::PopulateAspectmenu() {
    TrapErrors(mPlatform.reporter, "PopulateAspectmenu", [&] {
        AspectMenuState menus;
        const int32_t count = mView.SettingListCount();
        if (count > 0) {
            menus.SeparatorVisible = true;
            // The list's sorted order; settings after the tenth get no entry.
            for (int32_t n = 1; n <= count && n <= static_cast<int32_t>(menus.Entries.size());
                 ++n) {
                SettingMenuEntry& entry = menus.Entries[static_cast<size_t>(n - 1)];
                entry.Caption = "&" + std::to_string(n) + ". " + mView.SettingListText(n - 1);
                entry.Visible = true;
                entry.Tag = "C" + std::to_string(mView.SettingListItemData(n - 1));
            }
        }
        mAspectMenu = menus;
        mView.ShowSettingMenus(mAspectMenu);
    });
}

void CMainController::ChooseSettingFromMenu(int32_t index) {
    const SettingMenuEntry* entry = mAspectMenu.Entry(index);
    if (entry == nullptr) {
        return;
    }
    mSettings.LocateItemByKey(entry->Tag, *this);
    AdjustWindow();
}

void CMainController::mnuSetting_Click(int32_t index) {
    switch (index) {
    case 0:
        HandleAddSettingClick();
        break;
    case 10:
        HandleDeleteClick();
        break;
    case 20:
        HandleRenameClick();
        break;
    case 30:
        HandleSaveClick();
        break;
    case 40:
        HandleSaveAsClick();
        break;
    case 100:
        mView.UnloadMainWindow();
        break;
    default:
        ChooseSettingFromMenu(index);
        break;
    }
}

void CMainController::mnuFeature_Click(int32_t /*index*/) {
    // "&Play List..." (0) and "Op&tions..." (10) open windows that do not exist
    // yet; their entries stay disabled until they do.
}

void CMainController::mnuHelp_Click(int32_t index) {
    // "&About..." (0) opens a window that does not exist yet; its entry is disabled.
    if (index != 10) {
        return;
    }
    if (!mHelpFile.empty()) {
        mView.ShowHelpContents(mHelpFile);
        return;
    }
    // No help file: the user guide beside the program stands in for it.
    const std::string guide = mAppPath + std::string(kUserGuideName);
    if (FileExists(guide) && mView.OpenDocument(guide)) {
        return;
    }
    mPlatform.reporter.ShowMessage("The KIV user guide " + guide + " could not be opened.",
                                   kAppTitle);
}

void CMainController::mnuTrayIcon_Click(int32_t index) {
    switch (index) {
    case 0:
        // Only made visible: a minimized window stays minimized.
        mView.SetMainWindowVisible(true);
        break;
    case 1:
        mView.SetMainWindowVisible(false);
        break;
    case 2:
        mView.UnloadMainWindow();
        break;
    case 11:
        cboSettingName_Click();
        break;
    default:
        ChooseSettingFromMenu(index);
        break;
    }
}

void CMainController::mnuContext_Click(int32_t index) {
    TrapErrors(mPlatform.reporter, "mnuContext_Click", [&] {
        switch (index) {
        case 0:
            // The box's own handling turns blanking off.
            SetBlankingOnCheck(false);
            break;
        case 5:
            if (mBlanking) {
                mBlanking->Animate();
            }
            break;
        case 10:
            mView.BringMainWindowToFront();
            break;
        case 25:
            cboSettingName_Click();
            break;
        default:
            ChooseSettingFromMenu(index);
            break;
        }
    });
}

void CMainController::TrayIcon_MouseEvent(int32_t mouseMessage) {
    constexpr int32_t kRightButtonDown = 516;
    if (mouseMessage != kRightButtonDown) {
        // A left double click (515) and every other event do nothing.
        return;
    }
    int32_t chosen = mView.ShowPopupMenu(MainPopup::TrayIcon, std::nullopt);
    if (chosen >= 0) {
        mnuTrayIcon_Click(chosen);
    }
}

void CMainController::ShowContextMenu(int32_t screenX, int32_t screenY) {
    int32_t chosen = mView.ShowPopupMenu(MainPopup::Context, ScreenPoint{screenX, screenY});
    if (chosen >= 0) {
        mnuContext_Click(chosen);
    }
}

} // namespace kiv
