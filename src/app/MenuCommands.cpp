// The menus that list settings, the menu bar's and pop-up menus' entries,
// and the tray icon's mouse events.
#include "app/MenuCommands.h"

#include "store/KeyedCollection.h"
#include "util/DebugLog.h"
#include "util/FileSystem.h"

namespace kiv {

namespace {
// The user guide shipped beside kiv.exe, opened when there is no help file.
constexpr std::string_view kUserGuideName = "KIV.htm";
} // namespace

void CMenuCommands::PopulateAspectmenu() {
    TrapErrors(mReporter, "PopulateAspectmenu", [&] {
        AspectMenuState menus;
        const int32_t count = mSelection.ListCount();
        if (count > 0) {
            menus.SeparatorVisible = true;
            // The list's sorted order; settings after the tenth get no entry.
            for (int32_t n = 1; n <= count && n <= static_cast<int32_t>(menus.Entries.size());
                 ++n) {
                SettingMenuEntry& entry = menus.Entries[static_cast<size_t>(n - 1)];
                entry.Caption = "&" + std::to_string(n) + ". " + mSelection.ListText(n - 1);
                entry.Visible = true;
                entry.Tag = ItemKeyOf(mSelection.ItemData(n - 1));
            }
        }
        mAspectMenu = menus;
        mView.ShowSettingMenus(mAspectMenu);
    });
}

void CMenuCommands::ChooseSettingFromMenu(int32_t index) {
    const SettingMenuEntry* entry = mAspectMenu.Entry(index);
    if (entry == nullptr) {
        return;
    }
    // The entry's key as the menu showed it, whatever a refill does before it runs.
    mQueue.Run([this, key = entry->Tag] {
        mSelection.Settings().LocateItemByKey(key, mSelection);
        mSelection.AdjustWindow();
    });
}

bool CMenuCommands::InvokeMenuCommand(std::span<const MenuCommand> entries, int32_t index) {
    for (const MenuCommand& entry : entries) {
        if (entry.index == index) {
            mCommands.Invoke(entry.command);
            return true;
        }
    }
    return false;
}

void CMenuCommands::mnuSetting_Click(int32_t index) {
    if (InvokeMenuCommand(kSettingMenuCommands, index)) {
        return;
    }
    if (index == menu::kExit) {
        mView.UnloadMainWindow();
    } else {
        ChooseSettingFromMenu(index);
    }
}

void CMenuCommands::mnuFeature_Click(int32_t index) {
    InvokeMenuCommand(kFeatureMenuCommands, index);
}

void CMenuCommands::mnuHelp_Click(int32_t index) {
    if (!InvokeMenuCommand(kHelpMenuCommands, index) && index == menu::kHelpOnKiv) {
        mQueue.Run([this] { ShowHelp(); });
    }
}

void CMenuCommands::ShowHelp() {
    if (!mHelpFile.empty()) {
        mView.ShowHelpContents(mHelpFile);
        return;
    }
    // No help file: the user guide beside the program stands in for it.
    const std::string guide = mAppPath + std::string(kUserGuideName);
    if (FileExists(guide) && mView.OpenDocument(guide)) {
        return;
    }
    mReporter.ShowMessage("The KIV user guide " + guide + " could not be opened.", kAppTitle);
}

void CMenuCommands::mnuTrayIcon_Click(int32_t index) {
    switch (index) {
    case menu::kTrayExit:
        mView.UnloadMainWindow();
        break;
    case menu::kTrayShow:
    case menu::kTrayHide:
        // Only made visible: a minimized window stays minimized.
        mQueue.Run([this, index] { mView.SetMainWindowVisible(index == menu::kTrayShow); });
        break;
    case menu::kTrayApply:
        mQueue.Run([this] { mSelection.cboSettingName_Click(); });
        break;
    default:
        ChooseSettingFromMenu(index);
        break;
    }
}

void CMenuCommands::mnuContext_Click(int32_t index) {
    if (index >= menu::kContextBlankingOff && index <= menu::kContextApply) {
        mQueue.Run([this, index] { RunContextEntry(index); });
    } else {
        ChooseSettingFromMenu(index);
    }
}

void CMenuCommands::RunContextEntry(int32_t index) {
    TrapErrors(mReporter, "mnuContext_Click", [&] {
        switch (index) {
        case menu::kContextBlankingOff:
            // The box's own handling turns blanking off.
            mBlanking.SetBlankingOnCheck(false);
            break;
        case menu::kContextAnimate:
            mBlanking.Animate();
            break;
        case menu::kContextShowKiv:
            mView.BringMainWindowToFront();
            break;
        case menu::kContextApply:
            mSelection.cboSettingName_Click();
            break;
        default:
            break;
        }
    });
}

void CMenuCommands::AddTrayIcon() {
    mTrayIcon = true;
    if (!mView.AddTrayIcon()) {
        // The shell may not run yet; its TaskbarCreated brings the icon.
        LogDebug("AddTrayIcon", "the shell refused the icon");
    }
}

void CMenuCommands::RemoveTrayIcon() {
    if (mTrayIcon) {
        mView.DeleteTrayIcon();
    }
}

void CMenuCommands::TaskbarCreated() {
    if (mTrayIcon && !mView.AddTrayIcon()) {
        LogDebug("TaskbarCreated", "the new taskbar refused the icon");
    }
}

void CMenuCommands::TrayIcon_MouseEvent(int32_t mouseMessage) {
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

void CMenuCommands::ShowContextMenu(int32_t screenX, int32_t screenY) {
    int32_t chosen = mView.ShowPopupMenu(MainPopup::Context, ScreenPoint{screenX, screenY});
    if (chosen >= 0) {
        mnuContext_Click(chosen);
    }
}

} // namespace kiv
