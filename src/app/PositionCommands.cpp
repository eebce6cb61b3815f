// The "Window Position" page: nudges with their auto-repeat, the capture of
// the controlled window's rectangle and the in-place editing of a position.
#include "app/MainController.h"
#include "util/ScopeFlag.h"

#include "placement/AppWindow.h"
#include "util/KeyFilters.h"
#include "util/Numbers.h"

#include <limits>

namespace kiv {

void CMainController::cmdSize_Click(int32_t index) {
    Nudge(index);
}

bool CMainController::Nudge(int32_t index) {
    return TrapErrors(mPlatform.reporter, "cmdSize_Click", [&] {
        if (!mCurrentSetting) {
            return;
        }
        ApplyNudge(*mCurrentSetting, index);
        mView.ShowPosition(*mCurrentSetting);
        // The size limit follows the new size.
        if (!RestartWindowHook()) {
            return;
        }
        AdjustWindow();
    });
}

void CMainController::cmdSize_MouseDown(int32_t index) {
    TrapErrors(mPlatform.reporter, "cmdSize_MouseDown", [&] {
        mRepeatCount = 0;
        mRepeatIndex = static_cast<int16_t>(index);
        mView.SetTimerEnabled(MainTimer::Repeater, true);
    });
}

void CMainController::cmdSize_MouseUp() {
    // The release's own click adds the last step.
    TrapErrors(mPlatform.reporter, "cmdSize_MouseUp",
               [&] { mView.SetTimerEnabled(MainTimer::Repeater, false); });
}

void CMainController::tmrRepeater_Timer() {
    // A step lets pending events run (the window-size hook waits for its
    // library), and a failing step shows a message box: ticks meanwhile wait.
    if (mRepeatBusy) {
        return;
    }
    CScopeFlag busy(mRepeatBusy);
    TrapErrors(mPlatform.reporter, "tmrRepeater_Timer", [&] {
        if (mRepeatCount < std::numeric_limits<int32_t>::max()) {
            ++mRepeatCount;
        }
        if (mRepeatCount <= kRepeatDelayTicks) {
            return;
        }
        if (!Nudge(mRepeatIndex)) {
            // A step that cannot be made will not be made on the next tick either.
            mView.SetTimerEnabled(MainTimer::Repeater, false);
        }
    });
}

void CMainController::cmdCapture_Click() {
    TrapErrors(mPlatform.reporter, "cmdCapture_Click", [&] {
        if (!mCurrentSetting) {
            return;
        }
        WindowHandle window = GetAppWindow(mPlatform.desktop, mCurrentSetting->WindowClass);
        if (window == 0) {
            return;
        }
        std::optional<Rect> rect = mPlatform.desktop.WindowRect(window);
        if (!rect) {
            // Closed since it was found: there is nothing to capture.
            return;
        }
        CWindowSetting& setting = *mCurrentSetting;
        setting.WindowLeft = rect->left;
        setting.WindowWidth = RoundToInt32(static_cast<double>(rect->right) - rect->left);
        setting.WindowTop = rect->top;
        setting.WindowHeight = RoundToInt32(static_cast<double>(rect->bottom) - rect->top);
        mView.ShowPosition(setting);
        if (!RestartWindowHook()) {
            return;
        }
        RestartMouseHook();
        AdjustWindow();
    });
}

void CMainController::lblPosition_MouseUp(PositionLabel label) {
    if (!mCurrentSetting) {
        return;
    }
    mEditLabel = label;
    int32_t chosen = mView.ShowPopupMenu(MainPopup::PositionEdit, std::nullopt);
    if (chosen >= 0) {
        mnuPositionEdit_Click(chosen);
    }
}

void CMainController::mnuPositionEdit_Click(int32_t index) {
    if (index != 0 || !mEditLabel) {
        return;
    }
    mView.BeginPositionEdit(*mEditLabel, mView.PositionLabelText(*mEditLabel));
}

int16_t CMainController::txtPositionEdit_KeyPress(int16_t keyAscii) {
    if (keyAscii == kKeyEnter) {
        // Enter acts as Tab: leaving the box takes the value.
        mView.MoveFocusToNextControl();
        return 0;
    }
    return FilterKeyPressNumeric(keyAscii, true, false);
}

void CMainController::txtPositionEdit_Validate(std::string_view text) {
    if (!mEditLabel) {
        return;
    }
    const PositionLabel label = *mEditLabel;
    std::string caption = mView.PositionLabelText(label);
    if (mCurrentSetting) {
        int32_t& field = PositionField(*mCurrentSetting, label);
        try {
            field = RoundToInt32(LeadingNumber(text));
        } catch (...) {
            // Beyond 32 bits the setting cannot hold it: the field keeps its value.
        }
        // The label shows what the setting now holds: "0012" shows as "12", "" as "0".
        caption = DecimalText(field);
    }
    mEditLabel.reset();
    mView.EndPositionEdit(label, caption);
    AdjustWindow();
}

void CMainController::txtPositionEdit_Cancel() {
    if (!mEditLabel) {
        return;
    }
    const PositionLabel label = *mEditLabel;
    mEditLabel.reset();
    mView.EndPositionEdit(label, mView.PositionLabelText(label));
}

} // namespace kiv
