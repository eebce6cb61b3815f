#pragma once

#include "app/MainView.h"
#include "hotkeys/KeyHooks.h"
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
};

// The main window's state and procedures: the settings, the working copy of
// the selected setting, placement and the lock watchdog, start-up and
// shutdown. The window turns messages into these calls; every decision is here.
class CMainController : public ISettingList, private IPlacementListener {
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

    const CWindowSetting* CurrentSetting() const noexcept { return mCurrentSetting.get(); }
    CWindowSettings& Settings() noexcept { return mSettings; }
    const CWindowPlacement& Placement() const noexcept { return mPlacement; }
    bool ReadOnly() const noexcept { return mReadOnly; }
    const std::string& HelpFile() const noexcept { return mHelpFile; }

private:
    // IPlacementListener
    void SetCheckerEnabled(bool enabled) override;
    void AdjustBlanking() override;

    // Each stops the window-size or key hook; false after a missing library
    // has been reported and the program ended.
    bool StopWindowHook();
    bool SetKeyHookOff();
    void StartWindowHook();
    bool ReportMissingLibrary(std::string_view fileName);
    // Sets the lock box, running its click handling when its state changes.
    void SetLockPositionCheck(bool checked);

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
};

} // namespace kiv
