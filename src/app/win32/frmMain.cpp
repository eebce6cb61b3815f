#include "app/win32/frmMain.h"

#include "util/GDILine.h"
#include "util/win32/FormUtilsWin32.h"

#include <commctrl.h>

#include <string>
#include <utility>

namespace kiv::win32 {

namespace {
// The window's timers: each id is its interval's index plus one.
enum class MainTimer : UINT_PTR { Checker = 1, Repeater, Orbit, TestOrbit };
constexpr std::array<UINT, 4> kTimerIntervalsMs = {1000, 250, 1000, 2000};
UINT_PTR TimerId(MainTimer timer) {
    return static_cast<UINT_PTR>(timer);
}
void SetTimerEnabled(HWND window, MainTimer timer, bool enabled) {
    if (enabled) {
        ::SetTimer(window, TimerId(timer), kTimerIntervalsMs[TimerId(timer) - 1], nullptr);
    } else {
        ::KillTimer(window, TimerId(timer));
    }
}

// Layout in device-independent pixels at 96 DPI.
constexpr int kClientWidth = 440;
constexpr int kMargin = 10;
constexpr int kToolbarHeight = 30;
constexpr int kRowHeight = 23;
constexpr int kLabelWidth = 90;
constexpr int kGetWindowInfoWidth = 28;
constexpr int kTabTop = 104;
constexpr int kTabHeight = 214;
constexpr int kClientHeight = kTabTop + kTabHeight + kMargin;

UINT DpiOf(HWND window) {
    UINT dpi = window ? ::GetDpiForWindow(window) : 0;
    return dpi != 0 ? dpi : 96;
}
} // namespace

frmMain::~frmMain() {
    Destroy();
}

bool frmMain::Load(CMainController& controller, HICON largeIcon, HICON smallIcon) {
    mController = &controller;
    ClassSpec spec{"frmMain", largeIcon, smallIcon};
    constexpr DWORD kStyle =
        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    if (!Create(spec, WS_EX_CONTROLPARENT, kStyle, "KIV", CW_USEDEFAULT, CW_USEDEFAULT, 0, 0)) {
        return false;
    }
    CenterForm(Hwnd());
    return true;
}

bool frmMain::OnCreate() {
    mDpi = DpiOf(Hwnd());
    AddControl(WC_STATICA, "&Setting Name", SS_LEFTNOWORDWRAP, kSettingNameLabel);
    AddControl(WC_COMBOBOXA, "", CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_TABSTOP,
               kSettingName);
    AddControl(WC_STATICA, "Application", SS_LEFTNOWORDWRAP, kApplicationLabel);
    AddControl(WC_STATICA, "", SS_LEFT | SS_ENDELLIPSIS | SS_NOPREFIX, kApplicationName);
    AddControl(WC_TABCONTROLA, "", WS_TABSTOP | WS_CLIPSIBLINGS, kTabMain);
    AddTab("WP", "&Window Position", fraAdjust);
    AddTab("HK", "Hot &Key", fraHotKey);
    AddTab("OR", "Orb&iting", fraOrbiting);
    AddTab("BL", "&Blanking", fraBlanking);
    mTaskbarCreatedMessage = ::RegisterWindowMessageA("TaskbarCreated");
    CreateMainCommands();
    // Start-up lays the pages out and shows the first one (SetupTabPages).
    ApplyFontAndLayout(false);
    return true;
}

void frmMain::AddTab(std::string_view key, const char* caption, CTabPage& page) {
    HWND tab = Control(kTabMain);
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(caption);
    int index = static_cast<int>(::SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
    ::SendMessageA(tab, TCM_INSERTITEMA, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&item));
    page.CreatePage(Hwnd());
    page.Build();
    mTabs.push_back({key, caption, &page});
}

void frmMain::SetupTabPages(bool initialize, std::string_view key) {
    if (initialize) {
        LayoutPages();
        for (size_t i = 0; i < mTabs.size(); ++i) {
            if (mTabs[i].key == key) {
                ::SendMessageA(Control(kTabMain), TCM_SETCURSEL, i, 0);
            }
        }
    }
    for (const Tab& tab : mTabs) {
        ::ShowWindow(tab.page->Hwnd(), SW_HIDE);
    }
    for (const Tab& tab : mTabs) {
        if (tab.key == key) {
            ::SetWindowPos(tab.page->Hwnd(), HWND_TOP, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        }
    }
}

void frmMain::LayoutPages() {
    // Every page covers the strip's display area, in front of the strip.
    HWND tab = Control(kTabMain);
    RECT area{};
    ::GetWindowRect(tab, &area);
    ::MapWindowPoints(nullptr, Hwnd(), reinterpret_cast<POINT*>(&area), 2);
    ::SendMessageA(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    for (const Tab& page : mTabs) {
        ::SetWindowPos(page.page->Hwnd(), HWND_TOP, area.left, area.top, area.right - area.left,
                       area.bottom - area.top, SWP_NOACTIVATE);
        for (HWND child = ::GetWindow(page.page->Hwnd(), GW_CHILD); child;
             child = ::GetWindow(child, GW_HWNDNEXT)) {
            ::SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(mFont.Get()), TRUE);
        }
        page.page->Layout(DpiScale());
    }
}

void frmMain::OnDestroy() {
    for (UINT_PTR id = 1; id <= kTimerIntervalsMs.size(); ++id) {
        ::KillTimer(Hwnd(), id);
    }
    if (mController) {
        mController->Form_Unload();
    }
    ::PostQuitMessage(0);
}

bool frmMain::OnClose() {
    Destroy();
    return true;
}

bool frmMain::OnCommand(int id, int code, HWND control) {
    if (!mController) {
        return false;
    }
    if (OnOrbitingBlankingCommand(id, code, control)) {
        return true;
    }
    if (OnMainCommand(id, code, control)) {
        return true;
    }
    if (id == kSettingName && code == CBN_SELCHANGE) {
        mController->cboSettingName_Click();
        return true;
    }
    if (id == CAdjustPage::kLockPosition && code == BN_CLICKED) {
        mController->chkLockPosition_Click();
        return true;
    }
    return false;
}

bool frmMain::OnTimer(UINT_PTR id) {
    if (mController && id == TimerId(MainTimer::Checker)) {
        mController->tmrChecker_Timer();
        return true;
    }
    if (mController && id == TimerId(MainTimer::Orbit)) {
        mController->OrbitBlanking().tmrOrbit_Timer();
        return true;
    }
    if (mController && id == TimerId(MainTimer::TestOrbit)) {
        mController->OrbitBlanking().tmrTestOrbit_Timer();
        return true;
    }
    if (mController && id == TimerId(MainTimer::Repeater)) {
        mController->Position().tmrRepeater_Timer();
        return true;
    }
    return false;
}

bool frmMain::OnPaint(HDC dc, const PAINTSTRUCT&) {
    // The etched separator under the toolbar.
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    CDeviceCanvas canvas(dc);
    CGDILine line;
    line.X1 = 0;
    line.X2 = client.right;
    line.Y1 = Scale(kToolbarHeight);
    line.Y2 = line.Y1;
    line.Draw3DLine(canvas, kSystemColorFlag | kColorButtonShadow,
                    kSystemColorFlag | kColorButtonHighlight);
    // The line may run under the list; the list is drawn over it again.
    ::RedrawWindow(Control(kSettingName), nullptr, nullptr, RDW_INVALIDATE);
    return true;
}

bool frmMain::OnNotify(NMHDR& header, LRESULT& result) {
    if (OnMainNotify(header, result)) {
        return true;
    }
    if (header.code == CWindowPos::kValueIncremented && mController) {
        auto& notice = reinterpret_cast<CWindowPos::NMValueIncremented&>(header);
        static constexpr std::pair<int, WindowPosControl> kControls[] = {
            {CBlankingPage::kBlankLeft, WindowPosControl::BlankLeft},
            {CBlankingPage::kBlankRight, WindowPosControl::BlankRight},
            {CBlankingPage::kBlankTop, WindowPosControl::BlankTop},
            {CBlankingPage::kBlankBottom, WindowPosControl::BlankBottom},
            {COrbitingPage::kOrbHorizontal, WindowPosControl::OrbitHorizontal},
            {COrbitingPage::kOrbVertical, WindowPosControl::OrbitVertical},
        };
        for (const auto& [id, control] : kControls) {
            if (header.idFrom == static_cast<UINT_PTR>(id)) {
                mController->OrbitBlanking().WindowPos_ValueIncremented(control, notice.newValue);
                return true;
            }
        }
        return false;
    }
    if (header.idFrom == kTabMain && header.code == TCN_SELCHANGE) {
        auto selected = static_cast<size_t>(::SendMessageA(Control(kTabMain), TCM_GETCURSEL, 0, 0));
        if (selected < mTabs.size()) {
            SetupTabPages(false, mTabs[selected].key);
        }
        return true;
    }
    return false;
}

bool frmMain::OnDpiChanged(UINT dpi, const RECT& suggested) {
    mDpi = dpi;
    ApplyFontAndLayout();
    ::SetWindowPos(Hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

HWND frmMain::AddControl(const char* className, const char* text, DWORD style, int id,
                         DWORD exStyle) {
    return ::CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                             Hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             ::GetModuleHandleA(nullptr), nullptr);
}

int frmMain::Scale(int dips) const {
    return ::MulDiv(dips, static_cast<int>(mDpi), 96);
}

void frmMain::ApplyFontAndLayout(bool withPages) {
    // The per-DPI query exists only in the wide form.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (::SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, mDpi)) {
        mFont.Reset(::CreateFontIndirectW(&metrics.lfMessageFont));
    }
    for (HWND child = ::GetWindow(Hwnd(), GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        ::SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(mFont.Get()), TRUE);
    }

    auto place = [&](int id, int x, int y, int width, int height) {
        ::MoveWindow(Control(id), Scale(x), Scale(y), Scale(width), Scale(height), TRUE);
    };
    const int fieldLeft = kMargin + kLabelWidth;
    const int fieldWidth = kClientWidth - fieldLeft - kMargin;
    int y = kToolbarHeight + kMargin;
    place(kSettingNameLabel, kMargin, y + 4, kLabelWidth, kRowHeight - 4);
    place(kSettingName, fieldLeft, y, fieldWidth, 200);
    y += kRowHeight + 8;
    place(kApplicationLabel, kMargin, y, kLabelWidth, kRowHeight - 4);
    // Room on the right for the button that chooses the application.
    place(kApplicationName, fieldLeft, y, fieldWidth - kGetWindowInfoWidth - 6, kRowHeight - 4);
    place(kGetWindowInfo, kClientWidth - kMargin - kGetWindowInfoWidth, y - 4, kGetWindowInfoWidth,
          kRowHeight);
    place(kTabMain, kMargin, kTabTop, kClientWidth - 2 * kMargin, kTabHeight);

    RECT frame{0, 0, Scale(kClientWidth), Scale(kClientHeight)};
    ::AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(::GetWindowLongPtrA(Hwnd(), GWL_STYLE)),
                               ::GetMenu(Hwnd()) != nullptr,
                               static_cast<DWORD>(::GetWindowLongPtrA(Hwnd(), GWL_EXSTYLE)), mDpi);
    ::SetWindowPos(Hwnd(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    LayoutMainCommands();
    if (withPages) {
        LayoutPages();
    }
    ::InvalidateRect(Hwnd(), nullptr, TRUE);
}

void frmMain::ClearSettingList() {
    ::SendMessageA(Control(kSettingName), CB_RESETCONTENT, 0, 0);
}

int32_t frmMain::AddSettingListItem(std::string_view text, int32_t itemData) {
    return AddItemDataComboBox(Control(kSettingName), text, itemData);
}

int32_t frmMain::SettingListCount() const {
    return static_cast<int32_t>(::SendMessageA(Control(kSettingName), CB_GETCOUNT, 0, 0));
}

int32_t frmMain::SettingListItemData(int32_t index) const {
    return static_cast<int32_t>(
        ::SendMessageA(Control(kSettingName), CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

std::string frmMain::SettingListText(int32_t index) const {
    HWND combo = Control(kSettingName);
    LRESULT length = ::SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) {
        return {};
    }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    LRESULT copied = ::SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                    reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == CB_ERR ? 0 : static_cast<size_t>(copied));
    return text;
}

int32_t frmMain::FindSettingListText(std::string_view text) const {
    return FindStringComboBox(Control(kSettingName), text, true);
}

int32_t frmMain::SettingListIndex() const {
    return static_cast<int32_t>(::SendMessageA(Control(kSettingName), CB_GETCURSEL, 0, 0));
}

void frmMain::ShowSettingListIndex(int32_t index) {
    ::SendMessageA(Control(kSettingName), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void frmMain::SetCaption(std::string_view caption) {
    ::SetWindowTextA(Hwnd(), std::string(caption).c_str());
}

void frmMain::ShowSetting(const CWindowSetting& setting) {
    ::SetWindowTextA(Control(kApplicationName), setting.ApplicationName.c_str());
    fraAdjust.ShowPosition(setting);
}

bool frmMain::IsLockPositionChecked() const {
    return fraAdjust.IsLockChecked();
}

void frmMain::ShowLockPositionChecked(bool checked) {
    fraAdjust.ShowLockChecked(checked);
}

void frmMain::SetCheckerEnabled(bool enabled) {
    SetTimerEnabled(Hwnd(), MainTimer::Checker, enabled);
}

void frmMain::SetRepeaterEnabled(bool enabled) {
    SetTimerEnabled(Hwnd(), MainTimer::Repeater, enabled);
}

void frmMain::SetOrbitTimerEnabled(bool enabled) {
    SetTimerEnabled(Hwnd(), MainTimer::Orbit, enabled);
}

void frmMain::SetTestOrbitTimerEnabled(bool enabled) {
    SetTimerEnabled(Hwnd(), MainTimer::TestOrbit, enabled);
}

bool frmMain::OnOrbitingBlankingCommand(int id, int code, HWND control) {
    switch (id) {
    case CBlankingPage::kBlankingOn:
        if (code == BN_CLICKED) {
            mController->OrbitBlanking().chkBlankingOn_Click();
        }
        return true;
    case COrbitingPage::kOrbitingOn:
        if (code == BN_CLICKED) {
            mController->OrbitBlanking().chkOrbitingOn_Click();
        }
        return true;
    case COrbitingPage::kTestOrbiting:
        if (code == BN_CLICKED) {
            mController->OrbitBlanking().cmdTestOrbiting_Click();
        }
        return true;
    case COrbitingPage::kOrbitIncrement:
    case COrbitingPage::kOrbitInterval:
        if (code == EN_SETFOCUS) {
            SelectAllText(control);
        } else if (code == EN_KILLFOCUS) {
            if (id == COrbitingPage::kOrbitIncrement) {
                mController->OrbitBlanking().txtOrbitIncrement_Validate();
            } else {
                mController->OrbitBlanking().txtOrbitInterval_Validate();
            }
        }
        return true;
    default:
        return false;
    }
}

bool frmMain::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (!mController) {
        return false;
    }
    if (OnMainOtherMessage(message, wParam, lParam, result)) {
        return true;
    }
    if (message == WM_ENDSESSION) {
        if (wParam != FALSE) {
            mController->EndSession();
        }
        result = 0;
        return true;
    }
    if (message != 0 && message == mTaskbarCreatedMessage) {
        mController->TaskbarCreated();
        result = 0;
        return true;
    }
    return false;
}

CWindowPos& frmMain::WindowPos(WindowPosControl control) {
    if (control == WindowPosControl::OrbitHorizontal) {
        return fraOrbiting.orbHorizontal();
    }
    if (control == WindowPosControl::OrbitVertical) {
        return fraOrbiting.orbVertical();
    }
    return fraBlanking.Pad(control);
}

std::string frmMain::WindowPosValue(WindowPosControl control) {
    return WindowPos(control).Value();
}

void frmMain::ShowWindowPosValue(WindowPosControl control, std::string_view value) {
    WindowPos(control).SetValue(value);
}

std::string frmMain::OrbitText(OrbitTextBox box) const {
    return fraOrbiting.OrbitText(box);
}

void frmMain::ShowOrbitText(OrbitTextBox box, std::string_view text) {
    fraOrbiting.ShowOrbitText(box, text);
}

bool frmMain::IsBlankingOnChecked() const {
    return fraBlanking.IsBlankingChecked();
}

void frmMain::ShowBlankingOnChecked(bool checked) {
    fraBlanking.ShowBlankingChecked(checked);
}

bool frmMain::IsOrbitingOnChecked() const {
    return fraOrbiting.IsOrbitingChecked();
}

void frmMain::ShowAsStartMode(int32_t startMode) {
    if (startMode == 0) {
        ::ShowWindow(Hwnd(), SW_SHOWNORMAL);
        ::SetForegroundWindow(Hwnd());
    } else if (startMode == 1) {
        ::ShowWindow(Hwnd(), SW_SHOWMINNOACTIVE);
    }
}

void frmMain::EndProgramNow() {
    ::ExitProcess(2);
}

} // namespace kiv::win32
