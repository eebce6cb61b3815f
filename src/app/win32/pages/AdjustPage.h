#pragma once

#include "app/PositionEditor.h"
#include "placement/PositionRules.h"
#include "platform/win32/TabPage.h"
#include "platform/win32/UniqueHandle.h"
#include "store/WindowSetting.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace kiv::win32 {

// The "Window Position" page: the controlled window's rectangle, which the
// user edits in place, nudges with ten buttons or captures from the window,
// and the lock box.
class CAdjustPage : public CTabPage, public IPositionView {
public:
    enum ControlId : int {
        kLeftCaption = 200,
        kLeft,
        kTopCaption,
        kTop,
        kWidthCaption,
        kWidth,
        kHeightCaption,
        kHeight,
        kLockPosition,
        kPositionEdit,
        kPositionGroup,
        kMoveGroup,
        kSizeGroup,
        kCapture,
        kWidthPairCaption,
        kHeightPairCaption,
        kAllPairCaption,
        kDisplay,
        kSize0 = 220, // to kSize0 + 9, the nudge buttons by index
    };

    // The page's controls and its repeat timer report to the position editor.
    void Bind(CPositionEditor& editor);
    // Shows the label's "Edit" pop-up menu; true when it was chosen.
    void UsePositionEditMenu(std::function<bool()> choose) { mChooseEdit = std::move(choose); }

    void Build() override;
    void Layout(const CDpiScale& scale) override;

    // IPositionView
    void ShowPosition(const CWindowSetting& setting) override;
    void ShowDisplay(std::string_view text) override;
    bool IsLockPositionChecked() const override;
    void ShowLockPositionChecked(bool checked) override;
    std::string PositionLabelText(PositionLabel label) const override;
    bool ChoosePositionEdit() override { return mChooseEdit && mChooseEdit(); }
    // The edit box over `label`, showing `text`, focused.
    void BeginPositionEdit(PositionLabel label, std::string_view text) override;
    // Hides the edit box (moving the focus on first when it has it) and
    // gives the label `caption`.
    void EndPositionEdit(PositionLabel label, std::string_view caption) override;
    void MoveFocusToNextControl() override;
    void SetRepeaterEnabled(bool enabled) override;

private:
    bool OnTimer(UINT_PTR id) override;
    std::string EditText() const;
    static int LabelId(PositionLabel label);
    void OnNudgeMessage(HWND button, int32_t index, UINT message);
    std::optional<LRESULT> OnLabelMessage(HWND label, UINT message);
    std::optional<LRESULT> OnEditMessage(UINT message, WPARAM& wParam, LPARAM lParam);
    std::array<UniqueIcon, kNudgeButtonCount> mNudgeIcons;
    CPositionEditor* mEditor = nullptr;
    std::function<bool()> mChooseEdit;
    std::string mDisplayText;
};

} // namespace kiv::win32
