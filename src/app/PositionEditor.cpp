// The "Window Position" page: nudges with their auto-repeat, the capture of
// the controlled window's rectangle and the in-place editing of a position.
#include "app/PositionEditor.h"
#include "util/ErrorReport.h"

#include "placement/AppWindow.h"
#include "util/KeyFilters.h"
#include "util/Numbers.h"
#include "util/ScopeFlag.h"

#include <limits>

namespace kiv {

void CPositionEditor::chkLockPosition_Click() {
    CWindowSetting* current = mSelection.CurrentSetting();
    if (!current) {
        return;
    }
    current->LockPosition = mView.IsLockPositionChecked() ? 1 : 0;
    mSelection.AdjustWindow();
}

void CPositionEditor::SetLockPositionCheck(bool checked) {
    if (mView.IsLockPositionChecked() == checked) {
        return;
    }
    mView.ShowLockPositionChecked(checked);
    chkLockPosition_Click();
}

void CPositionEditor::ShowSetting(const CWindowSetting& setting) {
    mView.ShowPosition(setting);
    ShowDisplayOf(setting);
}

void CPositionEditor::ShowDisplayOf(const CWindowSetting& setting) {
    mView.ShowDisplay(DisplayOfPosition(mDesktop.Monitors(), SettingRect(setting)));
}

void CPositionEditor::ShowNoValues() {
    mView.ShowPosition(CWindowSetting{});
    mView.ShowDisplay("");
}

void CPositionEditor::cmdSize_Click(int32_t index) {
    Nudge(index);
}

bool CPositionEditor::Nudge(int32_t index) {
    return TrapErrors(mReporter, "cmdSize_Click", [&] {
        CWindowSetting* current = mSelection.CurrentSetting();
        if (!current) {
            return;
        }
        ApplyNudge(*current, index);
        ShowSetting(*current);
        // The size limit follows the new size.
        if (!mHooks.RestartWindowHook(current)) {
            return;
        }
        mSelection.AdjustWindow();
    });
}

void CPositionEditor::cmdSize_MouseDown(int32_t index) {
    TrapErrors(mReporter, "cmdSize_MouseDown", [&] {
        mRepeatCount = 0;
        mRepeatIndex = static_cast<int16_t>(index);
        mView.SetRepeaterEnabled(true);
    });
}

void CPositionEditor::cmdSize_MouseUp() {
    // The release's own click adds the last step.
    TrapErrors(mReporter, "cmdSize_MouseUp", [&] { mView.SetRepeaterEnabled(false); });
}

void CPositionEditor::tmrRepeater_Timer() {
    // A step lets pending events run (the window-size hook waits for its
    // library), and a failing step shows a message box: ticks meanwhile wait.
    if (mRepeatBusy) {
        return;
    }
    CScopeFlag busy(mRepeatBusy);
    TrapErrors(mReporter, "tmrRepeater_Timer", [&] {
        if (mRepeatCount < std::numeric_limits<int32_t>::max()) {
            ++mRepeatCount;
        }
        if (mRepeatCount <= kRepeatDelayTicks) {
            return;
        }
        if (!Nudge(mRepeatIndex)) {
            // A step that cannot be made will not be made on the next tick either.
            mView.SetRepeaterEnabled(false);
        }
    });
}

void CPositionEditor::cmdCapture_Click() {
    TrapErrors(mReporter, "cmdCapture_Click", [&] {
        CWindowSetting* current = mSelection.CurrentSetting();
        if (!current) {
            return;
        }
        WindowHandle window = GetAppWindow(mDesktop, current->WindowClass);
        if (window == 0) {
            return;
        }
        std::optional<Rect> rect = mDesktop.WindowRect(window);
        if (!rect) {
            // Closed since it was found: there is nothing to capture.
            return;
        }
        current->WindowLeft = rect->left;
        current->WindowWidth = RoundToInt32(static_cast<double>(rect->right) - rect->left);
        current->WindowTop = rect->top;
        current->WindowHeight = RoundToInt32(static_cast<double>(rect->bottom) - rect->top);
        ShowSetting(*current);
        const std::string key = mSelection.SelectedItemKey();
        if (!mHooks.RestartWindowHook(current)) {
            return;
        }
        // The wait for the hook ran messages: the working copy is looked up again.
        if (CWindowSetting* still = mSelection.CurrentSettingOf(key)) {
            mHooks.RestartMouseHook(still);
            mSelection.AdjustWindow();
        }
    });
}

void CPositionEditor::lblPosition_MouseUp(PositionLabel label) {
    if (!mSelection.CurrentSetting()) {
        return;
    }
    mEditLabel = label;
    if (mView.ChoosePositionEdit()) {
        mnuPositionEdit_Click(0);
    }
}

void CPositionEditor::mnuPositionEdit_Click(int32_t index) {
    if (index != 0 || !mEditLabel) {
        return;
    }
    mView.BeginPositionEdit(*mEditLabel, mView.PositionLabelText(*mEditLabel));
}

int16_t CPositionEditor::txtPositionEdit_KeyPress(int16_t keyAscii) {
    if (keyAscii == kKeyEnter) {
        // Enter acts as Tab: leaving the box takes the value.
        mView.MoveFocusToNextControl();
        return 0;
    }
    return FilterKeyPressNumeric(keyAscii, true, false);
}

void CPositionEditor::txtPositionEdit_Validate(std::string_view text) {
    if (!mEditLabel) {
        return;
    }
    const PositionLabel label = *mEditLabel;
    const double value = LeadingNumber(text);
    if (CWindowSetting* current = mSelection.CurrentSetting()) {
        try {
            PositionField(*current, label) = RoundToInt32(value);
        } catch (...) {
            // Beyond 32 bits the setting cannot hold it: the field keeps its value.
            LogCurrentError("CPositionEditor::txtPositionEdit_Validate");
        }
    }
    mEditLabel.reset();
    // The label shows the number as typed: "0012" shows as "12", "" as "0".
    mView.EndPositionEdit(label, NumberText(value));
    if (const CWindowSetting* current = mSelection.CurrentSetting()) {
        ShowDisplayOf(*current);
    }
    mSelection.AdjustWindow();
}

void CPositionEditor::txtPositionEdit_Cancel() {
    if (!mEditLabel) {
        return;
    }
    const PositionLabel label = *mEditLabel;
    mEditLabel.reset();
    mView.EndPositionEdit(label, mView.PositionLabelText(label));
}

} // namespace kiv
