#include "app/ScreenBlanking.h"
#include "util/ErrorReport.h"

#include "placement/AppWindow.h"
#include "placement/WindowPosValue.h"
#include "util/Numbers.h"

#include <optional>

namespace kiv {

namespace {
// The setting's field of `pad`, writable when the setting is.
template <typename Setting> auto& PadField(Setting& setting, BlankPad pad) {
    switch (pad) {
    case BlankPad::Left:
        return setting.BlankingPadLeft;
    case BlankPad::Right:
        return setting.BlankingPadRight;
    case BlankPad::Top:
        return setting.BlankingPadTop;
    case BlankPad::Bottom:
        break;
    }
    return setting.BlankingPadBottom;
}

constexpr BlankPad kPads[] = {BlankPad::Left, BlankPad::Right, BlankPad::Top, BlankPad::Bottom};
} // namespace

CScreenBlanking::CScreenBlanking(IBlankingView& view, ICurrentSetting& selection, IDesktop& desktop,
                                 IBlankingPlatform& blankingPlatform, const COptions& options,
                                 IErrorReporter& reporter, std::string taskbarMarkerPath,
                                 IBlankingContextMenu& contextMenu)
    : mView(view), mSelection(selection), mDesktop(desktop), mBlankingPlatform(blankingPlatform),
      mOptions(options), mReporter(reporter), mContextMenu(contextMenu),
      mTaskbar(blankingPlatform.Taskbar(), std::move(taskbarMarkerPath)) {}

CScreenBlanking::~CScreenBlanking() = default;

void CScreenBlanking::Start() {
    // A run that was killed while blanking left the taskbar hidden.
    mTaskbar.RestoreAfterUncleanEnd();
    IBlankingEvents& events = *this;
    mBlanking =
        std::make_unique<CBlanking>(mBlankingPlatform, mTaskbar, mOptions, events, mReporter);
    mBlanking->SetBlankingOn(false);
}

void CScreenBlanking::Stop() {
    mBlanking.reset();
}

void CScreenBlanking::RestoreTaskbar() {
    if (!mTaskbar.IsTaskBarVisible()) {
        mTaskbar.UnhideTaskbar();
    }
}

void CScreenBlanking::AdjustBlanking() {
    TrapErrors(mReporter, "AdjustBlanking", [&] {
        if (!mBlanking) {
            return;
        }
        CWindowSetting* current = mSelection.CurrentSetting();
        if (!current) {
            mBlanking->SetBlankingOn(false);
            return;
        }
        // The display that shows the setting; none while it is switched off.
        std::optional<Monitor> screen = SettingMonitor(mDesktop.Monitors(), *current);
        if (mView.IsBlankingOnChecked()) {
            if (screen && CheckWindowExists() != 0) {
                mBlanking->SetScreen(*screen);
                mBlanking->SetBlankingOn(true);
            } else {
                // The setting keeps BlankingOn: blanking returns with the
                // window or its display.
                mBlanking->SetBlankingOn(false);
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
        BlankStrips strips = ComputeBlankStrips(*rect, screen->area, margins, *current);
        mBlanking->SetLeftBlankPixels(strips.left);
        mBlanking->SetTopBlankPixels(strips.top);
        mBlanking->SetRightBlankPixels(strips.right);
        mBlanking->SetBottomBlankPixels(strips.bottom);
        mBlanking->BlankingToTop();
    });
}

void CScreenBlanking::ShiftStrips(int32_t dx, int32_t dy) {
    if (!mBlanking) {
        return;
    }
    if (dx != 0) {
        mBlanking->SetLeftBlankPixels(CheckedAdd32(mBlanking->LeftBlankPixels(), dx));
        mBlanking->SetRightBlankPixels(CheckedSubtract32(mBlanking->RightBlankPixels(), dx));
    }
    if (dy != 0) {
        mBlanking->SetTopBlankPixels(CheckedAdd32(mBlanking->TopBlankPixels(), dy));
        mBlanking->SetBottomBlankPixels(CheckedSubtract32(mBlanking->BottomBlankPixels(), dy));
    }
}

WindowHandle CScreenBlanking::CheckWindowExists() {
    WindowHandle window = 0;
    TrapErrors(mReporter, "CheckWindowExists", [&] {
        if (const CWindowSetting* current = mSelection.CurrentSetting()) {
            window = GetAppWindow(mDesktop, current->WindowClass);
        }
    });
    return window;
}

void CScreenBlanking::BlankingKeyDown(int16_t& /*keyCode*/, int16_t& /*shift*/) {
    // A key on a blanking window is a key on the main window, which acts on none.
}

void CScreenBlanking::BlankingContextMenu(int32_t screenX, int32_t screenY) {
    mContextMenu.ShowBlankingContextMenu(screenX, screenY);
}

void CScreenBlanking::chkBlankingOn_Click() {
    TrapErrors(mReporter, "chkBlankingOn_Click", [&] {
        if (mSelection.CurrentSetting()) {
            AdjustBlanking();
        }
    });
}

void CScreenBlanking::SetBlankingOnCheck(bool checked) {
    if (mView.IsBlankingOnChecked() == checked) {
        return;
    }
    mView.ShowBlankingOnChecked(checked);
    chkBlankingOn_Click();
}

void CScreenBlanking::Animate() {
    if (mBlanking) {
        mBlanking->Animate();
    }
}

void CScreenBlanking::ShowSetting(const CWindowSetting& setting) {
    for (BlankPad pad : kPads) {
        mView.ShowPadValue(pad, DecimalText(PadField(setting, pad)));
    }
    // Only the value 1 checks the box; its click handling runs when that changes it.
    SetBlankingOnCheck(setting.BlankingOn == 1);
}

void CScreenBlanking::ShowNoValues() {
    for (BlankPad pad : kPads) {
        mView.ShowPadValue(pad, "0");
    }
}

void CScreenBlanking::WindowPos_ValueIncremented(BlankPad pad, int32_t newValue) {
    // These handlers report nothing: a value that cannot be stored is left out.
    try {
        if (newValue < 0) {
            mView.ShowPadValue(pad, "0");
        }
        if (CWindowSetting* current = mSelection.CurrentSetting()) {
            PadField(*current, pad) = WindowPosEventValue(mView.PadValue(pad));
        }
    } catch (...) {
        // Beyond 32 bits: the setting keeps its pad; blanking still follows below.
        LogCurrentError("CScreenBlanking::WindowPos_ValueIncremented");
    }
    AdjustBlanking();
}

void CScreenBlanking::EndSession() {
    // No message box now: the session will not wait for it.
    try {
        RestoreTaskbar();
    } catch (...) {
        LogCurrentError("CScreenBlanking::EndSession");
    }
}

void CScreenBlanking::TaskbarCreated() {
    if (mBlanking) {
        mBlanking->TaskbarCreated();
    }
}

} // namespace kiv
