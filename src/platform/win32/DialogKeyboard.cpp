#include "platform/win32/DialogKeyboard.h"

#include <commctrl.h>

#include <array>
#include <cctype>
#include <string_view>

namespace kiv::win32 {

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

} // namespace kiv::win32
