#include "app/MainController.h"
#include "app/MainWindowPlace.h"
#include "util/ErrorReport.h"

#include "blanking/Taskbar.h"
#include "placement/AppWindow.h"
#include "placement/InitialSettings.h"
#include "store/CommandArgs.h"
#include "store/DataFolder.h"
#include "util/FileSystem.h"
#include "util/Numbers.h"
#include "util/Strings.h"

#include <optional>

namespace kiv {

CMainController::CMainController(const MainViews& views, const Platform& platform,
                                 COptions& options, CPlayList& playList, std::string appPath,
                                 std::string dataFolder)
    : mView(views.main), mQueue([&view = views.main] { view.CancelModalWindows(); }),
      mPlatform(platform), mOptions(options), mPlayList(playList), mAppPath(std::move(appPath)),
      mDataFolder(std::move(dataFolder)), mSettings(platform.reporter), mMoveNotice(views.main),
      mPlacement(platform.desktop, platform.sizeLibrary, platform.pump, options, *this),
      mDisplays(platform.desktop),
      mInstantLock(platform.sizeLibrary, mPlacement, [this] { tmrChecker_Timer(); }),
      mHooks(mPlacement, platform.keyboardLibrary, platform.desktop, options, platform.reporter,
             [&view = views.main] { view.EndProgramNow(); }),
      mBlanking(views.blanking, *this, platform.desktop, platform.blanking, options,
                platform.reporter, mDataFolder + std::string(kTaskbarMarkerName), *this),
      mOrbiting(views.orbiting, *this, mBlanking, platform.desktop, platform.reporter),
      mPosition(views.position, *this, mHooks, platform.desktop, platform.reporter),
      mAppearance(platform.windowWatch, platform.desktop, [this] { PlaceShownWindow(); }),
      mDvdArrival(
          {views.main, *this, platform.drive, platform.launcher, platform.pump, platform.reporter},
          options, playList),
      mOptionsCommand(views.dialogs, *this, mHooks, options, platform.reporter),
      mPlayListCommand(views.dialogs, *this, options, playList, {platform.drive, mDvdArrival},
                       platform.reporter),
      mCommands({views.commands, views.dialogs, views.hotKey}, *this, mHooks, platform.desktop,
                platform.reporter),
      mMainCommands(mQueue, {mCommands, mOptionsCommand, mPlayListCommand}, views.dialogs,
                    platform.reporter),
      mMenus(views.menus, *this, mQueue, mMainCommands, mBlanking, platform.reporter, mAppPath),
      mGetWindowInfo({views.commands, views.menus, views.dialogs}, *this, mCommands, options,
                     platform.reporter),
      mHotKeyActions({mPosition, mCommands, mBlanking}, *this, views.main, platform.desktop),
      mHotKeys(mHotKeyActions, platform.reporter) {}

bool CMainController::Form_Load(std::string_view commandLine) {
    // Removing hooks that cannot be there yet doubles as the libraries' load test.
    if (!mHooks.StopWindowHook() || !mHooks.SetKeyHookOff()) {
        return false;
    }
    // Commands that arrive while start-up waits (a second copy's) run after it.
    mQueue.Hold([&] { StartUp(commandLine); });
    return true;
}

void CMainController::StartUp(std::string_view commandLine) {
    TrapErrors(mPlatform.reporter, "Form_Load", [&] {
        mBlanking.Start();

        mPlayList.PlayListFile = mDataFolder + kPlayListFileName;
        mPlayList.LoadItems();

        mSettings.AppDataFile = mDataFolder + kSettingsFileName;
        mSettings.LoadItems();
        if (mSettings.Count() == 0 && !mSettings.FileUnread()) {
            // First run: these reach the file only when the user saves. A file
            // that is there but could not be read is no first run.
            AddInitialSettings();
        }
        FillSettingCombo();
        mView.SetupTabPages(true, "WP");
        mCommands.LoadKeyCombo();
        mView.SetToolTips();

        ProcessCommandArgs(commandLine);

        mHooks.StartSessionHooks(mView.Handle(), mSettings);
        mCommands.SetButtonEnabledState();

        std::string helpFile = mAppPath + "kiv.hlp";
        mMenus.SetHelpFile(FileExists(helpFile) ? helpFile : std::string());

        mView.ShowAsStartMode(mOptions.WindowStartMode);
        if (mOptions.ShowTrayIcon) {
            mMenus.AddTrayIcon();
            // A shell may show its taskbar when an icon arrives (Wine's does);
            // a setting applied from the command line may be blanking.
            mBlanking.TaskbarCreated();
        }
        // The disc already in the drive: its setting and the player, nothing added.
        mDvdArrival.DriveArriveSelectSetting(mOptions.Drive + ":", false, true, false, false);
    });
}

void CMainController::Form_Unload() {
    TrapErrors(mPlatform.reporter, "Form_Unload", [&] {
        mBlanking.Stop();
        mAppearance.Stop();
        SetCheckerEnabled(false);
        mHooks.StopAll();
        mBlanking.RestoreTaskbar();
        mMenus.RemoveTrayIcon();
    });
}

std::optional<WindowOrigin> CMainController::MainWindowOpenAt(Size windowSize) {
    if (!mOptions.MainWindowPosition) {
        return std::nullopt;
    }
    return MainWindowOpenOrigin(*mOptions.MainWindowPosition, windowSize,
                                mPlatform.desktop.Monitors());
}

void CMainController::MainWindowClosing(WindowOrigin origin) {
    mOptions.MainWindowPosition = origin;
    mOptions.SaveMainWindowPosition();
}

void CMainController::cboSettingName_Click() {
    TrapErrors(mPlatform.reporter, "cboSettingName_Click", [&] {
        // A window still awaited belongs to the setting chosen before.
        mAppearance.Stop();
        mMoveNotice.SelectionStarting();
        int32_t index = mView.SettingListIndex();
        if (index < 0) {
            mView.SetCaption(kAppTitle);
            mCurrentSetting.reset();
            mBlanking.AdjustBlanking();
            // Nothing to delete, rename, save or choose an application for.
            mCommands.SetButtonEnabledState();
            return;
        }
        const CWindowSettings::Pointer& stored = mSettings.Item(CurrentItemKey());
        mCurrentSetting = std::make_unique<CWindowSetting>(stored->CopyWithoutKey());

        mView.ShowSetting(*mCurrentSetting);
        mPosition.ShowSetting(*mCurrentSetting);
        mOrbiting.ShowSetting(*mCurrentSetting);
        mBlanking.ShowSetting(*mCurrentSetting);
        mPosition.SetLockPositionCheck(mCurrentSetting->LockPosition == 1);
        mCommands.Let_HotKey(mCurrentSetting->HotKey);

        if (!mHooks.RestartWindowHook(mCurrentSetting.get())) {
            return;
        }
        mMoveNotice.HookInstalled(mPlacement.MissingHookHelper());
        // The wait for the hook ran messages: a timer may have chosen again meanwhile.
        if (!mCurrentSetting || mView.SettingListIndex() != index) {
            return;
        }
        mHooks.RestartMouseHook(mCurrentSetting.get());
        AdjustWindow();
        mCommands.SetButtonEnabledState();
        mMoveNotice.ShowCaption(std::string(kAppTitle) + " - " + mView.SettingListText(index));
    });
}

void CMainController::tmrChecker_Timer() {
    try {
        switch (mPlacement.CheckPlacedWindow()) {
        case CWindowPlacement::CheckResult::InPlace:
            break;
        case CWindowPlacement::CheckResult::Moved:
            AdjustWindow();
            break;
        case CWindowPlacement::CheckResult::Gone:
            // The controlled program was closed: nothing to keep in place.
            SetListIndex(-1);
            SetCheckerEnabled(false);
            break;
        }
    } catch (...) {
        // A timer tick has nobody to report to; the next tick tries again.
        LogCurrentError("tmrChecker_Timer");
    }
}

void CMainController::AdjustWindow() {
    TrapErrors(mPlatform.reporter, "AdjustWindow",
               [&] { mPlacement.AdjustWindow(mCurrentSetting.get()); });
    mMoveNotice.Placed(mPlacement.LastMoveTrouble());
    if (mPlacement.LastMoveTrouble() == CWindowPlacement::MoveTrouble::NoAnswer &&
        mCurrentSetting) {
        mAppearance.WatchForAnswer(mCurrentSetting->WindowClass);
    }
}

void CMainController::AddInitialSettings() {
    TrapErrors(mPlatform.reporter, "AddInitialSettings", [&] {
        Size screen = mPlatform.desktop.PrimaryScreenSize();
        for (const CWindowSetting& setting : InitialSettings(screen.width, screen.height)) {
            mSettings.Add(setting);
        }
    });
}

void CMainController::ProcessCommandArgs(std::string_view commandLine) {
    TrapErrors(mPlatform.reporter, "ProcessCommandArgs", [&] {
        const CCommandArgs args = ParsedArguments(mPlatform.reporter, commandLine);
        std::string readOnly = args.Item("R");
        if (readOnly == "R" || readOnly == "r") {
            mReadOnly = true;
        }
        SelectListEntryNamed(args.Item("S"));
        // The player may be started after KIV.
        PlaceAppWindowWhenShown();
    });
}

void CMainController::SelectListEntryNamed(std::string_view name) {
    if (name.empty()) {
        return;
    }
    // The list's own exact search: the first entry of this name, every
    // letter's case folded as the list folds it, not only ASCII's.
    const int32_t index = mView.FindSettingListText(name);
    if (index >= 0) {
        SetListIndex(index);
    }
}

void CMainController::SecondCopyStarted(std::string_view commandLine) {
    mQueue.RunLatest(LatestOnly::SecondCopy, [this, line = std::string(commandLine)] {
        TrapErrors(mPlatform.reporter, "ProcessCommandArgs", [&] {
            const std::string name = ParsedArguments(mPlatform.reporter, line).Item("S");
            if (name.empty()) {
                return;
            }
            SelectListEntryNamed(name);
            AdjustWindow();
        });
    });
}

void CMainController::FillSettingCombo() {
    // Traps nothing: a failure reaches the command that refills the list.
    // The entry is found again by its item key, not its place: a name added
    // before it in the sorted list would else put a neighbour there, and
    // selecting that would apply it to the player for a moment.
    const int32_t remembered = mView.SettingListIndex();
    const std::optional<int32_t> rememberedKey =
        remembered >= 0 ? std::optional(mView.SettingListItemData(remembered)) : std::nullopt;
    mView.ClearSettingList();
    for (const CWindowSettings::Pointer& setting : mSettings) {
        mView.AddSettingListItem(setting->SettingName,
                                 StrictToInt32(std::string_view(setting->ItemKey).substr(1)));
    }
    // The list changed: so do the menus that list it, before the selection
    // below runs anything.
    mMenus.PopulateAspectmenu();
    for (int32_t i = 0; rememberedKey && i < mView.SettingListCount(); ++i) {
        if (mView.SettingListItemData(i) == *rememberedKey) {
            SetListIndex(i);
            return;
        }
    }
}

int32_t CMainController::ListIndex() const {
    return mView.SettingListIndex();
}

void CMainController::ShowListIndex(int32_t index) {
    mView.ShowSettingListIndex(index);
}

std::string CMainController::ListText(int32_t index) const {
    return mView.SettingListText(index);
}

std::string CMainController::CurrentItemKey() const {
    return ItemKeyOf(mView.SettingListItemData(mView.SettingListIndex()));
}

int32_t CMainController::FindStringExact(std::string_view text) const {
    return mView.FindSettingListText(text);
}

int32_t CMainController::ListCount() const {
    return mView.SettingListCount();
}

int32_t CMainController::ItemData(int32_t index) const {
    return mView.SettingListItemData(index);
}

void CMainController::SetListIndex(int32_t index) {
    if (index < -1 || index >= mView.SettingListCount()) {
        Raise(ErrorNumber::InvalidProcedureCall);
    }
    if (mView.SettingListIndex() == index) {
        return;
    }
    mView.ShowSettingListIndex(index);
    cboSettingName_Click();
}

void CMainController::SetCheckerEnabled(bool enabled) {
    mView.SetCheckerEnabled(enabled);
    mInstantLock.LockArmed(enabled);
}

void CMainController::AdjustBlanking() {
    mBlanking.AdjustBlanking();
}

void CMainController::ShowBlankingContextMenu(int32_t screenX, int32_t screenY) {
    mMenus.ShowContextMenu(screenX, screenY);
}

void CMainController::ShowNoSetting() {
    // A page that fails to clear leaves the others to clear all the same.
    SkippingErrors("ShowNoSetting", [&] { mPosition.ShowNoValues(); });
    SkippingErrors("ShowNoSetting", [&] { mOrbiting.ShowNoValues(); });
    SkippingErrors("ShowNoSetting", [&] { mBlanking.ShowNoValues(); });
}

void CMainController::HotKeyMessage(int64_t index) {
    // The key is the one of the table as it is now, which a save may rebuild meanwhile.
    mQueue.Run([this, action = mHooks.HotKeyActionName(index)] { mHotKeys.HotKeyPressed(action); });
}

void CMainController::MediaArrived(uint32_t unitMask) {
    // Only the drive KIV watches: a stick or a disc elsewhere is not the film.
    if (!ArrivalIsInDrive(unitMask, mOptions.Drive)) {
        return;
    }
    // With the options as they are now: the play list window turns the
    // automatic handling off while it is open.
    mQueue.RunLatest(LatestOnly::DiscArrival, [this, drive = mOptions.Drive + ":",
                                               autoSelect = mOptions.PlayListAutoSelect,
                                               autoAdd = mOptions.PlayListAutoAdd] {
        TrapErrors(mPlatform.reporter, "Subclass1_WndProc", [&] {
            mDvdArrival.DriveArriveSelectSetting(drive, true, autoSelect, autoAdd, true);
        });
    });
}

void CMainController::PlaceShownWindow() {
    // The selection found no window to hook: the one shown now gets the hooks
    // it would have had, so a setting taller than the screen can grow past it.
    if (mCurrentSetting && !mHooks.RestartWindowHook(mCurrentSetting.get())) {
        return;
    }
    mMoveNotice.HookInstalled(mPlacement.MissingHookHelper());
    // The hook's wait ran messages: the setting may be gone by now.
    if (mCurrentSetting) {
        mHooks.RestartMouseHook(mCurrentSetting.get());
    }
    AdjustWindow();
}

bool CMainController::SettingWindowShown(std::string_view name) {
    const CWindowSetting* setting = mCurrentSetting.get();
    for (const CWindowSettings::Pointer& item : mSettings) {
        if (!name.empty() && item->SettingName == name) {
            setting = item.get();
            break;
        }
    }
    return setting && GetAppWindow(mPlatform.desktop, setting->WindowClass) != 0;
}

std::optional<Rect> CMainController::PlayerDisplay() {
    std::optional<Monitor> monitor;
    if (mCurrentSetting) {
        monitor = PlayerMonitor(mPlatform.desktop, *mCurrentSetting);
    }
    return monitor ? std::optional<Rect>(monitor->area) : std::nullopt;
}

void CMainController::PlaceAppWindowWhenShown() {
    if (mCurrentSetting) {
        mAppearance.WatchFor(mCurrentSetting->WindowClass, mPlacement.AppHwnd());
    }
}

void CMainController::ScreenChanged() {
    // Seen now: the displays' watch need not report it again.
    mDisplays.LayoutChanged();
    mQueue.RunLatest(LatestOnly::ScreenChange, [this] {
        if (mCurrentSetting) {
            mPosition.ShowSetting(*mCurrentSetting);
        }
        if (mCurrentSetting && !mHooks.RestartWindowHook(mCurrentSetting.get())) {
            return;
        }
        AdjustWindow();
    });
}

void CMainController::tmrDisplays_Timer() {
    if (mDisplays.LayoutChanged()) {
        ScreenChanged();
    }
}

void CMainController::EndSession() {
    mBlanking.EndSession();
}

void CMainController::TaskbarCreated() {
    // The new notification area knows nothing of the icon; the taskbar is
    // hidden last, as a shell may show it when an icon arrives.
    mMenus.TaskbarCreated();
    mBlanking.TaskbarCreated();
}

} // namespace kiv
