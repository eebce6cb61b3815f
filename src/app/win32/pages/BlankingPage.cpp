#include "app/win32/pages/BlankingPage.h"
#include "app/win32/pages/PageGrid.h"

#include <commctrl.h>

#include <utility>

namespace kiv::win32 {

using namespace page_grid;

void CBlankingPage::Bind(CScreenBlanking& feature) {
    HandleCommand(kBlankingOn, BN_CLICKED, [&feature](HWND) { feature.chkBlankingOn_Click(); });
    for (auto [id, pad] :
         {std::pair{kBlankLeft, BlankPad::Left}, std::pair{kBlankRight, BlankPad::Right},
          std::pair{kBlankTop, BlankPad::Top}, std::pair{kBlankBottom, BlankPad::Bottom}}) {
        HandleValueIncremented(*this, id, [&feature, pad](int32_t& value) {
            feature.WindowPos_ValueIncremented(pad, value);
        });
    }
}

void CBlankingPage::Build() {
    WithTip(AddControl(WC_BUTTONA, "Blan&king On", BS_AUTOCHECKBOX | WS_TABSTOP, kBlankingOn),
            "Sets whether blanking is on or off");
    WithTip(mLeft.CreateControl(Hwnd(), kBlankLeft, "Left"),
            "Additional blanking on the left side of the screen");
    WithTip(mRight.CreateControl(Hwnd(), kBlankRight, "Right"),
            "Additional blanking on the right side of the screen");
    WithTip(mTop.CreateControl(Hwnd(), kBlankTop, "Top"),
            "Additional blanking on the top of the screen");
    WithTip(mBottom.CreateControl(Hwnd(), kBlankBottom, "Bottom"),
            "Additional blanking on the bottom of the screen");
}

void CBlankingPage::Layout(const CDpiScale& scale) {
    int y = kMargin;
    Place(kBlankingOn, scale, kMargin, y, kColumn - kMargin, kRowHeight);
    y += kRowHeight + 12;
    Place(kBlankLeft, scale, kMargin, y, kWindowPosWidth, kRowHeight);
    Place(kBlankRight, scale, kColumn, y, kWindowPosWidth, kRowHeight);
    y += kRowHeight + 10;
    Place(kBlankTop, scale, kMargin, y, kWindowPosWidth, kRowHeight);
    Place(kBlankBottom, scale, kColumn, y, kWindowPosWidth, kRowHeight);
}

CWindowPos& CBlankingPage::Pad(BlankPad pad) {
    switch (pad) {
    case BlankPad::Right:
        return mRight;
    case BlankPad::Top:
        return mTop;
    case BlankPad::Bottom:
        return mBottom;
    case BlankPad::Left:
        break;
    }
    return mLeft;
}

bool CBlankingPage::IsBlankingOnChecked() const {
    return ::SendMessageA(Control(kBlankingOn), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CBlankingPage::ShowBlankingOnChecked(bool checked) {
    ::SendMessageA(Control(kBlankingOn), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

} // namespace kiv::win32
