#include "app/win32/frmMain.h"

#include "KIVKbd/KIVKbd.h"
#include "app/win32/MainWindowPlaceWin32.h"
#include "app/win32/SingleInstance.h"
#include "hotkeys/HotKeyTable.h"
#include "platform/win32/Controls.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/FormPlacementWin32.h"
#include "util/GDILine.h"

#include <commctrl.h>
#include <shellapi.h>

#include <string>

namespace kiv::win32 {

// The key hook takes the whole hot key table this window hands it.
static_assert(kHotKeyTableSize <= static_cast<size_t>(support::kMaxHotKeys),
              "the key hook must be able to watch every hot key KIV builds");

namespace {
// The lock watchdog's timer and the displays' watch (Wine tells no window
// when a display is switched off or on); the pages keep timers of their own.
constexpr WindowTimer kCheckerTimer{1, 1000};
constexpr WindowTimer kDisplayTimer{2, 1000};

// Layout in device-independent pixels at 96 DPI.
constexpr int kClientWidth = 440;
constexpr int kMargin = 10;
constexpr int kToolbarHeight = 30;
constexpr int kRowHeight = 23;
constexpr int kLabelWidth = 90;
constexpr int kGetWindowInfoWidth = 28;
constexpr int kTabTop = 104;
constexpr int kTabHeight = 214;
constexpr int kDvdRowHeight = 20;
constexpr int kClientHeight = kTabTop + kTabHeight + kMargin + kDvdRowHeight;
} // namespace

frmMain::~frmMain() {
    Destroy();
}

// --- Creation and layout ---

MainViews frmMain::Views() {
    return {*this, fraAdjust, fraOrbiting, fraBlanking, fraHotKey.Editor(), *this, *this, mDialogs};
}

bool frmMain::Load(CMainController& controller, HICON largeIcon, HICON smallIcon) {
    mController = &controller;
    ClassSpec spec{"frmMain", largeIcon, smallIcon};
    constexpr DWORD kStyle =
        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    if (!Create(spec, WS_EX_CONTROLPARENT, kStyle, "KIV", CW_USEDEFAULT, CW_USEDEFAULT, 0, 0)) {
        return false;
    }
    PlaceMainWindowAtStart(Hwnd(),
                           [this](Size size) { return mController->MainWindowOpenAt(size); });
    // A remote control's second copy may run with less privilege than KIV:
    // its hand-over is let in, and checked by its marker and size on arrival.
    ::ChangeWindowMessageFilterEx(Hwnd(), WM_COPYDATA, MSGFLT_ALLOW, nullptr);
    SetTimerEnabled(Hwnd(), kDisplayTimer, true);
    // Each page reports its own controls to the feature behind it.
    fraAdjust.Bind(controller.Position());
    fraAdjust.UsePositionEditMenu([this] { return mMenus.TrackPositionEdit(Hwnd()); });
    fraHotKey.Bind(controller.Commands());
    fraOrbiting.Bind(controller.Orbiting());
    fraBlanking.Bind(controller.Blanking());
    return true;
}

bool frmMain::OnCreate() {
    CreateChild(Hwnd(), WC_STATICA, "&Setting Name", SS_LEFTNOWORDWRAP, kSettingNameLabel);
    mTips.Note(CreateChild(Hwnd(), WC_COMBOBOXA, "",
                           CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_TABSTOP, kSettingName),
               "Select an aspect ratio setting");
    CreateChild(Hwnd(), WC_STATICA, "Application", SS_LEFTNOWORDWRAP, kApplicationLabel);
    CreateChild(Hwnd(), WC_STATICA, "", SS_LEFT | SS_ENDELLIPSIS | SS_NOPREFIX, kApplicationName);
    CreateChild(Hwnd(), WC_TABCONTROLA, "", WS_TABSTOP | WS_CLIPSIBLINGS, kTabMain);
    // lblCurrentDVD: the disc in the drive, once it is known.
    CreateChild(Hwnd(), WC_STATICA, "", SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_ENDELLIPSIS,
                kCurrentDvd);
    mTabStrip.Attach(Hwnd(), kTabMain);
    mTabStrip.AddTab("WP", "&Window Position", fraAdjust);
    mTabStrip.AddTab("HK", "Hot &Key", fraHotKey);
    mTabStrip.AddTab("OR", "Orb&iting", fraOrbiting);
    mTabStrip.AddTab("BL", "&Blanking", fraBlanking);
    mTaskbarCreatedMessage = ::RegisterWindowMessageA("TaskbarCreated");
    CreateMainCommands();
    // Keys as in a dialog: Enter presses the focused button, the focus comes
    // back where it was, and an access key no control takes chooses a tab.
    UseDialogKeyboard(mKeyboard);
    mKeyboard.SetFirstFocus(Control(kSettingName));
    mKeyboard.UseTabStrip(Control(kTabMain), [this](size_t index) { mTabStrip.ShowPageAt(index); });
    // Start-up lays the pages out and shows the first one (SetupTabPages).
    ApplyFontAndLayout(WindowDpi(Hwnd()), false);
    return true;
}

void frmMain::RememberPlace() {
    if (const std::optional<Rect> rect = RestoredWindowRect(Hwnd())) {
        mController->MainWindowClosing({rect->left, rect->top});
    }
}

void frmMain::CreateMainCommands() {
    tlbMain.Create(Hwnd(), kToolbar);
    HWND chooser = mTips.Note(CreatePushButton(Hwnd(), "...", kGetWindowInfo),
                              "Select an application to control");
    // In the tab order it follows the application's name it chooses.
    ::SetWindowPos(chooser, Control(kApplicationName), 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    mMenus.Create(Hwnd());

    mToolTips = CreateToolTips(Hwnd());
}

void frmMain::ApplyFontAndLayout(UINT dpi, bool withPages) {
    mDpiFont.Apply(Hwnd(), dpi);
    const CDpiScale& scale = mDpiFont.Scale();
    const int fieldLeft = kMargin + kLabelWidth;
    const int fieldWidth = kClientWidth - fieldLeft - kMargin;
    int y = kToolbarHeight + kMargin;
    Place(kSettingNameLabel, scale, kMargin, y + 4, kLabelWidth, kRowHeight - 4);
    Place(kSettingName, scale, fieldLeft, y, fieldWidth, 200);
    y += kRowHeight + 8;
    Place(kApplicationLabel, scale, kMargin, y, kLabelWidth, kRowHeight - 4);
    // Room on the right for the button that chooses the application.
    Place(kApplicationName, scale, fieldLeft, y, fieldWidth - kGetWindowInfoWidth - 6,
          kRowHeight - 4);
    Place(kGetWindowInfo, scale, kClientWidth - kMargin - kGetWindowInfoWidth, y - 4,
          kGetWindowInfoWidth, kRowHeight);
    Place(kTabMain, scale, kMargin, kTabTop, kClientWidth - 2 * kMargin, kTabHeight);
    Place(kCurrentDvd, scale, kMargin, kTabTop + kTabHeight + 6, kClientWidth - 2 * kMargin,
          kDvdRowHeight - 4);

    SizeFrameToClient(Hwnd(), mDpiFont.Scale(), kClientWidth, kClientHeight);
    LayoutMainCommands();
    if (withPages) {
        mTabStrip.LayoutPages(mDpiFont.Scale());
    }
    ::InvalidateRect(Hwnd(), nullptr, TRUE);
}

void frmMain::LayoutMainCommands() {
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    tlbMain.Layout(mDpiFont.Scale().Dpi(), client.right, mDpiFont.Scale()(kToolbarHeight) - 1);
    // The tips take the window's font, and a little room after the text, which
    // some tip windows otherwise clip by a character.
    HWND toolbarTips = reinterpret_cast<HWND>(::SendMessageA(tlbMain.Hwnd(), TB_GETTOOLTIPS, 0, 0));
    RECT margin{mDpiFont.Scale()(2), mDpiFont.Scale()(1), mDpiFont.Scale()(6), mDpiFont.Scale()(1)};
    for (HWND tips : {mToolTips, toolbarTips}) {
        if (tips != nullptr) {
            ::SendMessageA(tips, WM_SETFONT, reinterpret_cast<WPARAM>(mDpiFont.Font()), FALSE);
            ::SendMessageA(tips, TTM_SETMARGIN, 0, reinterpret_cast<LPARAM>(&margin));
        }
    }
}

bool frmMain::OnDpiChanged(UINT dpi, const RECT& suggested) {
    ApplyFontAndLayout(dpi);
    TakeSuggestedRect(Hwnd(), suggested);
    return true;
}

bool frmMain::PreTranslateMessage(MSG& message) {
    return mKeyboard.PreTranslate(message);
}

// --- Messages ---

void frmMain::OnDestroy() {
    // No tick may reach a feature while the controller shuts down.
    SetCheckerEnabled(false);
    SetTimerEnabled(Hwnd(), kDisplayTimer, false);
    mTabStrip.StopTimers();
    if (mController) {
        RememberPlace();
        mController->Form_Unload();
    }
    ::PostQuitMessage(0);
}

bool frmMain::OnClose() {
    if (!mController) {
        Destroy();
        return true;
    }
    // A close while a command runs (from the tray menu over a dialog) waits
    // for the command, whose dialogs close first, so none of it runs after.
    mController->Queue().Exit([this] { Destroy(); });
    return true;
}

bool frmMain::OnCommand(int id, int code, HWND control) {
    if (!mController) {
        return false;
    }
    if (id == kSettingName && code == CBN_SELCHANGE) {
        mController->Queue().Run(
            [controller = mController] { controller->cboSettingName_Click(); });
        return true;
    }
    if (control != nullptr && control == tlbMain.Hwnd()) {
        if (std::optional<MainCommand> command = CMainToolbar::CommandOf(id)) {
            mController->MainCommands().Invoke(*command);
        }
        return true;
    }
    if (control == nullptr && code == 0) {
        if (std::optional<CMainMenus::Entry> entry = CMainMenus::FromCommandId(id)) {
            CMenuCommands& menus = mController->Menus();
            if (entry->menu == CMainMenus::Menu::Setting) {
                menus.mnuSetting_Click(entry->index);
            } else if (entry->menu == CMainMenus::Menu::Feature) {
                menus.mnuFeature_Click(entry->index);
            } else if (entry->menu == CMainMenus::Menu::Help) {
                menus.mnuHelp_Click(entry->index);
            }
            return true;
        }
    }
    if (id == kGetWindowInfo && code == BN_CLICKED) {
        mController->Queue().Run(
            [controller = mController] { controller->GetWindowInfo().cmdGetWindowInfo_Click(); });
        return true;
    }
    return false;
}

bool frmMain::OnTimer(UINT_PTR id) {
    if (mController == nullptr || (id != kCheckerTimer.id && id != kDisplayTimer.id)) {
        return false;
    }
    id == kCheckerTimer.id ? mController->tmrChecker_Timer() : mController->tmrDisplays_Timer();
    return true;
}

bool frmMain::OnPaint(HDC dc, const PAINTSTRUCT&) {
    // The etched separator under the toolbar.
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    CDeviceCanvas canvas(dc);
    CGDILine line;
    line.X1 = 0;
    line.X2 = client.right;
    line.Y1 = mDpiFont.Scale()(kToolbarHeight);
    line.Y2 = line.Y1;
    line.Draw3DLine(canvas, kSystemColorFlag | kColorButtonShadow,
                    kSystemColorFlag | kColorButtonHighlight);
    // The line may run under the list; the list is drawn over it again.
    ::RedrawWindow(Control(kSettingName), nullptr, nullptr, RDW_INVALIDATE);
    return true;
}

bool frmMain::OnNotify(NMHDR& header, LRESULT& result) {
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
    if (tlbMain.OnTipNotify(header)) {
        result = 0;
        return true;
    }
    return mTabStrip.OnNotify(header);
}

bool frmMain::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (!mController) {
        return false;
    }
    result = 0;
    if (message == kTrayIconMessage) {
        mController->Menus().TrayIcon_MouseEvent(static_cast<int32_t>(LOWORD(lParam)));
    } else if (message == support::kHotKeyMessage) {
        mController->HotKeyMessage(static_cast<int64_t>(wParam));
    } else if (message == support::kMediaArrivedMessage) {
        mController->MediaArrived(static_cast<uint32_t>(wParam));
    } else if (message == WM_COPYDATA) {
        // Another program's data: only a command line of ours, of a sane size.
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (data == nullptr || data->dwData != kCommandLineCopyData || data->lpData == nullptr ||
            data->cbData > kMaxHandedCommandLine) {
            return false;
        }
        mController->SecondCopyStarted(
            std::string_view(static_cast<const char*>(data->lpData), data->cbData));
        result = TRUE;
    } else if (message == WM_DISPLAYCHANGE ||
               (message == WM_POWERBROADCAST &&
                (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND))) {
        mController->ScreenChanged();
        result = message == WM_POWERBROADCAST ? TRUE : 0;
    } else if (message == WM_ENDSESSION) {
        if (wParam != FALSE) {
            // The process may end before the window closes.
            RememberPlace();
            mController->EndSession();
        }
    } else if (message != 0 && message == mTaskbarCreatedMessage) {
        mController->TaskbarCreated();
    } else {
        return false;
    }
    return true;
}

// --- IMainView ---

void frmMain::SetupTabPages(bool initialize, std::string_view key) {
    if (initialize) {
        mTabStrip.LayoutPages(mDpiFont.Scale());
    }
    mTabStrip.ShowPage(key, initialize);
}

void frmMain::SetCheckerEnabled(bool enabled) {
    SetTimerEnabled(Hwnd(), kCheckerTimer, enabled);
}

void frmMain::SetToolTips() {
    if (mToolTips == nullptr || mToolTipsSet) {
        return;
    }
    mToolTipsSet = true;
    // The toolbar's buttons carry their own.
    mTips.AddTo(mToolTips);
    mTabStrip.AddToolTips(mToolTips);
}

void frmMain::ShowAsStartMode(int32_t startMode) {
    if (startMode == 0) {
        ::ShowWindow(Hwnd(), SW_SHOWNORMAL);
        ::SetForegroundWindow(Hwnd());
    } else if (startMode == 1) {
        ::ShowWindow(Hwnd(), SW_SHOWMINNOACTIVE);
    }
}

void frmMain::SetCurrentDvdLabel(std::string_view text) {
    ::SetWindowTextA(Control(kCurrentDvd), std::string(text).c_str());
}

void frmMain::ShowAddingNotice(std::string_view message, std::optional<Rect> display) {
    mAddingTitle.Show(Hwnd(), message, display);
}

void frmMain::EndProgramNow() {
    ::ExitProcess(2);
}

void frmMain::CancelModalWindows() {
    CloseOwnedWindows(Hwnd());
}

// --- ISettingCommandsView ---

void frmMain::SetCommandEnabled(MainCommand command, bool enabled) {
    switch (command) {
    case MainCommand::GetWindowInfo:
        ::EnableWindow(Control(kGetWindowInfo), enabled ? TRUE : FALSE);
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

// --- IMenuView ---

void frmMain::ShowSettingMenus(const AspectMenuState& menus) {
    mMenus.ShowSettingEntries(menus);
    ::DrawMenuBar(Hwnd());
}

int32_t frmMain::ShowPopupMenu(MainPopup popup, std::optional<ScreenPoint> at) {
    return mMenus.TrackPopup(popup, at);
}

bool frmMain::AddTrayIcon() {
    return mTrayIcon.Add(Hwnd(), "KIV");
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
