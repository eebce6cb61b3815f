// The main window's toolbar, menus, tray icon, hot key page, position
// controls and tool tips: messages turned into controller calls, and the view
// methods the setting commands use.
#include "app/ToolTipTexts.h"
#include "app/win32/frmMain.h"
#include "dialogs/win32/frmSettingName.h"
#include "util/win32/FormUtilsWin32.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cctype>
#include <string>

namespace kiv::win32 {

namespace {
// The toolbar's height in device-independent pixels; the etched line lies under it.
constexpr int kToolbarHeight = 30;

bool IsPushButton(HWND window) {
    char className[32] = {};
    ::GetClassNameA(window, className, sizeof className);
    if (std::string_view(className) != WC_BUTTONA) {
        return false;
    }
    const LONG_PTR type = ::GetWindowLongPtrA(window, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

// The access key of a caption: the character after its single "&".
char AccessKey(std::string_view caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (caption[i + 1] != '&') {
                return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
            }
            ++i;
        }
    }
    return 0;
}
} // namespace

void frmMain::CreateMainCommands() {
    tlbMain.Create(Hwnd(), kToolbar);
    HWND chooser = AddControl(WC_BUTTONA, "...", BS_PUSHBUTTON | WS_TABSTOP, kGetWindowInfo);
    // In the tab order it follows the application's name it chooses.
    ::SetWindowPos(chooser, Control(kApplicationName), 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // The wizard that chooses the application is not part of the program yet.
    ::EnableWindow(chooser, FALSE);
    mMenus.Create(Hwnd());

    fraAdjust.events.nudgeMouseDown = [this](int32_t index) {
        if (mController) {
            mController->Position().cmdSize_MouseDown(index);
        }
    };
    fraAdjust.events.nudgeMouseUp = [this] {
        if (mController) {
            mController->Position().cmdSize_MouseUp();
        }
    };
    fraAdjust.events.labelMouseUp = [this](PositionLabel label) {
        if (mController) {
            mController->Position().lblPosition_MouseUp(label);
        }
    };
    fraAdjust.events.editKeyPress = [this](int16_t key) -> int16_t {
        return mController ? mController->Position().txtPositionEdit_KeyPress(key) : key;
    };
    fraAdjust.events.editCancel = [this] {
        if (mController) {
            mController->Position().txtPositionEdit_Cancel();
        }
    };

    mToolTips = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                  WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0, 0, Hwnd(),
                                  nullptr, ::GetModuleHandleA(nullptr), nullptr);
}

void frmMain::LayoutMainCommands() {
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    tlbMain.Layout(mDpi, client.right, Scale(kToolbarHeight) - 1);
    // The tips take the window's font, and a little room after the text, which
    // some tip windows otherwise clip by a character.
    HWND toolbarTips = reinterpret_cast<HWND>(::SendMessageA(tlbMain.Hwnd(), TB_GETTOOLTIPS, 0, 0));
    RECT margin{Scale(2), Scale(1), Scale(6), Scale(1)};
    for (HWND tips : {mToolTips, toolbarTips}) {
        if (tips != nullptr) {
            ::SendMessageA(tips, WM_SETFONT, reinterpret_cast<WPARAM>(mFont.Get()), FALSE);
            ::SendMessageA(tips, TTM_SETMARGIN, 0, reinterpret_cast<LPARAM>(&margin));
        }
    }
}

bool frmMain::OnMainCommand(int id, int code, HWND control) {
    if (control != nullptr && control == tlbMain.Hwnd()) {
        if (std::optional<MainCommand> command = CMainToolbar::CommandOf(id)) {
            mController->Commands().Invoke(*command);
        }
        return true;
    }
    if (control == nullptr && code == 0) {
        if (std::optional<CMainMenus::Entry> entry = CMainMenus::FromCommandId(id)) {
            switch (entry->menu) {
            case CMainMenus::Menu::Setting:
                mController->Menus().mnuSetting_Click(entry->index);
                break;
            case CMainMenus::Menu::Feature:
                mController->Menus().mnuFeature_Click(entry->index);
                break;
            case CMainMenus::Menu::Help:
                mController->Menus().mnuHelp_Click(entry->index);
                break;
            default:
                break;
            }
            return true;
        }
    }
    if (id == IDOK || id == IDCANCEL) {
        // Enter presses the focused push button, as in a dialog; there is no
        // default button and nothing for Esc to cancel.
        HWND focus = ::GetFocus();
        if (id == IDOK && focus != nullptr && ::IsChild(Hwnd(), focus) && IsPushButton(focus)) {
            ::SendMessageA(focus, BM_CLICK, 0, 0);
        }
        return true;
    }
    if (fraHotKey.IsChange(id, code)) {
        mController->Commands().SetNewKeyCode();
        return true;
    }
    if (std::optional<int32_t> index = CAdjustPage::NudgeIndex(id)) {
        if (code == BN_CLICKED) {
            mController->Position().cmdSize_Click(*index);
        }
        return true;
    }
    switch (id) {
    case CAdjustPage::kCapture:
        if (code == BN_CLICKED) {
            mController->Position().cmdCapture_Click();
        }
        return true;
    case CAdjustPage::kPositionEdit:
        if (code == EN_SETFOCUS) {
            SelectAllText(control);
        } else if (code == EN_KILLFOCUS) {
            mController->Position().txtPositionEdit_Validate(fraAdjust.EditText());
        }
        return true;
    case kGetWindowInfo:
        // Opens the wizard once there is one; the button stays disabled until then.
        return true;
    default:
        return false;
    }
}

bool frmMain::OnMainNotify(NMHDR& header, LRESULT& result) {
    const auto toolbarTips =
        reinterpret_cast<HWND>(::SendMessageA(tlbMain.Hwnd(), TB_GETTOOLTIPS, 0, 0));
    if (header.code == NM_CUSTOMDRAW && header.hwndFrom != nullptr &&
        (header.hwndFrom == mToolTips || header.hwndFrom == toolbarTips)) {
        // Some tip windows measure the text a little narrower than they draw it.
        auto& draw = reinterpret_cast<NMTTCUSTOMDRAW&>(header);
        if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) {
            draw.uDrawFlags |= DT_NOCLIP;
        }
        result = CDRF_DODEFAULT;
        return true;
    }
    if ((header.code == TTN_GETDISPINFOA || header.code == TTN_GETDISPINFOW) &&
        header.hwndFrom == toolbarTips) {
        const std::string_view text = CMainToolbar::TipOf(static_cast<int>(header.idFrom));
        if (text.empty()) {
            return false;
        }
        // The tip window copies the text before this buffer changes again.
        static std::string narrow;
        static std::wstring wide;
        if (header.code == TTN_GETDISPINFOA) {
            narrow.assign(text);
            reinterpret_cast<NMTTDISPINFOA&>(header).lpszText = narrow.data();
        } else {
            wide.assign(text.begin(), text.end());
            reinterpret_cast<NMTTDISPINFOW&>(header).lpszText = wide.data();
        }
        result = 0;
        return true;
    }
    return false;
}

bool frmMain::OnMainOtherMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == kTrayIconMessage) {
        mController->Menus().TrayIcon_MouseEvent(static_cast<int32_t>(LOWORD(lParam)));
        result = 0;
        return true;
    }
    if (message == WM_ACTIVATE) {
        // As a dialog does: the focus leaves with the window and comes back to
        // where it was, or to the setting list the first time.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = ::GetFocus();
            mFocusBeforeDeactivation =
                focus != nullptr && ::IsChild(Hwnd(), focus) ? focus : nullptr;
        } else if (HIWORD(wParam) == 0) {
            HWND focus = mFocusBeforeDeactivation;
            if (focus == nullptr || !::IsWindow(focus) || !::IsWindowVisible(focus) ||
                !::IsWindowEnabled(focus) || !::IsChild(Hwnd(), focus)) {
                focus = Control(kSettingName);
            }
            ::SetFocus(focus);
        }
        result = 0;
        return true;
    }
    if (message == WM_MENUCHAR && (HIWORD(wParam) & MF_SYSMENU) == 0) {
        // An access key that no control and no menu took: the tabs' captions.
        const auto key =
            static_cast<char>(std::toupper(static_cast<unsigned char>(LOWORD(wParam))));
        for (size_t i = 0; i < mTabs.size(); ++i) {
            if (AccessKey(mTabs[i].caption) == key) {
                ::SendMessageA(Control(kTabMain), TCM_SETCURSEL, i, 0);
                SetupTabPages(false, mTabs[i].key);
                ::SetFocus(Control(kTabMain));
                result = MAKELRESULT(0, MNC_CLOSE);
                return true;
            }
        }
    }
    return false;
}

bool frmMain::PreTranslateMessage(const MSG& message) {
    if (message.message != WM_KEYDOWN || Hwnd() == nullptr ||
        (message.hwnd != Hwnd() && !::IsChild(Hwnd(), message.hwnd))) {
        return false;
    }
    const bool ctrl = ::GetKeyState(VK_CONTROL) < 0;
    const bool shift = ::GetKeyState(VK_SHIFT) < 0;
    if (ctrl && message.wParam == VK_TAB) {
        SelectTabBy(shift ? -1 : 1);
        return true;
    }
    if (ctrl && (message.wParam == VK_NEXT || message.wParam == VK_PRIOR)) {
        SelectTabBy(message.wParam == VK_NEXT ? 1 : -1);
        return true;
    }
    return false;
}

void frmMain::SelectTabBy(int offset) {
    const int count = static_cast<int>(mTabs.size());
    if (count == 0) {
        return;
    }
    const int current = static_cast<int>(::SendMessageA(Control(kTabMain), TCM_GETCURSEL, 0, 0));
    const int next = ((current < 0 ? 0 : current) + offset % count + count) % count;
    ::SendMessageA(Control(kTabMain), TCM_SETCURSEL, static_cast<WPARAM>(next), 0);
    SetupTabPages(false, mTabs[static_cast<size_t>(next)].key);
}

HWND frmMain::NamedControl(std::string_view name) const {
    if (name == "cboSettingName") {
        return Control(kSettingName);
    }
    if (name == "cmdGetWindowInfo") {
        return Control(kGetWindowInfo);
    }
    if (name == "chkLockPosition") {
        return fraAdjust.Control(CAdjustPage::kLockPosition);
    }
    if (name == "cmdCapture") {
        return fraAdjust.Control(CAdjustPage::kCapture);
    }
    if (name.size() == 8 && name.substr(0, 7) == "cmdSize" && name[7] >= '0' && name[7] <= '9') {
        return fraAdjust.Control(CAdjustPage::kSize0 + (name[7] - '0'));
    }
    struct Named {
        std::string_view name;
        const CTabPage* page;
        int id;
    };
    const Named others[] = {
        {"chkBlankingOn", &fraBlanking, CBlankingPage::kBlankingOn},
        {"cmdTestOrbiting", &fraOrbiting, COrbitingPage::kTestOrbiting},
        {"txtOrbitIncrement", &fraOrbiting, COrbitingPage::kOrbitIncrement},
        {"txtOrbitInterval", &fraOrbiting, COrbitingPage::kOrbitInterval},
        {"chkOrbitingOn", &fraOrbiting, COrbitingPage::kOrbitingOn},
        {"orbHorizontal", &fraOrbiting, COrbitingPage::kOrbHorizontal},
        {"orbVertical", &fraOrbiting, COrbitingPage::kOrbVertical},
        {"blLeft", &fraBlanking, CBlankingPage::kBlankLeft},
        {"blRight", &fraBlanking, CBlankingPage::kBlankRight},
        {"blTop", &fraBlanking, CBlankingPage::kBlankTop},
        {"blBottom", &fraBlanking, CBlankingPage::kBlankBottom},
    };
    for (const Named& other : others) {
        if (other.name == name) {
            return other.page->Control(other.id);
        }
    }
    // The toolbar's buttons show their tips through the toolbar.
    return nullptr;
}

// --- IMainView: setting commands ---

std::optional<std::string> frmMain::AskSettingName(std::string_view initialText) {
    return frmSettingName::Ask(Hwnd(), initialText);
}

void frmMain::SetCommandEnabled(MainCommand command, bool enabled) {
    switch (command) {
    case MainCommand::GetWindowInfo:
        // Stays disabled until the wizard it opens is part of the program.
        break;
    case MainCommand::HotKeyShift:
    case MainCommand::HotKeyCtrl:
    case MainCommand::HotKeyKey:
        fraHotKey.SetEnabled(command, enabled);
        break;
    default:
        tlbMain.SetEnabled(command, enabled);
        mMenus.SetEnabled(command, enabled);
        break;
    }
}

void frmMain::FocusGetWindowInfo() {
    HWND chooser = Control(kGetWindowInfo);
    ::SetFocus(::IsWindowEnabled(chooser) ? chooser : Control(kSettingName));
}

void frmMain::ShowApplicationName(std::string_view name) {
    ::SetWindowTextA(Control(kApplicationName), std::string(name).c_str());
}

void frmMain::ShowPosition(const CWindowSetting& setting) {
    fraAdjust.ShowPosition(setting);
}

void frmMain::SetToolTips() {
    if (mToolTips == nullptr || mToolTipsSet) {
        return;
    }
    mToolTipsSet = true;
    auto addTool = [&](HWND control, std::string_view text) {
        std::string copy(text);
        TTTOOLINFOA tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = ::GetParent(control);
        tool.uId = reinterpret_cast<UINT_PTR>(control);
        tool.lpszText = copy.data();
        ::SendMessageA(mToolTips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    };
    for (const ToolTipText& tip : kMainToolTips) {
        HWND control = NamedControl(tip.control);
        if (control == nullptr) {
            continue;
        }
        addTool(control, tip.text);
        // A control made of parts shows its tip over each part.
        for (HWND part = ::GetWindow(control, GW_CHILD); part;
             part = ::GetWindow(part, GW_HWNDNEXT)) {
            addTool(part, tip.text);
        }
    }
}

// --- IMainView: position controls ---

std::string frmMain::PositionLabelText(PositionLabel label) const {
    return fraAdjust.LabelText(label);
}

void frmMain::BeginPositionEdit(PositionLabel label, std::string_view text) {
    fraAdjust.BeginEdit(label, text);
}

void frmMain::EndPositionEdit(PositionLabel label, std::string_view caption) {
    fraAdjust.EndEdit(label, caption);
}

void frmMain::MoveFocusToNextControl() {
    HWND next = ::GetNextDlgTabItem(Hwnd(), ::GetFocus(), FALSE);
    if (next != nullptr) {
        ::SetFocus(next);
    }
}

// --- IMainView: menus and tray ---

void frmMain::ShowSettingMenus(const AspectMenuState& menus) {
    mMenus.ShowSettingEntries(menus);
    ::DrawMenuBar(Hwnd());
}

int32_t frmMain::ShowPopupMenu(MainPopup popup, std::optional<ScreenPoint> at) {
    return mMenus.TrackPopup(popup, at);
}

bool frmMain::ChoosePositionEdit() {
    return mMenus.TrackPositionEdit(Hwnd());
}

bool frmMain::AddTrayIcon() {
    auto icon = reinterpret_cast<HICON>(::GetClassLongPtrA(Hwnd(), GCLP_HICONSM));
    if (icon == nullptr) {
        icon = reinterpret_cast<HICON>(::GetClassLongPtrA(Hwnd(), GCLP_HICON));
    }
    if (icon == nullptr) {
        icon = ::LoadIconA(nullptr, IDI_APPLICATION);
    }
    return mTrayIcon.Add(Hwnd(), icon, "KIV");
}

bool frmMain::DeleteTrayIcon() {
    return mTrayIcon.Delete();
}

void frmMain::SetMainWindowVisible(bool visible) {
    ::ShowWindow(Hwnd(), visible ? SW_SHOW : SW_HIDE);
}

void frmMain::BringMainWindowToFront() {
    if (::IsIconic(Hwnd())) {
        ::ShowWindow(Hwnd(), SW_RESTORE);
    }
    ::SetForegroundWindow(Hwnd());
    ::SetWindowPos(Hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
}

void frmMain::UnloadMainWindow() {
    // After the menu that asked has closed, exactly as the close box does it.
    ::PostMessageA(Hwnd(), WM_CLOSE, 0, 0);
}

void frmMain::ShowHelpContents(std::string_view helpFile) {
    ::WinHelpA(Hwnd(), std::string(helpFile).c_str(), HELP_FINDER, 0);
}

bool frmMain::OpenDocument(std::string_view path) {
    const auto result = reinterpret_cast<INT_PTR>(::ShellExecuteA(
        Hwnd(), "open", std::string(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

} // namespace kiv::win32
