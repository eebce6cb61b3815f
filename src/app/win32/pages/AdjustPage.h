#pragma once

#include "app/PositionRules.h"
#include "app/win32/pages/TabPage.h"
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

    // What the page's controls report beyond their notifications: the
    // presses and releases of the nudge buttons, a release over a position
    // label, and the keys typed into the position edit box.
    struct Events {
        std::function<void(int32_t index)> nudgeMouseDown;
        std::function<void()> nudgeMouseUp;
        std::function<void(PositionLabel label)> labelMouseUp;
        // The key to let through, 0 to swallow it.
        std::function<int16_t(int16_t keyAscii)> editKeyPress;
        std::function<void()> editCancel;
    };
    Events events;

    void Build() override;
    void Layout(const CDpiScale& scale) override;

    void ShowPosition(const CWindowSetting& setting);
    bool IsLockChecked() const;
    void ShowLockChecked(bool checked);

    // The nudge button index of a control id; nothing for other controls.
    static std::optional<int32_t> NudgeIndex(int id);
    std::string LabelText(PositionLabel label) const;
    // The edit box over `label`, showing `text`, focused.
    void BeginEdit(PositionLabel label, std::string_view text);
    // Hides the edit box (moving the focus on first when it has it) and
    // gives the label `caption`.
    void EndEdit(PositionLabel label, std::string_view caption);
    std::string EditText() const;

private:
    static int LabelId(PositionLabel label);
    static LRESULT CALLBACK NudgeProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR page);
    static LRESULT CALLBACK LabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR page);
    static LRESULT CALLBACK EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR page);

    std::array<UniqueIcon, kNudgeButtonCount> mNudgeIcons;
};

} // namespace kiv::win32
