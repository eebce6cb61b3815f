#include "app/MainController.h"

#include "app/InitialSettings.h"
#include "placement/AppWindow.h"
#include "store/CommandArgs.h"
#include "util/FileSystem.h"
#include "util/Numbers.h"
#include "util/Strings.h"

namespace kiv {

namespace {
constexpr std::string_view kSizeLibraryName = "KIVUtil.dll";
constexpr std::string_view kKeyboardLibraryName = "KIVKbd.dll";
} // namespace

CMainController::CMainController(IMainView& view, const Platform& platform, COptions& options,
                                 CPlayList& playList, std::string appPath)
    : mView(view), mPlatform(platform), mOptions(options), mPlayList(playList),
      mAppPath(std::move(appPath)), mSettings(platform.reporter),
      mPlacement(platform.desktop, platform.sizeLibrary, platform.pump, options, *this),
      mKeyHooks(platform.keyboardLibrary, platform.desktop, platform.reporter) {}

bool CMainController::Form_Load(std::string_view commandLine) {
    // Removing hooks that cannot be there yet doubles as the libraries' load test.
    if (!StopWindowHook() || !SetKeyHookOff()) {
        return false;
    }
    TrapErrors(mPlatform.reporter, "Form_Load", [&] {
        mPlayList.PlayListFile = mAppPath + "KIVPlay.dat";
        mPlayList.LoadItems();

        mSettings.AppDataFile = mAppPath + "KIV.dat";
        mSettings.LoadItems();
        if (mSettings.Count() == 0) {
            // First run: these reach the file only when the user saves.
            AddInitialSettings();
        }
        FillSettingCombo();

        ProcessCommandArgs(commandLine);

        if (mOptions.GlobalKeyHook) {
            mKeyHooks.SetKeyHookOn(mView.Handle(), mSettings, mOptions);
        }
        mKeyHooks.SetMediaHookOn(mView.Handle());
        mKeyHooks.DisableDVDRomContent(mOptions.DisableDVDRomContent);

        std::string helpFile = mAppPath + "kiv.hlp";
        mHelpFile = FileExists(helpFile) ? helpFile : std::string();

        mView.ShowAsStartMode(mOptions.WindowStartMode);
    });
    return true;
}

void CMainController::Form_Unload() {
    TrapErrors(mPlatform.reporter, "Form_Unload", [&] {
        mView.SetTimerEnabled(MainTimer::Checker, false);
        if (mOptions.SubClassWindowSize) {
            try {
                mPlacement.StopWindowHook();
            } catch (...) {
                // Leaving anyway: nothing more to do for a library that is gone.
            }
        }
        if (mOptions.GlobalKeyHook) {
            try {
                mKeyHooks.SetKeyHookOff();
            } catch (...) {
            }
        }
        mKeyHooks.SetMediaHookOff();
        mKeyHooks.StopMouseHook();
        mKeyHooks.DisableDVDRomContent(false);
    });
}

void CMainController::cboSettingName_Click() {
    TrapErrors(mPlatform.reporter, "cboSettingName_Click", [&] {
        int32_t index = mView.SettingListIndex();
        if (index < 0) {
            mView.SetCaption(kAppTitle);
            mCurrentSetting.reset();
            AdjustBlanking();
            return;
        }
        const CWindowSettings::Pointer& stored = mSettings.Item(CurrentItemKey());
        mCurrentSetting = std::make_unique<CWindowSetting>(stored->CopyWithoutKey());

        mView.ShowSetting(*mCurrentSetting);
        SetLockPositionCheck(mCurrentSetting->LockPosition == 1);

        if (mOptions.SubClassWindowSize) {
            if (!StopWindowHook()) {
                return;
            }
            StartWindowHook();
        }
        mKeyHooks.StopMouseHook();
        if (mOptions.AutoMouseHide && mCurrentSetting) {
            mKeyHooks.StartMouseHook(mCurrentSetting->WindowClass);
        }
        AdjustWindow();
        mView.SetCaption(std::string(kAppTitle) + " - " + mView.SettingListText(index));
    });
}

void CMainController::chkLockPosition_Click() {
    if (!mCurrentSetting) {
        return;
    }
    mCurrentSetting->LockPosition = mView.IsLockPositionChecked() ? 1 : 0;
    AdjustWindow();
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
    }
}

void CMainController::AdjustWindow() {
    TrapErrors(mPlatform.reporter, "AdjustWindow",
               [&] { mPlacement.AdjustWindow(mCurrentSetting.get()); });
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
        CCommandArgs args(mPlatform.reporter);
        args.TestString = commandLine;
        args.Delim = "/";
        args.Parse();
        std::string readOnly = args.Item("R");
        if (readOnly == "R" || readOnly == "r") {
            mReadOnly = true;
        }
        std::string name = args.Item("S");
        if (name.empty() || mView.SettingListCount() == 0) {
            return;
        }
        std::string wanted = ToUpperAscii(name);
        for (int32_t i = 0; i < mView.SettingListCount(); ++i) {
            if (ToUpperAscii(mView.SettingListText(i)) == wanted) {
                SetListIndex(i);
                return;
            }
        }
    });
}

void CMainController::FillSettingCombo() {
    TrapErrors(mPlatform.reporter, "FillSettingCombo", [&] {
        int32_t remembered = mView.SettingListIndex();
        mView.ClearSettingList();
        for (const CWindowSettings::Pointer& setting : mSettings) {
            mView.AddSettingListItem(setting->SettingName,
                                     StrictToInt32(std::string_view(setting->ItemKey).substr(1)));
        }
        if (remembered >= 0 && remembered < mView.SettingListCount()) {
            SetListIndex(remembered);
        }
    });
}

WindowHandle CMainController::CheckWindowExists() {
    WindowHandle window = 0;
    TrapErrors(mPlatform.reporter, "CheckWindowExists", [&] {
        if (mCurrentSetting) {
            window = GetAppWindow(mPlatform.desktop, mCurrentSetting->WindowClass);
        }
    });
    return window;
}

int32_t CMainController::CurrentSettingWindowWidth() const {
    return mCurrentSetting ? mCurrentSetting->WindowWidth : 0;
}

int32_t CMainController::CurrentSettingWindowHeight() const {
    return mCurrentSetting ? mCurrentSetting->WindowHeight : 0;
}

std::string CMainController::CurrentItemKey() const {
    return "C" + std::to_string(mView.SettingListItemData(mView.SettingListIndex()));
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
    mView.SetTimerEnabled(MainTimer::Checker, enabled);
}

void CMainController::AdjustBlanking() {
    // The blanking strips follow the placed window once blanking exists.
}

bool CMainController::StopWindowHook() {
    try {
        mPlacement.StopWindowHook();
    } catch (const CRuntimeError& error) {
        if (error.Number() == ErrorNumber::FileNotFound) {
            return ReportMissingLibrary(kSizeLibraryName);
        }
    } catch (...) {
        // Any other failure of the stop call is of no consequence.
    }
    return true;
}

bool CMainController::SetKeyHookOff() {
    try {
        mKeyHooks.SetKeyHookOff();
    } catch (const CRuntimeError& error) {
        if (error.Number() == ErrorNumber::FileNotFound) {
            return ReportMissingLibrary(kKeyboardLibraryName);
        }
    }
    return true;
}

void CMainController::StartWindowHook() {
    TrapErrors(mPlatform.reporter, "StartWindowHook", [&] {
        if (mCurrentSetting) {
            mPlacement.StartWindowHook(mCurrentSetting->WindowClass, mCurrentSetting.get());
        }
    });
}

bool CMainController::ReportMissingLibrary(std::string_view fileName) {
    std::string text = "Unable to load the required support DLL '";
    text += fileName;
    text += "'. Please insure that KIV is installed correctly.";
    mPlatform.reporter.ShowCriticalMessage(text, kAppTitle);
    mView.EndProgramNow();
    return false;
}

void CMainController::SetLockPositionCheck(bool checked) {
    if (mView.IsLockPositionChecked() == checked) {
        return;
    }
    mView.ShowLockPositionChecked(checked);
    chkLockPosition_Click();
}

} // namespace kiv
