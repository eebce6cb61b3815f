#pragma once

#include "app/FeatureSeams.h"
#include "app/HookSupervisor.h"
#include "app/Selection.h"
#include "placement/PositionRules.h"
#include "platform/Desktop.h"
#include "util/ErrorReport.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kiv {

// The "Window Position" page: the position labels, their in-place edit box,
// the lock box and the nudge buttons' repeat timer.
class IPositionView {
public:
    virtual ~IPositionView() = default;
    // The four position labels only.
    virtual void ShowPosition(const CWindowSetting& setting) = 0;
    // Which display the position is on, in words ("" for none).
    virtual void ShowDisplay(std::string_view text) = 0;
    virtual bool IsLockPositionChecked() const = 0;
    virtual void ShowLockPositionChecked(bool checked) = 0;
    virtual std::string PositionLabelText(PositionLabel label) const = 0;
    // The label's "Edit" pop-up at the pointer; true when it was chosen.
    virtual bool ChoosePositionEdit() = 0;
    // The edit box over the label with `text`, focused; then hidden again
    // with the label showing `caption`.
    virtual void BeginPositionEdit(PositionLabel label, std::string_view text) = 0;
    virtual void EndPositionEdit(PositionLabel label, std::string_view caption) = 0;
    // Moves the focus on as the Tab key does.
    virtual void MoveFocusToNextControl() = 0;
    virtual void SetRepeaterEnabled(bool enabled) = 0;
};

// Editing the selected setting's rectangle: the nudge buttons with their
// auto-repeat, the capture of the window's own rectangle, the in-place
// editing of a position label and the lock. Each change is placed at once.
class CPositionEditor : public IPositionButtons {
public:
    CPositionEditor(IPositionView& view, ICurrentSetting& selection, CHookSupervisor& hooks,
                    IDesktop& desktop, IErrorReporter& reporter)
        : mView(view), mSelection(selection), mHooks(hooks), mDesktop(desktop),
          mReporter(reporter) {}

    // Shows a setting's rectangle on the labels, and the display it is on.
    void ShowSetting(const CWindowSetting& setting);
    // The labels show no setting's rectangle: every field 0.
    void ShowNoValues();
    void chkLockPosition_Click();
    // Sets the lock box, running its click handling when its state changes.
    void SetLockPositionCheck(bool checked);

    void cmdSize_Click(int32_t index) override;
    // One nudge step; false when it failed and was reported.
    bool Nudge(int32_t index);
    void cmdSize_MouseDown(int32_t index);
    void cmdSize_MouseUp();
    void tmrRepeater_Timer();
    void cmdCapture_Click() override;

    void lblPosition_MouseUp(PositionLabel label);
    void mnuPositionEdit_Click(int32_t index);
    // The key to let through (0 swallows it); Enter moves the focus on.
    int16_t txtPositionEdit_KeyPress(int16_t keyAscii);
    void txtPositionEdit_Validate(std::string_view text);
    // Esc in the edit box: the label keeps its value.
    void txtPositionEdit_Cancel();

private:
    void ShowDisplayOf(const CWindowSetting& setting);

    IPositionView& mView;
    ICurrentSetting& mSelection;
    CHookSupervisor& mHooks;
    IDesktop& mDesktop;
    IErrorReporter& mReporter;

    int32_t mRepeatCount = 0;
    int16_t mRepeatIndex = 0;
    bool mRepeatBusy = false;
    std::optional<PositionLabel> mEditLabel;
};

} // namespace kiv
