#include "platform/win32/Window.h"
#include "util/ErrorReport.h"

#include "util/win32/FormUtilsWin32.h"

#include <commctrl.h>

#include <array>
#include <cctype>
#include <memory>
#include <string_view>

namespace kiv::win32 {

// --- Controls -------------------------------------------------------------------

std::string WindowText(HWND window) {
    const int length = ::GetWindowTextLengthA(window);
    std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    const int copied = ::GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

void ShowText(HWND control, std::string_view text) {
    if (WindowText(control) != text) {
        ::SetWindowTextA(control, std::string(text).c_str());
    }
}

HWND CreateChild(HWND parent, const char* className, const char* text, DWORD style, int id,
                 DWORD exStyle) {
    return ::CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                             parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             ::GetModuleHandleA(nullptr), nullptr);
}

HWND CreateToolTips(HWND owner) {
    return ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                             WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0, 0, owner, nullptr,
                             ::GetModuleHandleA(nullptr), nullptr);
}

void AddToolTip(HWND tips, HWND control, std::string_view text) {
    if (tips == nullptr || control == nullptr) {
        return;
    }
    std::string copy(text); // the tip window keeps its own copy
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = ::GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = copy.data();
    ::SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void AddToolTips(HWND tips, std::span<const ControlTip> table,
                 const std::function<HWND(int id)>& controlOf, bool overParts) {
    for (const ControlTip& tip : table) {
        HWND control = controlOf(tip.id);
        AddToolTip(tips, control, tip.text);
        for (HWND part = overParts && control ? ::GetWindow(control, GW_CHILD) : nullptr; part;
             part = ::GetWindow(part, GW_HWNDNEXT)) {
            AddToolTip(tips, part, tip.text);
        }
    }
}

void CloseOwnedWindows(HWND owner) {
    struct Search {
        HWND main;
        std::vector<HWND> found;
    } search{owner, {}};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            if (window != s.main && ::IsWindowVisible(window) &&
                (::GetWindowLongA(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION &&
                ::GetAncestor(window, GA_ROOTOWNER) == s.main) {
                s.found.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    for (HWND window : search.found) {
        ::PostMessageA(window, WM_CLOSE, 0, 0);
    }
}

namespace {
LRESULT CALLBACK SubclassProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                              DWORD_PTR data) noexcept {
    auto* handler = reinterpret_cast<SubclassHandler*>(data);
    if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(control, &SubclassProc, id);
        std::unique_ptr<SubclassHandler> owned(handler);
        return ::DefSubclassProc(control, message, wParam, lParam);
    }
    WPARAM passed = wParam;
    try {
        if (std::optional<LRESULT> answer = (*handler)(control, message, passed, lParam)) {
            return *answer;
        }
    } catch (...) {
        LogCurrentError("SubclassProc");
        passed = wParam;
    }
    return ::DefSubclassProc(control, message, passed, lParam);
}
} // namespace

bool SubclassControl(HWND control, SubclassHandler handler) {
    auto owned = std::make_unique<SubclassHandler>(std::move(handler));
    // The handler's address tells several subclasses of one control apart.
    const auto id = reinterpret_cast<UINT_PTR>(owned.get());
    if (!::SetWindowSubclass(control, &SubclassProc, id,
                             reinterpret_cast<DWORD_PTR>(owned.get()))) {
        return false;
    }
    owned.release(); // freed by the control's WM_NCDESTROY
    return true;
}

// --- DPI ------------------------------------------------------------------------

UINT WindowDpi(HWND window) {
    const UINT dpi = window != nullptr ? ::GetDpiForWindow(window) : 0;
    return dpi != 0 ? dpi : 96;
}

void SetChildrenFont(HWND parent, HFONT font) {
    for (HWND child = ::GetWindow(parent, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        ::SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}

void SizeFrameToClient(HWND window, const CDpiScale& scale, int clientWidth, int clientHeight) {
    RECT frame{0, 0, scale(clientWidth), scale(clientHeight)};
    ::AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(::GetWindowLongPtrA(window, GWL_STYLE)),
                               ::GetMenu(window) != nullptr,
                               static_cast<DWORD>(::GetWindowLongPtrA(window, GWL_EXSTYLE)),
                               scale.Dpi());
    ::SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDpiFont::Apply(HWND window, UINT dpi) {
    mScale = CDpiScale(dpi);
    // The per-DPI query exists only in the wide form.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (::SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0,
                                     mScale.Dpi())) {
        UniqueFont font(::CreateFontIndirectW(&metrics.lfMessageFont));
        // The children drop the old font before it goes.
        SetChildrenFont(window, font.Get());
        mFont = std::move(font);
    }
}

LRESULT PageControlColours(HDC dc) {
    ::SetBkColor(dc, ::GetSysColor(COLOR_WINDOW));
    ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
    return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
}

// --- Dialog keyboard ----------------------------------------------------------------

namespace {
// The access key of a caption: the character after its single "&", upper case.
char AccessKey(std::string_view caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (caption[i + 1] != '&') {
                return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
            }
            ++i;
        }
    }
    return '\0';
}

bool IsPushButton(HWND window) {
    const LRESULT code = ::SendMessageA(window, WM_GETDLGCODE, 0, 0);
    return (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

bool CanTakeFocus(HWND window, HWND control) {
    return control != nullptr && ::IsWindow(control) && ::IsChild(window, control) &&
           ::IsWindowVisible(control) && ::IsWindowEnabled(control);
}
} // namespace

void CDialogKeyboard::RestoreFocus() const {
    if (mWindow == nullptr) {
        return;
    }
    HWND focus = CanTakeFocus(mWindow, mLastFocus) ? mLastFocus : mFirstFocus;
    if (CanTakeFocus(mWindow, focus)) {
        ::SetFocus(focus);
    }
}

void CDialogKeyboard::UseTabStrip(HWND tabStrip, std::function<void(size_t index)> showPage) {
    mTabStrip = tabStrip;
    mShowPage = std::move(showPage);
}

void CDialogKeyboard::SelectTab(int index) const {
    ::SendMessageA(mTabStrip, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    mShowPage(static_cast<size_t>(index));
}

bool CDialogKeyboard::SelectTabByAccessKey(char key) const {
    const int count = static_cast<int>(::SendMessageA(mTabStrip, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::array<char, 128> caption{};
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        item.cchTextMax = static_cast<int>(caption.size());
        if (::SendMessageA(mTabStrip, TCM_GETITEMA, static_cast<WPARAM>(i),
                           reinterpret_cast<LPARAM>(&item)) != FALSE &&
            AccessKey(item.pszText) == key) {
            SelectTab(i);
            ::SetFocus(mTabStrip);
            return true;
        }
    }
    return false;
}

bool CDialogKeyboard::PreTranslate(MSG& message) const {
    if (mWindow == nullptr || !::IsWindow(mWindow) ||
        (message.hwnd != mWindow && !::IsChild(mWindow, message.hwnd))) {
        return false;
    }
    const bool pageKey =
        message.wParam == VK_TAB || message.wParam == VK_NEXT || message.wParam == VK_PRIOR;
    if (message.message == WM_KEYDOWN && pageKey && mTabStrip != nullptr &&
        ::GetKeyState(VK_CONTROL) < 0) {
        const int count = static_cast<int>(::SendMessageA(mTabStrip, TCM_GETITEMCOUNT, 0, 0));
        if (count > 0) {
            const bool back = message.wParam == VK_PRIOR ||
                              (message.wParam == VK_TAB && ::GetKeyState(VK_SHIFT) < 0);
            const int current = static_cast<int>(::SendMessageA(mTabStrip, TCM_GETCURSEL, 0, 0));
            SelectTab(((current < 0 ? 0 : current) + (back ? count - 1 : 1)) % count);
        }
        return true;
    }
    return ::IsDialogMessageA(mWindow, &message) != FALSE;
}

void CDialogKeyboard::Press(int buttonId) const {
    HWND button = buttonId != 0 ? ::GetDlgItem(mWindow, buttonId) : nullptr;
    if (button != nullptr && ::IsWindowEnabled(button)) {
        ::SendMessageA(button, BM_CLICK, 0, 0);
    }
}

bool CDialogKeyboard::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                LRESULT& result) {
    mWindow = window;
    switch (message) {
    case WM_COMMAND:
        // The dialog manager's Enter and Esc: IDOK and IDCANCEL with no control.
        if (lParam != 0 || HIWORD(wParam) != 0 ||
            (LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL)) {
            return false;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            Press(mButtons.cancelButton);
        } else if (HWND focus = ::GetFocus(); CanTakeFocus(window, focus) && IsPushButton(focus)) {
            // A click, so the button tells its own parent, page or dialog.
            ::SendMessageA(focus, BM_CLICK, 0, 0);
        } else {
            Press(mButtons.defaultButton);
        }
        result = 0;
        return true;
    case WM_NEXTDLGCTL: {
        // The dialog manager asks this of a window that is not a dialog too
        // (an access key on a label); only a dialog would answer it.
        HWND next = LOWORD(lParam) != 0
                        ? reinterpret_cast<HWND>(wParam)
                        : ::GetNextDlgTabItem(window, ::GetFocus(), wParam != 0 ? TRUE : FALSE);
        if (CanTakeFocus(window, next)) {
            ::SetFocus(next);
        }
        result = 0;
        return true;
    }
    case WM_ACTIVATE:
        // The focus leaves with the window and comes back to where it was.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = ::GetFocus();
            mLastFocus = focus != nullptr && ::IsChild(window, focus) ? focus : nullptr;
        } else if (HIWORD(wParam) == 0) {
            RestoreFocus();
        }
        result = 0;
        return true;
    case WM_MENUCHAR:
        // Alt and a key the menu bar does not have; without a menu bar the
        // key goes to the system menu. A key typed in an open system menu
        // stays the menu's.
        if (mTabStrip != nullptr &&
            ((HIWORD(wParam) & MF_SYSMENU) == 0 || ::GetMenu(window) == nullptr) &&
            SelectTabByAccessKey(
                static_cast<char>(std::toupper(static_cast<unsigned char>(LOWORD(wParam)))))) {
            result = MAKELRESULT(0, MNC_CLOSE);
            return true;
        }
        return false;
    default:
        return false;
    }
}

// --- CWindow ----------------------------------------------------------------------

namespace {
bool SameClass(const WNDCLASSEXA& registered, const WNDCLASSEXA& wanted) {
    return registered.lpfnWndProc == wanted.lpfnWndProc && registered.style == wanted.style &&
           registered.hbrBackground == wanted.hbrBackground &&
           registered.hCursor == wanted.hCursor && registered.hIcon == wanted.hIcon &&
           (wanted.hIconSm == nullptr || registered.hIconSm == wanted.hIconSm);
}
} // namespace

CWindow::~CWindow() {
    Destroy();
}

void CWindow::Destroy() noexcept {
    if (mHwnd != nullptr) {
        ::DestroyWindow(mHwnd);
    }
}

void CWindow::HandleCommand(int id, int code, CommandHandler handler) {
    mCommandRoutes.push_back({id, code, std::move(handler)});
}

void CWindow::HandleNotify(int id, UINT code, NotifyHandler handler) {
    mNotifyRoutes.push_back({id, code, std::move(handler)});
}

bool CWindow::Create(const ClassSpec& spec, DWORD exStyle, DWORD style, const char* caption, int x,
                     int y, int width, int height, HWND parent, HMENU menu) {
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    WNDCLASSEXA wanted{};
    wanted.cbSize = sizeof wanted;
    wanted.style = spec.style;
    wanted.lpfnWndProc = &CWindow::WindowProc;
    wanted.hInstance = instance;
    wanted.hIcon = spec.icon;
    wanted.hIconSm = spec.smallIcon;
    wanted.hCursor = spec.cursor ? spec.cursor : ::LoadCursorA(nullptr, IDC_ARROW);
    wanted.hbrBackground = spec.background;
    wanted.lpszClassName = spec.name;
    WNDCLASSEXA registered{};
    registered.cbSize = sizeof registered;
    if (::GetClassInfoExA(instance, spec.name, &registered)) {
        if (!SameClass(registered, wanted)) {
            ::SetLastError(ERROR_CLASS_ALREADY_EXISTS);
            return false;
        }
    } else if (!::RegisterClassExA(&wanted)) {
        return false;
    }
    return ::CreateWindowExA(exStyle, spec.name, caption, style, x, y, width, height, parent, menu,
                             instance, this) != nullptr;
}

LRESULT CALLBACK CWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<CWindow*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        self = static_cast<CWindow*>(create->lpCreateParams);
        self->mHwnd = hwnd;
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    if (self == nullptr) {
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    }
    LRESULT result = 0;
    try {
        result = self->Dispatch(message, wParam, lParam);
    } catch (...) {
        // A handler reports its own errors; whatever still escapes must not
        // unwind through the system's code.
        LogCurrentError("CWindow::WindowProc");
        result = ::DefWindowProcA(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->mHwnd = nullptr;
    }
    return result;
}

bool CWindow::RouteCommand(WPARAM wParam, LPARAM lParam) {
    if (lParam == 0) {
        return false; // a menu or an accelerator, not a control
    }
    for (const CommandRoute& route : mCommandRoutes) {
        if (route.id == LOWORD(wParam) && route.code == HIWORD(wParam)) {
            route.handler(reinterpret_cast<HWND>(lParam));
            return true;
        }
    }
    return false;
}

bool CWindow::RouteNotify(NMHDR& header, LRESULT& result) {
    for (const NotifyRoute& route : mNotifyRoutes) {
        if (static_cast<UINT_PTR>(route.id) == header.idFrom && route.code == header.code) {
            result = route.handler(header);
            return true;
        }
    }
    return false;
}

LRESULT CWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (mKeyboard != nullptr && mKeyboard->OnMessage(mHwnd, message, wParam, lParam, result)) {
        return result;
    }
    switch (message) {
    case WM_CREATE:
        return OnCreate() ? 0 : -1;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_CLOSE:
        if (OnClose()) {
            return 0;
        }
        break;
    case WM_COMMAND:
        if (RouteCommand(wParam, lParam) ||
            OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))) {
            return 0;
        }
        break;
    case WM_NOTIFY: {
        auto& header = *reinterpret_cast<NMHDR*>(lParam);
        if (RouteNotify(header, result) || OnNotify(header, result)) {
            return result;
        }
        break;
    }
    case WM_TIMER:
        if (OnTimer(wParam)) {
            return 0;
        }
        break;
    case WM_PAINT: {
        PaintDc paint(mHwnd);
        OnPaint(paint.Get(), paint.Paint());
        return 0;
    }
    case WM_SIZE:
        if (OnSize(LOWORD(lParam), HIWORD(lParam))) {
            return 0;
        }
        break;
    case WM_DPICHANGED:
        if (OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam))) {
            return 0;
        }
        break;
    default:
        break;
    }
    if (OnOtherMessage(message, wParam, lParam, result)) {
        return result;
    }
    return ::DefWindowProcA(mHwnd, message, wParam, lParam);
}

// --- CControlHost -----------------------------------------------------------------

HWND CControlHost::AddControl(const char* className, const char* text, DWORD style, int id,
                              DWORD exStyle) {
    return CreateChild(Hwnd(), className, text, style, id, exStyle);
}

bool CControlHost::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_SETFONT:
        mFont = reinterpret_cast<HFONT>(wParam);
        for (HWND child = ::GetWindow(Hwnd(), GW_CHILD); child;
             child = ::GetWindow(child, GW_HWNDNEXT)) {
            ::SendMessageA(child, WM_SETFONT, wParam, lParam);
        }
        result = 0;
        return true;
    case WM_GETFONT:
        // Like any control: the font it was given, or none for the system font.
        result = reinterpret_cast<LRESULT>(mFont);
        return true;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        result = mColours == PartColours::Page
                     ? PageControlColours(reinterpret_cast<HDC>(wParam))
                     : ::SendMessageA(::GetParent(Hwnd()), message, wParam, lParam);
        return true;
    case WM_ERASEBKGND:
        if (mColours == PartColours::Parent) {
            // The parent's background, as the parts show it.
            auto brush = reinterpret_cast<HBRUSH>(::SendMessageA(
                ::GetParent(Hwnd()), WM_CTLCOLORSTATIC, wParam, reinterpret_cast<LPARAM>(Hwnd())));
            RECT client{};
            ::GetClientRect(Hwnd(), &client);
            ::FillRect(reinterpret_cast<HDC>(wParam), &client,
                       brush != nullptr ? brush : ::GetSysColorBrush(COLOR_BTNFACE));
            result = 1;
            return true;
        }
        return false;
    default:
        return false;
    }
}

// --- CModalDialog -----------------------------------------------------------------

bool CModalDialog::RunModal(HWND owner, const ClassSpec& spec, const char* caption) {
    mOwnerDpi = WindowDpi(owner);
    mDone = false;
    mAccepted = false;
    constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    if (!Create(spec, WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, kStyle, caption, 0, 0, 0, 0,
                owner)) {
        return false;
    }
    CenterForm(Hwnd());

    // The owner takes no input until the dialog is answered.
    const bool ownerWasEnabled = owner != nullptr && ::IsWindowEnabled(owner);
    if (ownerWasEnabled) {
        ::EnableWindow(owner, FALSE);
    }
    ::ShowWindow(Hwnd(), SW_SHOWNORMAL);
    mKeyboard.RestoreFocus();

    MSG message{};
    bool quit = false;
    while (!mDone && Hwnd() != nullptr) {
        if (::GetMessageA(&message, nullptr, 0, 0) <= 0) {
            quit = true;
            break;
        }
        if (!mKeyboard.PreTranslate(message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
    }
    // The owner comes back before the dialog goes, so it gets the activation.
    if (ownerWasEnabled) {
        ::EnableWindow(owner, TRUE);
        ::SetActiveWindow(owner);
    }
    Destroy();
    if (quit) {
        // The program is ending: the main loop must see it too.
        ::PostQuitMessage(static_cast<int>(message.wParam));
    }
    return mAccepted;
}

void CModalDialog::EndDialog(bool accepted) noexcept {
    mAccepted = accepted;
    mDone = true;
}

const CDpiScale& CModalDialog::ApplyOwnerDpi() {
    mDpiFont.Apply(Hwnd(), mOwnerDpi);
    return mDpiFont.Scale();
}

bool CModalDialog::OnClose() {
    EndDialog(false);
    return true;
}

} // namespace kiv::win32
