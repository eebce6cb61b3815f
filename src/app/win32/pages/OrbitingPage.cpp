#include "app/win32/pages/OrbitingPage.h"
#include "app/win32/pages/PageGrid.h"

#include "util/win32/FormUtilsWin32.h"

#include <commctrl.h>

#include <utility>

namespace kiv::win32 {

namespace {
using namespace page_grid;
constexpr int kLabelWidth = 150;
constexpr int kBoxWidth = 60;

// The orbit's timers, by id: one tick a second and the test's two.
constexpr WindowTimer kOrbitTimer{1, 1000};
constexpr WindowTimer kTestOrbitTimer{2, 2000};

int BoxId(OrbitTextBox box) {
    return box == OrbitTextBox::Increment ? COrbitingPage::kOrbitIncrement
                                          : COrbitingPage::kOrbitInterval;
}
} // namespace

void COrbitingPage::Bind(COrbiting& feature) {
    mFeature = &feature;
    HandleCommand(kOrbitingOn, BN_CLICKED, [&feature](HWND) { feature.chkOrbitingOn_Click(); });
    HandleCommand(kTestOrbiting, BN_CLICKED, [&feature](HWND) { feature.cmdTestOrbiting_Click(); });
    for (int box : {kOrbitIncrement, kOrbitInterval}) {
        HandleCommand(box, EN_SETFOCUS, [](HWND edit) { SelectAllText(edit); });
    }
    HandleCommand(kOrbitIncrement, EN_KILLFOCUS,
                  [&feature](HWND) { feature.txtOrbitIncrement_Validate(); });
    HandleCommand(kOrbitInterval, EN_KILLFOCUS,
                  [&feature](HWND) { feature.txtOrbitInterval_Validate(); });
    for (auto [id, range] : {std::pair{kOrbHorizontal, OrbitRange::Horizontal},
                             std::pair{kOrbVertical, OrbitRange::Vertical}}) {
        HandleValueIncremented(*this, id, [&feature, range](int32_t& value) {
            feature.WindowPos_ValueIncremented(range, value);
        });
    }
}

void COrbitingPage::Build() {
    WithTip(AddControl(WC_BUTTONA, "Orbiting On", BS_AUTOCHECKBOX | WS_TABSTOP, kOrbitingOn),
            "Sets whether orbiting is on or off");
    WithTip(AddControl(WC_BUTTONA, "Test Orbiting", BS_PUSHBUTTON | WS_TABSTOP, kTestOrbiting),
            "Test the bounds of the orbiting range");
    WithTip(mHorizontal.CreateControl(Hwnd(), kOrbHorizontal, "Horizontal"),
            "Amount to move horizontally");
    WithTip(mVertical.CreateControl(Hwnd(), kOrbVertical, "Vertical"), "Amount to move vertically");
    AddControl(WC_STATICA, "Orbit Increment (Pixels)", SS_LEFT, kOrbitIncrementLabel);
    HWND increment = WithTip(AddControl(WC_EDITA, "", ES_AUTOHSCROLL | ES_RIGHT | WS_TABSTOP,
                                        kOrbitIncrement, WS_EX_CLIENTEDGE),
                             "Increase or decrease the amount of each movement");
    AddControl(WC_STATICA, "Orbit Interval (Seconds)", SS_LEFT, kOrbitIntervalLabel);
    HWND interval = WithTip(AddControl(WC_EDITA, "", ES_AUTOHSCROLL | ES_RIGHT | WS_TABSTOP,
                                       kOrbitInterval, WS_EX_CLIENTEDGE),
                            "Increase or decrease the amount the window moves");
    InstallKeyFilter(increment, &DigitsKeyFilter);
    InstallKeyFilter(interval, &DigitsKeyFilter);
}

void COrbitingPage::Layout(const CDpiScale& scale) {
    int y = kMargin;
    Place(kOrbitingOn, scale, kMargin, y, kColumn - kMargin, kRowHeight);
    Place(kTestOrbiting, scale, kColumn, y, 110, kRowHeight + 2);
    y += kRowHeight + 12;
    Place(kOrbHorizontal, scale, kMargin, y, kWindowPosWidth, kRowHeight);
    Place(kOrbVertical, scale, kColumn, y, kWindowPosWidth, kRowHeight);
    y += kRowHeight + 14;
    Place(kOrbitIncrementLabel, scale, kMargin, y + 3, kLabelWidth, kRowHeight - 4);
    Place(kOrbitIncrement, scale, kMargin + kLabelWidth, y, kBoxWidth, kRowHeight);
    y += kRowHeight + 6;
    Place(kOrbitIntervalLabel, scale, kMargin, y + 3, kLabelWidth, kRowHeight - 4);
    Place(kOrbitInterval, scale, kMargin + kLabelWidth, y, kBoxWidth, kRowHeight);
}

bool COrbitingPage::IsOrbitingOnChecked() const {
    return ::SendMessageA(Control(kOrbitingOn), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::string COrbitingPage::OrbitText(OrbitTextBox box) const {
    return WindowText(Control(BoxId(box)));
}

void COrbitingPage::ShowOrbitText(OrbitTextBox box, std::string_view text) {
    ShowText(Control(BoxId(box)), text);
}

void COrbitingPage::SetOrbitTimerEnabled(bool enabled) {
    SetTimerEnabled(kOrbitTimer, enabled);
}

void COrbitingPage::SetTestOrbitTimerEnabled(bool enabled) {
    SetTimerEnabled(kTestOrbitTimer, enabled);
}

bool COrbitingPage::OnTimer(UINT_PTR id) {
    if (mFeature == nullptr) {
        return false;
    }
    if (id == kOrbitTimer.id) {
        mFeature->tmrOrbit_Timer();
        return true;
    }
    if (id == kTestOrbitTimer.id) {
        mFeature->tmrTestOrbit_Timer();
        return true;
    }
    return false;
}

} // namespace kiv::win32
