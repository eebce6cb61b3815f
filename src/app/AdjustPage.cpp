#include "app/AdjustPage.h"

#include <commctrl.h>

#include <string>

namespace kiv::win32 {

namespace {
constexpr int kMargin = 12;
constexpr int kRowHeight = 23;
constexpr int kCaptionWidth = 50;
constexpr int kValueWidth = 70;
} // namespace

void CAdjustPage::Build() {
    AddControl(WC_STATICA, "Left", SS_LEFT, kLeftCaption);
    AddControl(WC_STATICA, "0", SS_LEFT | SS_NOPREFIX, kLeft);
    AddControl(WC_STATICA, "Top", SS_LEFT, kTopCaption);
    AddControl(WC_STATICA, "0", SS_LEFT | SS_NOPREFIX, kTop);
    AddControl(WC_STATICA, "Width", SS_LEFT, kWidthCaption);
    AddControl(WC_STATICA, "0", SS_LEFT | SS_NOPREFIX, kWidth);
    AddControl(WC_STATICA, "Height", SS_LEFT, kHeightCaption);
    AddControl(WC_STATICA, "0", SS_LEFT | SS_NOPREFIX, kHeight);
    AddControl(WC_BUTTONA, "Lock Window", BS_AUTOCHECKBOX | WS_TABSTOP, kLockPosition);
}

void CAdjustPage::Layout(const CDpiScale& scale) {
    const int rows[4][2] = {{kLeftCaption, kLeft},
                            {kTopCaption, kTop},
                            {kWidthCaption, kWidth},
                            {kHeightCaption, kHeight}};
    for (int row = 0; row < 4; ++row) {
        int top = kMargin + row * (kRowHeight + 4);
        Place(rows[row][0], scale, kMargin, top + 2, kCaptionWidth, kRowHeight - 4);
        Place(rows[row][1], scale, kMargin + kCaptionWidth, top + 2, kValueWidth, kRowHeight - 4);
    }
    Place(kLockPosition, scale, kMargin, kMargin + 4 * (kRowHeight + 4) + 6, 150, kRowHeight);
}

void CAdjustPage::ShowPosition(const CWindowSetting& setting) {
    ::SetWindowTextA(Control(kLeft), std::to_string(setting.WindowLeft).c_str());
    ::SetWindowTextA(Control(kTop), std::to_string(setting.WindowTop).c_str());
    ::SetWindowTextA(Control(kWidth), std::to_string(setting.WindowWidth).c_str());
    ::SetWindowTextA(Control(kHeight), std::to_string(setting.WindowHeight).c_str());
}

bool CAdjustPage::IsLockChecked() const {
    return ::SendMessageA(Control(kLockPosition), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CAdjustPage::ShowLockChecked(bool checked) {
    ::SendMessageA(Control(kLockPosition), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

} // namespace kiv::win32
