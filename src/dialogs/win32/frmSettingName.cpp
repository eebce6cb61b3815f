#include "dialogs/win32/frmSettingName.h"

#include "dialogs/SettingNameRules.h"
#include "util/win32/FormUtilsWin32.h"

#include <commctrl.h>

#include <algorithm>

namespace kiv::win32 {

namespace {
// Layout in device-independent pixels at 96 DPI.
constexpr int kClientWidth = 300;
constexpr int kMargin = 11;
constexpr int kLabelHeight = 16;
constexpr int kEditHeight = 23;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 26;
constexpr int kGap = 7;
constexpr int kClientHeight =
    kMargin + kLabelHeight + 4 + kEditHeight + 14 + kButtonHeight + kMargin;
constexpr UINT_PTR kNameBoxSubclass = 1;

std::string TextOf(HWND window) {
    const int length = ::GetWindowTextLengthA(window);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(::GetWindowTextA(window, text.data(), length + 1)));
    return text;
}
} // namespace

frmSettingName::~frmSettingName() {
    Destroy();
}

std::optional<std::string> frmSettingName::Ask(HWND owner, std::string_view initialText) {
    frmSettingName dialog;
    dialog.mInitialText = initialText;
    const UINT dpi = owner ? ::GetDpiForWindow(owner) : 0;
    dialog.mDpi = dpi != 0 ? dpi : 96;
    ClassSpec spec{"frmSettingName"};
    constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    if (!dialog.Create(spec, WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, kStyle, "Setting Name", 0,
                       0, 0, 0, owner)) {
        return std::nullopt;
    }
    CenterForm(dialog.Hwnd());

    // Modal: the owner takes no input until the dialog is answered.
    const bool ownerWasEnabled = owner != nullptr && ::IsWindowEnabled(owner);
    if (ownerWasEnabled) {
        ::EnableWindow(owner, FALSE);
    }
    ::ShowWindow(dialog.Hwnd(), SW_SHOWNORMAL);
    ::SetFocus(::GetDlgItem(dialog.Hwnd(), txtWindowSetting));

    MSG message{};
    bool quit = false;
    while (!dialog.mDone && dialog.Hwnd() != nullptr) {
        if (::GetMessageA(&message, nullptr, 0, 0) <= 0) {
            quit = true;
            break;
        }
        if (!::IsDialogMessageA(dialog.Hwnd(), &message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
    }
    // The owner comes back before the dialog goes, so it gets the activation.
    if (ownerWasEnabled) {
        ::EnableWindow(owner, TRUE);
        ::SetActiveWindow(owner);
    }
    dialog.Destroy();
    if (quit) {
        // The program is ending: the main loop must see it too.
        ::PostQuitMessage(static_cast<int>(message.wParam));
    }
    return dialog.mAnswer;
}

bool frmSettingName::OnCreate() {
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    auto add = [&](const char* className, const char* text, DWORD style, int id,
                   DWORD exStyle = 0) {
        return ::CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0,
                                 0, Hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 instance, nullptr);
    };
    add(WC_STATICA, "&Enter a name for the Setting", SS_LEFT, lblWindowCaption);
    HWND box = add(WC_EDITA, mInitialText.c_str(), ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP,
                   txtWindowSetting, WS_EX_CLIENTEDGE);
    add(WC_BUTTONA, "&OK", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, cmdOK);
    add(WC_BUTTONA, "&Cancel", BS_PUSHBUTTON | WS_TABSTOP, cmdCancel);
    ::SetWindowSubclass(box, &frmSettingName::NameBoxProc, kNameBoxSubclass, 0);
    Layout();
    UpdateOkButton();
    return true;
}

void frmSettingName::Layout() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (::SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, mDpi)) {
        mFont.Reset(::CreateFontIndirectW(&metrics.lfMessageFont));
    }
    auto scale = [&](int dips) { return ::MulDiv(dips, static_cast<int>(mDpi), 96); };
    auto place = [&](int id, int x, int y, int width, int height) {
        HWND control = ::GetDlgItem(Hwnd(), id);
        ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(mFont.Get()), TRUE);
        ::MoveWindow(control, scale(x), scale(y), scale(width), scale(height), TRUE);
    };
    const int width = kClientWidth - 2 * kMargin;
    int y = kMargin;
    place(lblWindowCaption, kMargin, y, width, kLabelHeight);
    y += kLabelHeight + 4;
    place(txtWindowSetting, kMargin, y, width, kEditHeight);
    y += kEditHeight + 14;
    place(cmdCancel, kClientWidth - kMargin - kButtonWidth, y, kButtonWidth, kButtonHeight);
    place(cmdOK, kClientWidth - kMargin - 2 * kButtonWidth - kGap, y, kButtonWidth, kButtonHeight);

    RECT frame{0, 0, scale(kClientWidth), scale(kClientHeight)};
    ::AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(::GetWindowLongPtrA(Hwnd(), GWL_STYLE)),
                               FALSE, static_cast<DWORD>(::GetWindowLongPtrA(Hwnd(), GWL_EXSTYLE)),
                               mDpi);
    ::SetWindowPos(Hwnd(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool frmSettingName::OnCommand(int id, int code, HWND control) {
    switch (id) {
    case txtWindowSetting:
        if (code == EN_SETFOCUS) {
            SelectAllText(control);
        } else if (code == EN_CHANGE) {
            // Pasted text may bring what typing cannot.
            std::string text = TextOf(control);
            std::string kept = SettingNameRules::WithoutSeparators(text);
            if (kept != text) {
                DWORD caret = 0;
                ::SendMessageA(control, EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
                ::SetWindowTextA(control, kept.c_str());
                const long removed = static_cast<long>(text.size() - kept.size());
                const auto at =
                    static_cast<WPARAM>(std::max(0L, static_cast<long>(caret) - removed));
                ::SendMessageA(control, EM_SETSEL, at, static_cast<LPARAM>(at));
            }
            UpdateOkButton();
        }
        return true;
    case cmdOK:
        if (code == BN_CLICKED &&
            SettingNameRules::OkEnabled(TextOf(::GetDlgItem(Hwnd(), txtWindowSetting)))) {
            Finish(true);
        }
        return true;
    case cmdCancel:
        if (code == BN_CLICKED) {
            Finish(false);
        }
        return true;
    default:
        return false;
    }
}

bool frmSettingName::OnClose() {
    Finish(false);
    return true;
}

bool frmSettingName::OnOtherMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message == DM_GETDEFID) {
        // Enter presses the focused push button, else OK.
        HWND focus = ::GetFocus();
        const int focused = focus && ::GetParent(focus) == Hwnd() ? ::GetDlgCtrlID(focus) : 0;
        const int button = focused == cmdCancel ? cmdCancel : cmdOK;
        result = MAKELRESULT(button, DC_HASDEFID);
        return true;
    }
    return false;
}

void frmSettingName::Finish(bool accepted) {
    if (accepted) {
        mAnswer = TextOf(::GetDlgItem(Hwnd(), txtWindowSetting));
    } else {
        mAnswer.reset();
    }
    mDone = true;
}

void frmSettingName::UpdateOkButton() {
    ::EnableWindow(::GetDlgItem(Hwnd(), cmdOK),
                   SettingNameRules::OkEnabled(TextOf(::GetDlgItem(Hwnd(), txtWindowSetting))));
}

LRESULT CALLBACK frmSettingName::NameBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR id, DWORD_PTR) {
    if (message == WM_CHAR && !SettingNameRules::AcceptsKeystroke(static_cast<int32_t>(wParam))) {
        // ";" and "=" separate the fields of the settings file.
        return 0;
    }
    if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(box, &frmSettingName::NameBoxProc, id);
    }
    return ::DefSubclassProc(box, message, wParam, lParam);
}

} // namespace kiv::win32
