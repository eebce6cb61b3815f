#include "app/OrbitBlanking.h"

#include "placement/AppWindow.h"
#include "placement/WindowPosValue.h"
#include "util/Numbers.h"
#include "util/ScopeFlag.h"

#include <optional>

namespace kiv {

namespace {
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

COrbitBlanking::COrbitBlanking(IOrbitBlankingView& view, ISelection& selection, IDesktop& desktop,
                               IBlankingPlatform& blankingPlatform, const COptions& options,
                               IErrorReporter& reporter, std::string taskbarMarkerPath,
                               std::function<void(int32_t, int32_t)> contextMenu)
    : mView(view), mSelection(selection), mDesktop(desktop), mBlankingPlatform(blankingPlatform),
      mOptions(options), mReporter(reporter), mContextMenu(std::move(contextMenu)),
      mTaskbar(blankingPlatform.Taskbar(), std::move(taskbarMarkerPath)) {}

COrbitBlanking::~COrbitBlanking() = default;

void COrbitBlanking::Start() {
    // A run that was killed while blanking left the taskbar hidden.
    mTaskbar.RestoreAfterUncleanEnd();
    IBlankingEvents& events = *this;
    mBlanking =
        std::make_unique<CBlanking>(mBlankingPlatform, mTaskbar, mOptions, events, mReporter);
    mBlanking->SetBlankingOn(false);
}

void COrbitBlanking::Stop() {
    mBlanking.reset();
}

void COrbitBlanking::RestoreTaskbar() {
    if (!mTaskbar.IsTaskBarVisible()) {
        mTaskbar.UnhideTaskbar();
    }
}

void COrbitBlanking::AdjustBlanking() {
    TrapErrors(mReporter, "AdjustBlanking", [&] {
        if (!mBlanking) {
            return;
        }
        CWindowSetting* current = mSelection.CurrentSetting();
        if (!current) {
            mBlanking->SetBlankingOn(false);
            return;
        }
        if (mView.IsBlankingOnChecked()) {
            if (CheckWindowExists() != 0) {
                mBlanking->SetBlankingOn(true);
            }
            current->BlankingOn = 1;
        } else {
            mBlanking->SetBlankingOn(false);
            current->BlankingOn = 0;
        }
        if (!mBlanking->BlankingOn()) {
            return;
        }
        WindowHandle window = GetAppWindow(mDesktop, current->WindowClass);
        std::optional<Rect> rect =
            window != 0 ? mDesktop.WindowRect(window) : std::optional<Rect>();
        if (!rect) {
            // Gone: the setting keeps BlankingOn, so blanking returns with the window.
            mBlanking->SetBlankingOn(false);
            return;
        }
        BlankMargins margins = BlankingMargins(mOptions, mBlankingPlatform.CaptionHeight(),
                                               mBlankingPlatform.FrameHeight());
        BlankStrips strips =
            ComputeBlankStrips(*rect, mBlankingPlatform.ScreenSize(), margins, *current);
        mBlanking->SetLeftBlankPixels(strips.left);
        mBlanking->SetTopBlankPixels(strips.top);
        mBlanking->SetRightBlankPixels(strips.right);
        mBlanking->SetBottomBlankPixels(strips.bottom);
        mBlanking->BlankingToTop();
    });
}

WindowHandle COrbitBlanking::CheckWindowExists() {
    WindowHandle window = 0;
    TrapErrors(mReporter, "CheckWindowExists", [&] {
        if (const CWindowSetting* current = mSelection.CurrentSetting()) {
            window = GetAppWindow(mDesktop, current->WindowClass);
        }
    });
    return window;
}

void COrbitBlanking::BlankingKeyDown(int16_t& /*keyCode*/, int16_t& /*shift*/) {
    // A key on a blanking window is a key on the main window, which acts on none.
}

void COrbitBlanking::BlankingContextMenu(int32_t screenX, int32_t screenY) {
    mContextMenu(screenX, screenY);
}

void COrbitBlanking::chkBlankingOn_Click() {
    TrapErrors(mReporter, "chkBlankingOn_Click", [&] {
        if (mSelection.CurrentSetting()) {
            AdjustBlanking();
        }
    });
}

void COrbitBlanking::SetBlankingOnCheck(bool checked) {
    if (mView.IsBlankingOnChecked() == checked) {
        return;
    }
    mView.ShowBlankingOnChecked(checked);
    chkBlankingOn_Click();
}

void COrbitBlanking::Animate() {
    if (mBlanking) {
        mBlanking->Animate();
    }
}

void COrbitBlanking::ShowSetting(const CWindowSetting& setting) {
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

void COrbitBlanking::ShowNoValues() {
    for (WindowPosControl control :
         {WindowPosControl::OrbitHorizontal, WindowPosControl::OrbitVertical,
          WindowPosControl::BlankLeft, WindowPosControl::BlankRight, WindowPosControl::BlankTop,
          WindowPosControl::BlankBottom}) {
        mView.ShowWindowPosValue(control, "0");
    }
}

void COrbitBlanking::chkOrbitingOn_Click() {
    TrapErrors(mReporter, "chkOrbitingOn_Click", [&] {
        CWindowSetting* current = mSelection.CurrentSetting();
        if (!current) {
            return;
        }
        bool on = mView.IsOrbitingOnChecked();
        if (!on) {
            // Stopped first, so that a range that does not convert cannot keep it running.
            mView.SetOrbitTimerEnabled(false);
        }
        mOrbit.Restart(current->WindowLeft, current->WindowTop);
        current->OrbitRangeHorizontal =
            WindowPosEventValue(mView.WindowPosValue(WindowPosControl::OrbitHorizontal));
        current->OrbitRangeVertical =
            WindowPosEventValue(mView.WindowPosValue(WindowPosControl::OrbitVertical));
        if (on) {
            mView.SetOrbitTimerEnabled(true);
        } else {
            mSelection.AdjustWindow();
        }
    });
}

void COrbitBlanking::tmrOrbit_Timer() {
    if (mOrbitBusy) {
        return;
    }
    CScopeFlag busy(mOrbitBusy);
    TrapErrors(mReporter, "tmrOrbit_Timer", [&] {
        // Without a setting there is nothing to orbit; the count waits for one.
        const CWindowSetting* current = mSelection.CurrentSetting();
        if (current && mOrbit.CountSecond(current->OrbitInterval)) {
            OrbitWindow();
        }
    });
}

void COrbitBlanking::OrbitWindow() {
    TrapErrors(mReporter, "OrbitWindow", [&] {
        const CWindowSetting* current = mSelection.CurrentSetting();
        if (!current) {
            return;
        }
        const CWindowSetting& setting = *current;
        if (setting.OrbitRangeHorizontal == 0 && setting.OrbitRangeVertical == 0) {
            return;
        }
        WindowHandle window = GetAppWindow(mDesktop, setting.WindowClass);
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
        mDesktop.MoveWindow(window, mOrbit.Horizontal().position, mOrbit.Vertical().position,
                            setting.WindowWidth, setting.WindowHeight);
    });
}

void COrbitBlanking::cmdTestOrbiting_Click() {
    TrapErrors(mReporter, "cmdTestOrbiting_Click", [&] {
        mOrbit.StartTest();
        mView.SetTestOrbitTimerEnabled(true);
    });
}

void COrbitBlanking::tmrTestOrbit_Timer() {
    if (mTestOrbitBusy) {
        return;
    }
    CScopeFlag busy(mTestOrbitBusy);
    TrapErrors(mReporter, "tmrTestOrbit_Timer", [&] {
        // With no setting selected the tick does nothing; the test goes on
        // once one is.
        const CWindowSetting* current = mSelection.CurrentSetting();
        if (!current) {
            return;
        }
        COrbit::TestStep step = mOrbit.NextTestStep(*current);
        if (step.last) {
            mSelection.AdjustWindow();
            mView.SetTestOrbitTimerEnabled(false);
        }
        if (WindowHandle window = GetAppWindow(mDesktop, current->WindowClass)) {
            mDesktop.MoveWindow(window, step.rect.left, step.rect.top, step.rect.width,
                                step.rect.height);
            AdjustBlanking();
        }
    });
}

void COrbitBlanking::WindowPos_ValueIncremented(WindowPosControl control, int32_t& newValue) {
    // These handlers report nothing: a value that cannot be stored is left out.
    try {
        if (IsPad(control)) {
            if (newValue < 0) {
                mView.ShowWindowPosValue(control, "0");
            }
            PadValueIncremented(control);
            return;
        }
        if (CWindowSetting* current = mSelection.CurrentSetting()) {
            SettingField(*current, control) = newValue;
        }
    } catch (...) {
    }
}

void COrbitBlanking::PadValueIncremented(WindowPosControl control) {
    try {
        if (CWindowSetting* current = mSelection.CurrentSetting()) {
            SettingField(*current, control) = WindowPosEventValue(mView.WindowPosValue(control));
        }
    } catch (...) {
        // Beyond 32 bits: the setting keeps its pad; blanking still follows below.
    }
    AdjustBlanking();
}

void COrbitBlanking::txtOrbitIncrement_Validate() {
    TrapErrors(mReporter, "txtOrbitIncrement_Validate", [&] {
        if (CWindowSetting* current = mSelection.CurrentSetting()) {
            current->OrbitIncrement = OrbitTextValue(mView.OrbitText(OrbitTextBox::Increment));
        }
    });
}

void COrbitBlanking::txtOrbitInterval_Validate() {
    TrapErrors(mReporter, "txtOrbitInterval_Validate", [&] {
        if (CWindowSetting* current = mSelection.CurrentSetting()) {
            current->OrbitInterval = OrbitTextValue(mView.OrbitText(OrbitTextBox::Interval));
        }
    });
}

void COrbitBlanking::EndSession() {
    // No message box now: the session will not wait for it.
    try {
        RestoreTaskbar();
    } catch (...) {
    }
}

void COrbitBlanking::TaskbarCreated() {
    if (mBlanking) {
        mBlanking->TaskbarCreated();
    }
}

} // namespace kiv
