#include "dialogs/win32/frmWindowSelect.h"

#include "platform/win32/ControlMetrics.h"
#include "util/win32/FormUtilsWin32.h"

#include <commctrl.h>

#include <array>

namespace kiv::win32 {

using namespace control_metrics;

namespace {
// Layout in device-independent pixels at 96 DPI. Both pages take the same
// place; the window is a page wide plus its margins.
constexpr int kPageWidth = 372;
constexpr int kClientWidth = kPageWidth + 2 * kMargin;
constexpr int kInstructionsHeight = 104;
constexpr int kListHeight = 150;
constexpr int kSeparatorTop = kMargin + kLabelHeight + 4 + kListHeight + 12;
constexpr int kButtonTop = kSeparatorTop + 12;
constexpr int kClientHeight = kButtonTop + kButtonHeight + kMargin;

HICON ProgramIcon(int sizeMetric) {
    constexpr int kIconId = 1;
    return static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kIconId),
                                           IMAGE_ICON, ::GetSystemMetrics(sizeMetric),
                                           ::GetSystemMetrics(sizeMetric), LR_SHARED));
}
} // namespace

std::optional<ApplicationChoice> frmWindowSelect::Run(HWND owner, std::string_view appName,
                                                      bool useCaption) {
    frmWindowSelect wizard;
    wizard.mInitialAppName = appName;
    wizard.mUseCaption = useCaption;
    const ClassSpec spec{"frmWindowSelect", ProgramIcon(SM_CXICON), ProgramIcon(SM_CXSMICON)};
    if (!wizard.RunModal(owner, spec, "KIV - Select Application")) {
        return std::nullopt;
    }
    return wizard.mAnswer;
}

bool frmWindowSelect::OnCreate() {
    return TrapErrors(mReporter, "Form_Load", [&] {
        const HWND window = Hwnd();
        mReporter.SetOwner(window);
        // The main window is hidden while the wizard runs: the wizard stands in
        // for it on the taskbar.
        ::SetWindowLongPtrA(window, GWL_EXSTYLE,
                            ::GetWindowLongPtrA(window, GWL_EXSTYLE) | WS_EX_APPWINDOW);

        // Page 1, then page 2, then the buttons: the Tab order.
        CToolTipTable tips;
        CreateChild(window, WC_STATICA, "&Application Name:", SS_LEFTNOWORDWRAP, lblAppName);
        HWND name = tips.Note(CreateChild(window, WC_EDITA, mInitialAppName.c_str(),
                                          ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP, txtAppName,
                                          WS_EX_CLIENTEDGE),
                              "Enter a name for the application");
        CreateChild(window, WC_STATICA, std::string(CWindowSelect::kInstructions).c_str(),
                    SS_LEFT | SS_NOPREFIX, lblFrame1);
        CreateChild(window, WC_STATICA,
                    "&Select an application from the following list:", SS_LEFTNOWORDWRAP,
                    lblWindows);
        tips.Note(
            CreateChild(window, WC_LISTBOXA, "",
                        LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP | WS_GROUP,
                        lstWindows, WS_EX_CLIENTEDGE),
            "Select the application you wish to control from this list");
        CreateChild(window, WC_STATICA, "", SS_ETCHEDHORZ, linButtons);
        tips.Note(CreatePushButton(window, "<&Back", cmdBack, WS_GROUP), "Go to the Previous Page");
        tips.Note(CreatePushButton(window, "&Next>", cmdNext, BS_DEFPUSHBUTTON),
                  "Go to the Next Page");
        tips.Note(CreatePushButton(window, "&Cancel", cmdCancel), "Exit");
        Keyboard().SetButtons({cmdNext, cmdCancel});
        Keyboard().SetFirstFocus(name);

        HandleCommand(txtAppName, EN_CHANGE, [this](HWND) { txtAppName_Change(); });
        HandleCommand(txtAppName, EN_SETFOCUS, [](HWND control) { SelectAllText(control); });
        HandleCommand(lstWindows, LBN_SELCHANGE, [this](HWND) { lstWindows_Click(); });
        // A double click picks the entry and finishes.
        HandleCommand(lstWindows, LBN_DBLCLK, [this](HWND) {
            lstWindows_Click();
            if (mWizard.Buttons().nextEnabled) {
                cmdNext_Click();
            }
        });
        HandleCommand(cmdNext, BN_CLICKED, [this](HWND) { cmdNext_Click(); });
        HandleCommand(cmdBack, BN_CLICKED, [this](HWND) { cmdBack_Click(); });
        HandleCommand(cmdCancel, BN_CLICKED, [this](HWND) { EndDialog(false); });

        ApplyDpi();
        // Owned by the wizard, the tip window goes with it.
        tips.AddTo(CreateToolTips(window));
        ShowPage();
        // The name the main window showed, as if typed.
        txtAppName_Change();
    });
}

void frmWindowSelect::Layout(const CDpiScale& scale) {
    const int fieldTop = kMargin + kLabelHeight + 4;
    Place(lblAppName, scale, kMargin, kMargin, kPageWidth, kLabelHeight);
    Place(txtAppName, scale, kMargin, fieldTop, kPageWidth, kEditHeight);
    Place(lblFrame1, scale, kMargin, fieldTop + kEditHeight + 14, kPageWidth, kInstructionsHeight);
    Place(lblWindows, scale, kMargin, kMargin, kPageWidth, kLabelHeight);
    Place(lstWindows, scale, kMargin, fieldTop, kPageWidth, kListHeight);
    PlaceSeparator(::GetDlgItem(Hwnd(), linButtons), scale, kMargin, kSeparatorTop, kPageWidth);
    const int cancelLeft = kClientWidth - kMargin - kButtonWidth;
    const int nextLeft = cancelLeft - kMargin - kButtonWidth;
    Place(cmdCancel, scale, cancelLeft, kButtonTop, kButtonWidth, kButtonHeight);
    Place(cmdNext, scale, nextLeft, kButtonTop, kButtonWidth, kButtonHeight);
    Place(cmdBack, scale, nextLeft - kButtonWidth, kButtonTop, kButtonWidth, kButtonHeight);
    SizeFrameToClient(Hwnd(), scale, kClientWidth, kClientHeight);
}

void frmWindowSelect::ShowPage() {
    const bool first = mWizard.Page() == 1;
    for (int id : {lblAppName, txtAppName, lblFrame1}) {
        ::ShowWindow(::GetDlgItem(Hwnd(), id), first ? SW_SHOW : SW_HIDE);
    }
    for (int id : {lblWindows, lstWindows}) {
        ::ShowWindow(::GetDlgItem(Hwnd(), id), first ? SW_HIDE : SW_SHOW);
    }
}

void frmWindowSelect::ShowButtons() {
    const WindowSelectButtons buttons = mWizard.Buttons();
    HWND next = ::GetDlgItem(Hwnd(), cmdNext);
    ShowText(next, buttons.nextCaption);
    ::EnableWindow(next, buttons.nextEnabled ? TRUE : FALSE);
    ::EnableWindow(::GetDlgItem(Hwnd(), cmdBack), buttons.backEnabled ? TRUE : FALSE);
}

void frmWindowSelect::txtAppName_Change() {
    TrapErrors(mReporter, "txtAppName_Change", [&] {
        mWizard.AppNameChanged(AppName());
        ShowButtons();
    });
}

void frmWindowSelect::lstWindows_Click() {
    TrapErrors(mReporter, "lstWindows_Click", [&] {
        const auto index =
            static_cast<int>(::SendDlgItemMessageA(Hwnd(), lstWindows, LB_GETCURSEL, 0, 0));
        mWizard.ListClicked(index);
        ShowButtons();
    });
}

void frmWindowSelect::cmdNext_Click() {
    TrapErrors(mReporter, "cmdNext_Click", [&] {
        if (mWizard.Page() == 2) {
            std::string item = mWizard.WindowItem(mUseCaption);
            if (!item.empty()) {
                mAnswer = ApplicationChoice{AppName(), std::move(item)};
                EndDialog(true);
            }
            return;
        }
        HWND list = ::GetDlgItem(Hwnd(), lstWindows);
        std::vector<std::string> captions;
        TrapErrors(mReporter, "FillListBoxWithWindows",
                   [&] { captions = mWizard.FillListBoxWithWindows(mDesktop.TopLevelWindows()); });
        ::SendMessageA(list, LB_RESETCONTENT, 0, 0);
        for (const std::string& caption : captions) {
            ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(caption.c_str()));
        }
        // The list takes the focus before the button that had it is disabled.
        ShowPage();
        ::SetFocus(list);
        ShowButtons();
    });
}

void frmWindowSelect::cmdBack_Click() {
    TrapErrors(mReporter, "cmdBack_Click", [&] {
        mWizard.Back();
        ShowPage();
        ::SetFocus(::GetDlgItem(Hwnd(), txtAppName));
        ShowButtons();
    });
}

std::string frmWindowSelect::AppName() const {
    return WindowText(::GetDlgItem(Hwnd(), txtAppName));
}

} // namespace kiv::win32
