#include "dialogs/win32/frmSettingName.h"

#include "platform/win32/ControlMetrics.h"
#include "platform/win32/Controls.h"
#include "store/SettingNameRules.h"
#include "util/win32/FormUtilsWin32.h"

#include <commctrl.h>

#include <algorithm>

namespace kiv::win32 {

using namespace control_metrics;

namespace {
// Layout in device-independent pixels at 96 DPI.
constexpr int kClientWidth = 300;
constexpr int kClientHeight =
    kMargin + kLabelHeight + 4 + kEditHeight + 14 + kButtonHeight + kMargin;
} // namespace

std::optional<std::string> frmSettingName::Ask(HWND owner, std::string_view initialText) {
    frmSettingName dialog;
    dialog.mInitialText = initialText;
    if (!dialog.RunModal(owner, ClassSpec{"frmSettingName"}, "Setting Name")) {
        return std::nullopt;
    }
    return dialog.mAnswer;
}

bool frmSettingName::OnCreate() {
    const HWND window = Hwnd();
    CreateChild(window, WC_STATICA, "&Enter a name for the Setting", SS_LEFT, lblWindowCaption);
    HWND box =
        CreateChild(window, WC_EDITA, mInitialText.c_str(), ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP,
                    txtWindowSetting, WS_EX_CLIENTEDGE);
    CreatePushButton(window, "&OK", cmdOK, BS_DEFPUSHBUTTON | WS_GROUP);
    CreatePushButton(window, "&Cancel", cmdCancel);
    Keyboard().SetButtons({cmdOK, cmdCancel});
    Keyboard().SetFirstFocus(box);

    SubclassControl(box, [](HWND, UINT message, WPARAM& wParam, LPARAM) -> std::optional<LRESULT> {
        // ";" and "=" separate the fields of the settings file.
        if (message == WM_CHAR &&
            !SettingNameRules::AcceptsKeystroke(static_cast<int32_t>(wParam))) {
            return 0;
        }
        return std::nullopt;
    });
    HandleCommand(txtWindowSetting, EN_SETFOCUS, [](HWND control) { SelectAllText(control); });
    HandleCommand(txtWindowSetting, EN_CHANGE, [this](HWND control) {
        TakeOutSeparators(control);
        UpdateOkButton();
    });
    HandleCommand(cmdOK, BN_CLICKED, [this](HWND) {
        if (SettingNameRules::OkEnabled(Name())) {
            mAnswer = Name();
            EndDialog(true);
        }
    });
    HandleCommand(cmdCancel, BN_CLICKED, [this](HWND) { EndDialog(false); });

    ApplyDpi();
    UpdateOkButton();
    return true;
}

void frmSettingName::Layout(const CDpiScale& scale) {
    const int width = kClientWidth - 2 * kMargin;
    int y = kMargin;
    Place(lblWindowCaption, scale, kMargin, y, width, kLabelHeight);
    y += kLabelHeight + 4;
    Place(txtWindowSetting, scale, kMargin, y, width, kEditHeight);
    y += kEditHeight + 14;
    Place(cmdCancel, scale, kClientWidth - kMargin - kButtonWidth, y, kButtonWidth, kButtonHeight);
    Place(cmdOK, scale, kClientWidth - kMargin - 2 * kButtonWidth - kGap, y, kButtonWidth,
          kButtonHeight);
    SizeFrameToClient(Hwnd(), scale, kClientWidth, kClientHeight);
}

void frmSettingName::TakeOutSeparators(HWND box) {
    // Pasted text may bring what typing cannot.
    const std::string text = WindowText(box);
    const std::string kept = SettingNameRules::WithoutSeparators(text);
    if (kept == text) {
        return;
    }
    DWORD caret = 0;
    ::SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
    ::SetWindowTextA(box, kept.c_str());
    const long removed = static_cast<long>(text.size() - kept.size());
    const auto at = static_cast<WPARAM>(std::max(0L, static_cast<long>(caret) - removed));
    ::SendMessageA(box, EM_SETSEL, at, static_cast<LPARAM>(at));
}

void frmSettingName::UpdateOkButton() {
    ::EnableWindow(::GetDlgItem(Hwnd(), cmdOK), SettingNameRules::OkEnabled(Name()));
}

std::string frmSettingName::Name() const {
    return WindowText(::GetDlgItem(Hwnd(), txtWindowSetting));
}

} // namespace kiv::win32
