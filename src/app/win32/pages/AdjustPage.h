#pragma once

#include "app/MainController.h"
#include "app/win32/pages/TabPage.h"
#include "placement/PositionRules.h"
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
class CAdjustPage : public CTabPage {
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
        kSize0 = 220, // to kSize0 + 9, the nudge buttons by index
    };

    // The page's controls report to the position editor, the lock box to
    // the controller.
    void Bind(CMainController& controller);

    void Build() override;
    void Layout(const CDpiScale& scale) override;

    void ShowPosition(const CWindowSetting& setting);
    bool IsLockChecked() const;
    void ShowLockChecked(bool checked);

    std::string LabelText(PositionLabel label) const;
    // The edit box over `label`, showing `text`, focused.
    void BeginEdit(PositionLabel label, std::string_view text);
    // Hides the edit box (moving the focus on first when it has it) and
    // gives the label `caption`.
    void EndEdit(PositionLabel label, std::string_view caption);
    std::string EditText() const;

private:
    static int LabelId(PositionLabel label);
    void OnNudgeMessage(HWND button, int32_t index, UINT message);
    std::optional<LRESULT> OnLabelMessage(HWND label, UINT message);
    std::optional<LRESULT> OnEditMessage(UINT message, WPARAM& wParam, LPARAM lParam);
    std::array<UniqueIcon, kNudgeButtonCount> mNudgeIcons;
    CPositionEditor* mEditor = nullptr;
};

} // namespace kiv::win32
