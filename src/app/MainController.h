#pragma once

#include "app/CommandQueue.h"
#include "app/Dialogs.h"
#include "app/GetWindowInfo.h"
#include "app/HookSupervisor.h"
#include "app/HotKeyActions.h"
#include "app/MainCommands.h"
#include "app/MainView.h"
#include "app/MenuCommands.h"
#include "app/MoveRefusalNotice.h"
#include "app/OptionsCommand.h"
#include "app/Orbiting.h"
#include "app/PlayListCommand.h"
#include "app/PositionEditor.h"
#include "app/ScreenBlanking.h"
#include "app/Selection.h"
#include "app/SettingCommands.h"
#include "hotkeys/HotKeyDispatch.h"
#include "placement/InstantLock.h"
#include "placement/WindowAppearance.h"
#include "placement/WindowPlacement.h"
#include "platform/Desktop.h"
#include "platform/MessagePump.h"
#include "platform/SupportLibraries.h"
#include "playlist/DvdArrival.h"
#include "store/Options.h"
#include "store/PlayList.h"
#include "store/WindowSettings.h"
#include "util/ErrorReport.h"

#include <memory>
#include <string>
#include <string_view>

namespace kiv {

// What the controller needs of the operating system.
struct Platform {
    IDesktop& desktop;
    IWindowSizeLibrary& sizeLibrary;
    IKeyboardLibrary& keyboardLibrary;
    IMessagePump& pump;
    IErrorReporter& reporter;
    // The blanking windows and the taskbar.
    IBlankingPlatform& blanking;
    // The disc in a drive, starting the player, and new windows appearing.
    IDriveReader& drive;
    IProgramLauncher& launcher;
    IWindowShowWatch& windowWatch;
};

// The main window, its pages, its menus and its dialogs: each feature talks to its own.
struct MainViews {
    IMainView& main;
    IPositionView& position;
    IOrbitingView& orbiting;
    IBlankingView& blanking;
    IHotKeyEditorView& hotKey;
    ISettingCommandsView& commands;
    IMenuView& menus;
    IDialogs& dialogs;
};

// The main window's state and the procedures around the selection: start-up
// and shutdown, the settings and the working copy of the selected setting,
// placement and the lock watchdog. Each feature of the window is a class of
// its own that the controller owns and wires to its views.
class CMainController : public ISelection,
                        private IPlacementListener,
                        private IDvdArrivalSelection,
                        private IBlankingContextMenu {
public:
    // `appPath` holds the program and its help; `dataFolder` the data files.
    CMainController(const MainViews& views, const Platform& platform, COptions& options,
                    CPlayList& playList, std::string appPath, std::string dataFolder);

    // Start-up of the main window. False when the program must end at once
    // (a support library is missing).
    bool Form_Load(std::string_view commandLine);
    void Form_Unload();
    // Where the main window, of `windowSize` now, opens: where it was last
    // closed. Nothing before KIV has ever closed: it opens as on the first run.
    std::optional<WindowOrigin> MainWindowOpenAt(Size windowSize);
    // The main window closes, or the session ends, with its restored corner
    // at `origin`: the next start opens it there.
    void MainWindowClosing(WindowOrigin origin);

    // Runs whenever the selected entry of the setting list changes.
    void cboSettingName_Click() override;
    void tmrChecker_Timer();
    void AdjustWindow() override;
    void FillSettingCombo() override;

    // ISelection
    CWindowSettings& Settings() override { return mSettings; }
    CWindowSetting* CurrentSetting() override { return mCurrentSetting.get(); }
    int32_t ListIndex() const override;
    void ShowListIndex(int32_t index) override;
    std::string ListText(int32_t index) const override;
    std::string CurrentItemKey() const override;
    bool ReadOnly() const override { return mReadOnly; }
    void ShowNoSetting() override;
    // The setting list as every selecting procedure sees it: setting a
    // different index runs the selection at once.
    int32_t FindStringExact(std::string_view text) const override;
    int32_t ListCount() const override;
    int32_t ItemData(int32_t index) const override;
    void SetListIndex(int32_t index) override;

    // The features of the main window, for the window to reach them.
    CPositionEditor& Position() noexcept { return mPosition; }
    COrbiting& Orbiting() noexcept { return mOrbiting; }
    CScreenBlanking& Blanking() noexcept { return mBlanking; }
    CSettingCommands& Commands() noexcept { return mCommands; }
    CMainCommands& MainCommands() noexcept { return mMainCommands; }
    CMenuCommands& Menus() noexcept { return mMenus; }
    CGetWindowInfo& GetWindowInfo() noexcept { return mGetWindowInfo; }
    // Every command of the user or the system goes through it, one at a time.
    CCommandQueue& Queue() noexcept { return mQueue; }

    // A second copy of KIV started with `commandLine` and ended: its /S
    // setting is selected and placed, as a hot key would; the rest is ignored.
    void SecondCopyStarted(std::string_view commandLine);
    // The key hook reports that the hot key of its table entry `index` was pressed.
    void HotKeyMessage(int64_t index);
    // The media listener reports a medium inserted into the drives of
    // `unitMask` (bit 0 for A:); only the configured drive counts.
    void MediaArrived(uint32_t unitMask);

    // The screen layout changed, or the machine woke up: the size hook's
    // limit follows the screen, and the player may have been moved.
    void ScreenChanged();
    // Looks for a display switched off or on, which Wine tells no window of.
    void tmrDisplays_Timer();
    // The session is ending and the process may be ended at any moment.
    void EndSession();
    // The shell made a new taskbar.
    void TaskbarCreated();

private:
    // IPlacementListener
    void SetCheckerEnabled(bool enabled) override;
    void AdjustBlanking() override;
    // IDvdArrivalSelection
    void SelectSettingNamed(std::string_view name) override { mSettings.LocateItem(name, *this); }
    void PlaceAppWindowWhenShown() override;
    bool SettingWindowShown(std::string_view name) override;
    std::optional<Rect> PlayerDisplay() override;
    // IBlankingContextMenu
    void ShowBlankingContextMenu(int32_t screenX, int32_t screenY) override;

    void StartUp(std::string_view commandLine);
    // The late-window watch found the setting's window: hooks, then placement.
    void PlaceShownWindow();
    void AddInitialSettings();
    void ProcessCommandArgs(std::string_view commandLine);
    // Selects the first list entry of this name, compared without regard to case.
    void SelectListEntryNamed(std::string_view name);

    IMainView& mView;
    CCommandQueue mQueue;
    Platform mPlatform;
    COptions& mOptions;
    CPlayList& mPlayList;
    std::string mAppPath;
    std::string mDataFolder;

    CWindowSettings mSettings;
    std::unique_ptr<CWindowSetting> mCurrentSetting;
    bool mReadOnly = false;
    CMoveRefusalNotice mMoveNotice;
    CWindowPlacement mPlacement;
    CDisplayWatch mDisplays;
    CInstantLock mInstantLock;
    CHookSupervisor mHooks;
    CScreenBlanking mBlanking;
    COrbiting mOrbiting;
    CPositionEditor mPosition;
    CWindowAppearance mAppearance;
    CDvdArrival mDvdArrival;
    COptionsCommand mOptionsCommand;
    CPlayListCommand mPlayListCommand;
    CSettingCommands mCommands;
    CMainCommands mMainCommands;
    CMenuCommands mMenus;
    CGetWindowInfo mGetWindowInfo;
    CHotKeyActions mHotKeyActions;
    CHotKeyDispatcher mHotKeys;
};

} // namespace kiv
