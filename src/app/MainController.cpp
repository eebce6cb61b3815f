#include "app/MainController.h"
#include "util/ScopeFlag.h"

#include "app/InitialSettings.h"
#include "app/WindowPosValue.h"
#include "placement/AppWindow.h"
#include "store/CommandArgs.h"
#include "util/FileSystem.h"
#include "util/Numbers.h"
#include "util/Strings.h"

#include <cstdint>
#include <optional>

namespace kiv {

namespace {
constexpr std::string_view kSizeLibraryName = "KIVUtil.dll";
constexpr std::string_view kKeyboardLibraryName = "KIVKbd.dll";

// Blanking where the platform offers none: no windows, a taskbar always in view.
class CNoBlankWindow : public IBlankWindow {
public:
    void SetOnTop(bool) override {}
    void SetVisible(bool) override {}
    void Move(int32_t, int32_t, int32_t, int32_t) override {}
    void Animate() override {}
};
class CNoBlankingPlatform : public IBlankingPlatform, private ITaskbarWindow {
public:
    std::unique_ptr<IBlankWindow> CreateBlankWindow(IBlankWindowEvents&) override {
        return std::make_unique<CNoBlankWindow>();
    }
    Size ScreenSize() override { return {}; }
    int32_t CaptionHeight() override { return 0; }
    int32_t FrameHeight() override { return 0; }
    ITaskbarWindow& Taskbar() override { return *this; }

private:
    bool IsVisible() override { return true; }
    void Hide() override {}
    void Show() override {}
};
IBlankingPlatform& NoBlankingPlatform() {
    static CNoBlankingPlatform none;
    return none;
}

bool IsPad(WindowPosControl control) {
    return control == WindowPosControl::BlankLeft || control == WindowPosControl::BlankRight ||
           control == WindowPosControl::BlankTop || control == WindowPosControl::BlankBottom;
}

int32_t& SettingField(CWindowSetting& setting, WindowPosControl control) {
    switch (control) {
    case WindowPosControl::BlankLeft:
        return setting.BlankingPadLeft;
    case WindowPosControl::BlankRight:
        return setting.BlankingPadRight;
    case WindowPosControl::BlankTop:
        return setting.BlankingPadTop;
    case WindowPosControl::BlankBottom:
        return setting.BlankingPadBottom;
    case WindowPosControl::OrbitHorizontal:
        return setting.OrbitRangeHorizontal;
    case WindowPosControl::OrbitVertical:
        break;
    }
    return setting.OrbitRangeVertical;
}

// An orbit text box's number: empty is 0.
int32_t OrbitTextValue(const std::string& text) {
    return text.empty() ? 0 : StrictToInt32(text);
}
} // namespace

CMainController::CMainController(IMainView& view, const Platform& platform, COptions& options,
                                 CPlayList& playList, std::string appPath)
    : mView(view), mPlatform(platform), mOptions(options), mPlayList(playList),
      mAppPath(std::move(appPath)), mSettings(platform.reporter),
      mPlacement(platform.desktop, platform.sizeLibrary, platform.pump, options, *this),
      mKeyHooks(platform.keyboardLibrary, platform.desktop, platform.reporter),
      mBlankingPlatform(platform.blanking ? *platform.blanking : NoBlankingPlatform()),
      mTaskbar(mBlankingPlatform.Taskbar(), mAppPath + std::string(kTaskbarMarkerName)) {}

bool CMainController::Form_Load(std::string_view commandLine) {
    // Removing hooks that cannot be there yet doubles as the libraries' load test.
    if (!StopWindowHook() || !SetKeyHookOff()) {
        return false;
    }
    TrapErrors(mPlatform.reporter, "Form_Load", [&] {
        // A run that was killed while blanking left the taskbar hidden.
        mTaskbar.RestoreAfterUncleanEnd();
        IBlankingEvents& events = *this;
        mBlanking = std::make_unique<CBlanking>(mBlankingPlatform, mTaskbar, mOptions, events,
                                                mPlatform.reporter);
        mBlanking->SetBlankingOn(false);

        mPlayList.PlayListFile = mAppPath + "KIVPlay.dat";
        mPlayList.LoadItems();

        mSettings.AppDataFile = mAppPath + "KIV.dat";
        mSettings.LoadItems();
        if (mSettings.Count() == 0) {
            // First run: these reach the file only when the user saves.
            AddInitialSettings();
        }
        FillSettingCombo();
        PopulateAspectmenu();
        mView.SetupTabPages(true, "WP");
        LoadKeyCombo();
        mView.SetToolTips();

        ProcessCommandArgs(commandLine);

        if (mOptions.GlobalKeyHook) {
            mKeyHooks.SetKeyHookOn(mView.Handle(), mSettings, mOptions);
        }
        mKeyHooks.SetMediaHookOn(mView.Handle());
        mKeyHooks.DisableDVDRomContent(mOptions.DisableDVDRomContent);
        SetButtonEnabledState();

        std::string helpFile = mAppPath + "kiv.hlp";
        mHelpFile = FileExists(helpFile) ? helpFile : std::string();

        mView.ShowAsStartMode(mOptions.WindowStartMode);
        if (mOptions.ShowTrayIcon) {
            mTrayIcon = true;
            mView.AddTrayIcon();
            // A shell may show its taskbar when an icon arrives (Wine's does);
            // a setting applied from the command line may be blanking.
            if (mBlanking) {
                mBlanking->TaskbarCreated();
            }
        }
    });
    return true;
}

void CMainController::Form_Unload() {
    TrapErrors(mPlatform.reporter, "Form_Unload", [&] {
        mBlanking.reset();
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
        if (!mTaskbar.IsTaskBarVisible()) {
            mTaskbar.UnhideTaskbar();
        }
        if (mTrayIcon) {
            mView.DeleteTrayIcon();
        }
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
        ShowOrbitingAndBlanking();
        SetLockPositionCheck(mCurrentSetting->LockPosition == 1);
        Let_HotKey(mCurrentSetting->HotKey);

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
        SetButtonEnabledState();
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
    TrapErrors(mPlatform.reporter, "AdjustBlanking", [&] {
        if (!mBlanking) {
            return;
        }
        if (!mCurrentSetting) {
            mBlanking->SetBlankingOn(false);
            return;
        }
        if (mView.IsBlankingOnChecked()) {
            if (CheckWindowExists() != 0) {
                mBlanking->SetBlankingOn(true);
            }
            mCurrentSetting->BlankingOn = 1;
        } else {
            mBlanking->SetBlankingOn(false);
            mCurrentSetting->BlankingOn = 0;
        }
        if (!mBlanking->BlankingOn()) {
            return;
        }
        WindowHandle window = GetAppWindow(mPlatform.desktop, mCurrentSetting->WindowClass);
        std::optional<Rect> rect =
            window != 0 ? mPlatform.desktop.WindowRect(window) : std::optional<Rect>();
        if (!rect) {
            // Gone: the setting keeps BlankingOn, so blanking returns with the window.
            mBlanking->SetBlankingOn(false);
            return;
        }
        BlankMargins margins = BlankingMargins(mOptions, mBlankingPlatform.CaptionHeight(),
                                               mBlankingPlatform.FrameHeight());
        BlankStrips strips =
            ComputeBlankStrips(*rect, mBlankingPlatform.ScreenSize(), margins, *mCurrentSetting);
        mBlanking->SetLeftBlankPixels(strips.left);
        mBlanking->SetTopBlankPixels(strips.top);
        mBlanking->SetRightBlankPixels(strips.right);
        mBlanking->SetBottomBlankPixels(strips.bottom);
        mBlanking->BlankingToTop();
    });
}

void CMainController::BlankingKeyDown(int16_t& keyCode, int16_t& shift) {
    HandleKeyDown(keyCode, shift);
}

void CMainController::BlankingContextMenu(int32_t screenX, int32_t screenY) {
    ShowContextMenu(screenX, screenY);
}

void CMainController::chkBlankingOn_Click() {
    TrapErrors(mPlatform.reporter, "chkBlankingOn_Click", [&] {
        if (mCurrentSetting) {
            AdjustBlanking();
        }
    });
}

void CMainController::SetBlankingOnCheck(bool checked) {
    if (mView.IsBlankingOnChecked() == checked) {
        return;
    }
    mView.ShowBlankingOnChecked(checked);
    chkBlankingOn_Click();
}

void CMainController::ShowOrbitingAndBlanking() {
    const CWindowSetting& setting = *mCurrentSetting;
    mView.ShowWindowPosValue(WindowPosControl::OrbitHorizontal,
                             DecimalText(setting.OrbitRangeHorizontal));
    mView.ShowWindowPosValue(WindowPosControl::OrbitVertical,
                             DecimalText(setting.OrbitRangeVertical));
    mView.ShowOrbitText(OrbitTextBox::Interval, DecimalText(setting.OrbitInterval));
    mView.ShowOrbitText(OrbitTextBox::Increment, DecimalText(setting.OrbitIncrement));
    mView.ShowWindowPosValue(WindowPosControl::BlankLeft, DecimalText(setting.BlankingPadLeft));
    mView.ShowWindowPosValue(WindowPosControl::BlankRight, DecimalText(setting.BlankingPadRight));
    mView.ShowWindowPosValue(WindowPosControl::BlankTop, DecimalText(setting.BlankingPadTop));
    mView.ShowWindowPosValue(WindowPosControl::BlankBottom, DecimalText(setting.BlankingPadBottom));
    // Only the value 1 checks the box; its click handling runs when that changes it.
    SetBlankingOnCheck(setting.BlankingOn == 1);
}

void CMainController::chkOrbitingOn_Click() {
    TrapErrors(mPlatform.reporter, "chkOrbitingOn_Click", [&] {
        if (!mCurrentSetting) {
            return;
        }
        bool on = mView.IsOrbitingOnChecked();
        if (!on) {
            // Stopped first, so that a range that does not convert cannot keep it running.
            mView.SetTimerEnabled(MainTimer::Orbit, false);
        }
        mOrbit.Restart(mCurrentSetting->WindowLeft, mCurrentSetting->WindowTop);
        mCurrentSetting->OrbitRangeHorizontal =
            WindowPosEventValue(mView.WindowPosValue(WindowPosControl::OrbitHorizontal));
        mCurrentSetting->OrbitRangeVertical =
            WindowPosEventValue(mView.WindowPosValue(WindowPosControl::OrbitVertical));
        if (on) {
            mView.SetTimerEnabled(MainTimer::Orbit, true);
        } else {
            AdjustWindow();
        }
    });
}

void CMainController::tmrOrbit_Timer() {
    if (mOrbitBusy) {
        return;
    }
    CScopeFlag busy(mOrbitBusy);
    TrapErrors(mPlatform.reporter, "tmrOrbit_Timer", [&] {
        // Without a setting there is nothing to orbit; the count waits for one.
        if (!mCurrentSetting) {
            return;
        }
        if (mOrbit.CountSecond(mCurrentSetting->OrbitInterval)) {
            OrbitWindow();
        }
    });
}

void CMainController::OrbitWindow() {
    TrapErrors(mPlatform.reporter, "OrbitWindow", [&] {
        if (!mCurrentSetting) {
            return;
        }
        const CWindowSetting& setting = *mCurrentSetting;
        const int32_t width = setting.WindowWidth;
        const int32_t height = setting.WindowHeight;
        if (setting.OrbitRangeHorizontal == 0 && setting.OrbitRangeVertical == 0) {
            return;
        }
        WindowHandle window = GetAppWindow(mPlatform.desktop, setting.WindowClass);
        if (window == 0) {
            return;
        }
        // The strips shift with the window; they are not worked out anew.
        if (std::optional<int32_t> moved =
                StepOrbitAxis(mOrbit.Horizontal(), setting.WindowLeft, setting.OrbitRangeHorizontal,
                              setting.OrbitIncrement);
            moved && mBlanking) {
            mBlanking->SetLeftBlankPixels(CheckedAdd32(mBlanking->LeftBlankPixels(), *moved));
            mBlanking->SetRightBlankPixels(
                RoundToInt32(static_cast<double>(mBlanking->RightBlankPixels()) - *moved));
        }
        if (std::optional<int32_t> moved =
                StepOrbitAxis(mOrbit.Vertical(), setting.WindowTop, setting.OrbitRangeVertical,
                              setting.OrbitIncrement);
            moved && mBlanking) {
            mBlanking->SetTopBlankPixels(CheckedAdd32(mBlanking->TopBlankPixels(), *moved));
            mBlanking->SetBottomBlankPixels(
                RoundToInt32(static_cast<double>(mBlanking->BottomBlankPixels()) - *moved));
        }
        mPlatform.desktop.MoveWindow(window, mOrbit.Horizontal().position,
                                     mOrbit.Vertical().position, width, height);
    });
}

void CMainController::cmdTestOrbiting_Click() {
    TrapErrors(mPlatform.reporter, "cmdTestOrbiting_Click", [&] {
        mOrbit.StartTest();
        mView.SetTimerEnabled(MainTimer::TestOrbit, true);
    });
}

void CMainController::tmrTestOrbit_Timer() {
    if (mTestOrbitBusy) {
        return;
    }
    CScopeFlag busy(mTestOrbitBusy);
    TrapErrors(mPlatform.reporter, "tmrTestOrbit_Timer", [&] {
        if (!mCurrentSetting) {
            // No setting to show the range of: the test ends here.
            mView.SetTimerEnabled(MainTimer::TestOrbit, false);
            return;
        }
        COrbit::TestStep step = mOrbit.NextTestStep(*mCurrentSetting);
        if (step.last) {
            AdjustWindow();
            mView.SetTimerEnabled(MainTimer::TestOrbit, false);
        }
        if (WindowHandle window = GetAppWindow(mPlatform.desktop, mCurrentSetting->WindowClass)) {
            mPlatform.desktop.MoveWindow(window, step.rect.left, step.rect.top, step.rect.width,
                                         step.rect.height);
            AdjustBlanking();
        }
    });
}

void CMainController::WindowPos_ValueIncremented(WindowPosControl control, int32_t& newValue) {
    // These handlers report nothing: a value that cannot be stored is left out.
    try {
        if (IsPad(control)) {
            if (newValue < 0) {
                mView.ShowWindowPosValue(control, "0");
            }
            PadValueIncremented(control);
            return;
        }
        if (mCurrentSetting) {
            SettingField(*mCurrentSetting, control) = newValue;
        }
    } catch (...) {
    }
}

void CMainController::PadValueIncremented(WindowPosControl control) {
    try {
        if (mCurrentSetting) {
            SettingField(*mCurrentSetting, control) =
                WindowPosEventValue(mView.WindowPosValue(control));
        }
    } catch (...) {
        // Beyond 32 bits: the setting keeps its pad; blanking still follows below.
    }
    AdjustBlanking();
}

void CMainController::txtOrbitIncrement_Validate() {
    TrapErrors(mPlatform.reporter, "txtOrbitIncrement_Validate", [&] {
        if (mCurrentSetting) {
            mCurrentSetting->OrbitIncrement =
                OrbitTextValue(mView.OrbitText(OrbitTextBox::Increment));
        }
    });
}

void CMainController::txtOrbitInterval_Validate() {
    TrapErrors(mPlatform.reporter, "txtOrbitInterval_Validate", [&] {
        if (mCurrentSetting) {
            mCurrentSetting->OrbitInterval =
                OrbitTextValue(mView.OrbitText(OrbitTextBox::Interval));
        }
    });
}

void CMainController::HandleKeyDown(int16_t keyCode, int16_t shift) {
    mLastKeyDown.keyCode = keyCode;
    mLastKeyDown.shift = shift;
    mLastKeyDown.count = mLastKeyDown.count < INT32_MAX ? mLastKeyDown.count + 1 : 1;
}

void CMainController::EndSession() {
    // No message box now: the session will not wait for it.
    try {
        if (!mTaskbar.IsTaskBarVisible()) {
            mTaskbar.UnhideTaskbar();
        }
    } catch (...) {
    }
}

void CMainController::TaskbarCreated() {
    // The new notification area knows nothing of the icon.
    if (mTrayIcon) {
        mView.AddTrayIcon();
    }
    // Hidden last: a shell may show its taskbar when an icon arrives.
    if (mBlanking) {
        mBlanking->TaskbarCreated();
    }
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
