#pragma once

#include "app/MainView.h"
#include "blanking/Blanking.h"
#include "blanking/Taskbar.h"
#include "hotkeys/KeyHooks.h"
#include "placement/Orbit.h"
#include "placement/WindowPlacement.h"
#include "platform/Desktop.h"
#include "platform/MessagePump.h"
#include "platform/SupportLibraries.h"
#include "store/Options.h"
#include "store/PlayList.h"
#include "store/SettingList.h"
#include "store/WindowSettings.h"
#include "util/ErrorReport.h"

#include <memory>
#include <optional>
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
    // The blanking windows and the taskbar; none (nothing shown, the taskbar
    // always visible) when not given.
    IBlankingPlatform* blanking = nullptr;
};

// The main window's state and procedures: the settings, the working copy of
// the selected setting, placement and the lock watchdog, start-up and
// shutdown. The window turns messages into these calls; every decision is here.
class CMainController : public ISettingList, private IPlacementListener, private IBlankingEvents {
public:
    CMainController(IMainView& view, const Platform& platform, COptions& options,
                    CPlayList& playList, std::string appPath);

    // Start-up of the main window. False when the program must end at once
    // (a support library is missing).
    bool Form_Load(std::string_view commandLine);
    void Form_Unload();

    // Runs whenever the selected entry of the setting list changes.
    void cboSettingName_Click();
    void chkLockPosition_Click();
    void tmrChecker_Timer();

    void AdjustWindow();
    void AddInitialSettings();
    void ProcessCommandArgs(std::string_view commandLine);
    void FillSettingCombo();
    WindowHandle CheckWindowExists();
    int32_t CurrentSettingWindowWidth() const;
    int32_t CurrentSettingWindowHeight() const;
    // "C" + the number of the selected list entry.
    std::string CurrentItemKey() const;

    // The setting list as every selecting procedure sees it: setting a
    // different index runs the selection at once.
    int32_t FindStringExact(std::string_view text) const override;
    int32_t ListCount() const override;
    int32_t ItemData(int32_t index) const override;
    void SetListIndex(int32_t index) override;

    // Blanking and orbiting: the "Blanking" and "Orbiting" pages, their
    // timers, and the session's end.
    void chkBlankingOn_Click();
    // Sets the blanking box, running its click handling when its state changes.
    void SetBlankingOnCheck(bool checked);
    void chkOrbitingOn_Click();
    void cmdTestOrbiting_Click();
    void tmrOrbit_Timer();
    void tmrTestOrbit_Timer();
    void OrbitWindow();
    // ValueIncremented of a WindowPos control, with the event's argument.
    void WindowPos_ValueIncremented(WindowPosControl control, int32_t& newValue);
    void txtOrbitIncrement_Validate();
    void txtOrbitInterval_Validate();
    // The key presses of the main window and of the blanking windows.
    void HandleKeyDown(int16_t keyCode, int16_t shift);
    // The session is ending and the process may be ended at any moment.
    void EndSession();
    // The shell made a new taskbar.
    void TaskbarCreated();
    CBlanking* Blanking() noexcept { return mBlanking.get(); }
    // The last key HandleKeyDown received and how many it has, for diagnostics.
    struct KeyDownRecord {
        int16_t keyCode = 0;
        int16_t shift = 0;
        int32_t count = 0;
    };
    const KeyDownRecord& LastKeyDown() const noexcept { return mLastKeyDown; }

    // --- Setting commands, position controls, hot key frame, menus and tray ---
    // (SettingCommands.cpp, PositionCommands.cpp, MenuCommands.cpp)
    void HandleAddSettingClick();
    void HandleDeleteClick();
    void HandleRenameClick();
    void HandleSaveClick();
    void HandleSaveAsClick();
    void SetButtonEnabledState();
    // A toolbar button by its key ("btnAdd", "btnSave", ...); other keys do nothing.
    void tlbMain_ButtonClick(std::string_view key);
    // The hot key page: the key list, showing a setting's hot key, and the
    // text the user builds with the boxes and the list.
    void LoadKeyCombo();
    void Let_HotKey(std::string_view hotKey);
    void SetNewKeyCode();
    // Nudges, their auto-repeat and the capture of the window's rectangle.
    void cmdSize_Click(int32_t index);
    void cmdSize_MouseDown(int32_t index);
    void cmdSize_MouseUp();
    void tmrRepeater_Timer();
    void cmdCapture_Click();
    // In-place editing of a position label.
    void lblPosition_MouseUp(PositionLabel label);
    void mnuPositionEdit_Click(int32_t index);
    // The key to let through (0 swallows it); Enter moves the focus on.
    int16_t txtPositionEdit_KeyPress(int16_t keyAscii);
    void txtPositionEdit_Validate(std::string_view text);
    // Esc in the edit box: the label keeps its value.
    void txtPositionEdit_Cancel();
    // Menus: each handler gets the entry's index.
    void PopulateAspectmenu();
    void mnuSetting_Click(int32_t index);
    void mnuFeature_Click(int32_t index);
    void mnuHelp_Click(int32_t index);
    void mnuTrayIcon_Click(int32_t index);
    void mnuContext_Click(int32_t index);
    // A mouse event on the tray icon, as its mouse message (516: right button down).
    void TrayIcon_MouseEvent(int32_t mouseMessage);
    // The blanking windows' right click: the context menu at a screen point.
    void ShowContextMenu(int32_t screenX, int32_t screenY);
    const AspectMenuState& AspectMenu() const noexcept { return mAspectMenu; }

    const CWindowSetting* CurrentSetting() const noexcept { return mCurrentSetting.get(); }
    CWindowSettings& Settings() noexcept { return mSettings; }
    const CWindowPlacement& Placement() const noexcept { return mPlacement; }
    bool ReadOnly() const noexcept { return mReadOnly; }
    const std::string& HelpFile() const noexcept { return mHelpFile; }

private:
    // IPlacementListener
    void SetCheckerEnabled(bool enabled) override;
    void AdjustBlanking() override;
    // IBlankingEvents: a key on a blanking window is a key on the main window.
    void BlankingKeyDown(int16_t& keyCode, int16_t& shift) override;
    void BlankingContextMenu(int32_t screenX, int32_t screenY) override;

    // Each stops the window-size or key hook; false after a missing library
    // has been reported and the program ended.
    bool StopWindowHook();
    bool SetKeyHookOff();
    void StartWindowHook();
    bool ReportMissingLibrary(std::string_view fileName);
    // Sets the lock box, running its click handling when its state changes.
    void SetLockPositionCheck(bool checked);
    // Shows the current setting's orbit and blanking values on their pages.
    void ShowOrbitingAndBlanking();
    // A new pad value: negative becomes 0, the setting takes it, blanking follows.
    void PadValueIncremented(WindowPosControl control);

    // Setting commands: the hooks that follow a changed setting collection.
    // False when a missing library ended the program.
    bool RestartKeyHook();
    bool RestartWindowHook();
    void RestartMouseHook();
    // Choosing a setting entry (51-60) of a menu.
    void ChooseSettingFromMenu(int32_t index);
    // One nudge step; false when it failed and was reported.
    bool Nudge(int32_t index);

    IMainView& mView;
    Platform mPlatform;
    COptions& mOptions;
    CPlayList& mPlayList;
    std::string mAppPath;

    CWindowSettings mSettings;
    std::unique_ptr<CWindowSetting> mCurrentSetting;
    CWindowPlacement mPlacement;
    CKeyHooks mKeyHooks;
    bool mReadOnly = false;
    std::string mHelpFile;

    // Blanking and orbiting. The taskbar outlives the blanking windows.
    IBlankingPlatform& mBlankingPlatform;
    CTaskbar mTaskbar;
    std::unique_ptr<CBlanking> mBlanking;
    COrbit mOrbit;
    // Set while a timer's step runs, so a message box it shows cannot stack more.
    bool mOrbitBusy = false;
    bool mTestOrbitBusy = false;
    KeyDownRecord mLastKeyDown;

    // Setting commands, position controls, hot key frame, menus and tray.
    CHotKeyEditor mHotKeyEditor{HotKeyEditorKind::MainWindow};
    int32_t mRepeatCount = 0;
    int16_t mRepeatIndex = 0;
    bool mRepeatBusy = false;
    std::optional<PositionLabel> mEditLabel;
    bool mTrayIcon = false;
    AspectMenuState mAspectMenu;
};

} // namespace kiv
