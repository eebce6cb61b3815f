#include "app/win32/pages/BlankingPage.h"

#include <commctrl.h>

#include <utility>

namespace kiv::win32 {

using namespace page_grid;

void CBlankingPage::Bind(COrbitBlanking& feature) {
    HandleCommand(kBlankingOn, BN_CLICKED, [&feature](HWND) { feature.chkBlankingOn_Click(); });
    for (auto [id, control] : {std::pair{kBlankLeft, WindowPosControl::BlankLeft},
                               std::pair{kBlankRight, WindowPosControl::BlankRight},
                               std::pair{kBlankTop, WindowPosControl::BlankTop},
                               std::pair{kBlankBottom, WindowPosControl::BlankBottom}}) {
        HandleValueIncremented(*this, id, [&feature, control](int32_t& value) {
            feature.WindowPos_ValueIncremented(control, value);
        });
    }
}

void CBlankingPage::Build() {
    AddControl(WC_BUTTONA, "Blan&king On", BS_AUTOCHECKBOX | WS_TABSTOP, kBlankingOn);
    blLeft.CreateControl(Hwnd(), kBlankLeft, "Left");
    blRight.CreateControl(Hwnd(), kBlankRight, "Right");
    blTop.CreateControl(Hwnd(), kBlankTop, "Top");
    blBottom.CreateControl(Hwnd(), kBlankBottom, "Bottom");
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

CWindowPos& CBlankingPage::Pad(WindowPosControl control) {
    switch (control) {
    case WindowPosControl::BlankRight:
        return blRight;
    case WindowPosControl::BlankTop:
        return blTop;
    case WindowPosControl::BlankBottom:
        return blBottom;
    default:
        return blLeft;
    }
}

bool CBlankingPage::IsBlankingChecked() const {
    return ::SendMessageA(Control(kBlankingOn), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CBlankingPage::ShowBlankingChecked(bool checked) {
    ::SendMessageA(Control(kBlankingOn), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

} // namespace kiv::win32
