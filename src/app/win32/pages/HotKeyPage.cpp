#include "app/win32/pages/HotKeyPage.h"

#include <commctrl.h>

namespace kiv::win32 {

namespace {
constexpr int kMargin = 12;
} // namespace

void CHotKeyPage::Bind(CSettingCommands& commands) {
    auto changed = [&commands](HWND) { commands.SetNewKeyCode(); };
    HandleCommand(kShift, BN_CLICKED, changed);
    HandleCommand(kCtrl, BN_CLICKED, changed);
    HandleCommand(kKey, CBN_SELCHANGE, changed);
}

void CHotKeyPage::Build() {
    mControls.Create(Hwnd(), {kShift, kCtrl, kKey, kCaption, kHotKey},
                     {"&Shift", "&Control", "Current Hot Key:"});
    AddControl(WC_STATICA,
               "A letter or digit needs Ctrl. Saved, it works in any program while Options "
               "allow global hotkeys.",
               SS_LEFT | SS_NOPREFIX, kNote);
}

void CHotKeyPage::Layout(const CDpiScale& scale) {
    mControls.Layout(scale, kMargin, kMargin);
    Place(kNote, scale, kMargin, kMargin + CHotKeyEditorControls::kHeight + 8,
          CHotKeyEditorControls::kWidth + 60, 34);
}

void CHotKeyPage::SetEnabled(MainCommand command, bool enabled) {
    HWND control = nullptr;
    switch (command) {
    case MainCommand::HotKeyShift:
        control = mControls.ShiftBox();
        break;
    case MainCommand::HotKeyCtrl:
        control = mControls.CtrlBox();
        break;
    case MainCommand::HotKeyKey:
        control = mControls.KeyList();
        break;
    default:
        return;
    }
    ::EnableWindow(control, enabled ? TRUE : FALSE);
}

} // namespace kiv::win32
