#include "app/win32/pages/WindowPos.h"

#include "app/WindowPosValue.h"
#include "util/KeyFilters.h"
#include "util/win32/FormUtilsWin32.h"

#include <commctrl.h>

namespace kiv::win32 {

namespace {
constexpr UINT_PTR kKeyFilterSubclass = 0x4B46;

LRESULT CALLBACK KeyFilterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                               DWORD_PTR data) noexcept {
    if (message == WM_CHAR) {
        auto filter = reinterpret_cast<KeyFilter>(data);
        int16_t kept = filter(static_cast<int16_t>(wParam));
        if (kept == 0) {
            return 0;
        }
        wParam = static_cast<WPARAM>(static_cast<uint16_t>(kept));
    } else if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(window, &KeyFilterProc, id);
    }
    return ::DefSubclassProc(window, message, wParam, lParam);
}

std::string TextOf(HWND window) {
    int length = ::GetWindowTextLengthA(window);
    std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    int copied = ::GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}
} // namespace

void InstallKeyFilter(HWND edit, KeyFilter filter) {
    ::SetWindowSubclass(edit, &KeyFilterProc, kKeyFilterSubclass,
                        reinterpret_cast<DWORD_PTR>(filter));
}

int16_t NumericKeyFilter(int16_t keyAscii) {
    return FilterKeyPressNumeric(keyAscii, false, false);
}

int16_t DigitsKeyFilter(int16_t keyAscii) {
    FilterKeyPressDigits(keyAscii);
    return keyAscii;
}

CWindowPos::~CWindowPos() {
    Destroy();
}

bool CWindowPos::CreateControl(HWND parent, int id, const char* caption) {
    mInitialCaption = caption;
    ClassSpec spec{"KIVWindowPos"};
    spec.background = ::GetSysColorBrush(COLOR_WINDOW);
    return Create(spec, WS_EX_CONTROLPARENT, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, caption, 0, 0,
                  0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

bool CWindowPos::OnCreate() {
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    auto add = [&](const char* className, const char* text, DWORD style, int id, DWORD exStyle) {
        return ::CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0,
                                 0, Hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 instance, nullptr);
    };
    add(WC_STATICA, mInitialCaption.c_str(), SS_LEFT | SS_CENTERIMAGE, kCaption, 0);
    HWND value =
        add(WC_EDITA, "0", ES_AUTOHSCROLL | ES_RIGHT | WS_TABSTOP, kValue, WS_EX_CLIENTEDGE);
    add(WC_BUTTONA, "", BS_OWNERDRAW | BS_PUSHBUTTON, kIncrease, 0);
    add(WC_BUTTONA, "", BS_OWNERDRAW | BS_PUSHBUTTON, kDecrease, 0);
    InstallKeyFilter(value, &NumericKeyFilter);
    return true;
}

bool CWindowPos::OnSize(int width, int height) {
    // Caption, then the box, then the two arrows stacked at the right.
    const int arrows = height * 2 / 3;
    const int box = (width - arrows) * 2 / 5;
    const int caption = width - arrows - box;
    ::MoveWindow(Child(kCaption), 0, 0, caption, height, TRUE);
    ::MoveWindow(Child(kValue), caption, 0, box, height, TRUE);
    ::MoveWindow(Child(kIncrease), caption + box, 0, arrows, height / 2, TRUE);
    ::MoveWindow(Child(kDecrease), caption + box, height / 2, arrows, height - height / 2, TRUE);
    return true;
}

bool CWindowPos::OnCommand(int id, int code, HWND) {
    if (id == kValue && code == EN_SETFOCUS) {
        SelectAllText(Child(kValue));
        return true;
    }
    if (id == kValue && code == EN_KILLFOCUS) {
        RaiseValueIncremented();
        return true;
    }
    if ((id == kIncrease || id == kDecrease) && code == BN_CLICKED) {
        cmdIncrement_Click(id == kIncrease ? 0 : 1);
        return true;
    }
    return false;
}

bool CWindowPos::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        UINT state = item.CtlID == kIncrease ? DFCS_SCROLLUP : DFCS_SCROLLDOWN;
        if ((item.itemState & ODS_SELECTED) != 0) {
            state |= DFCS_PUSHED;
        }
        RECT area = item.rcItem;
        ::DrawFrameControl(item.hDC, &area, DFC_SCROLL, state);
        result = TRUE;
        return true;
    }
    case WM_SETFONT:
        mFont = reinterpret_cast<HFONT>(wParam);
        for (HWND child = ::GetWindow(Hwnd(), GW_CHILD); child;
             child = ::GetWindow(child, GW_HWNDNEXT)) {
            ::SendMessageA(child, WM_SETFONT, wParam, lParam);
        }
        return true;
    case WM_GETFONT:
        // Like any control: the font it was given, or none for the system font.
        result = reinterpret_cast<LRESULT>(mFont);
        return true;
    case WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        ::SetBkColor(dc, ::GetSysColor(COLOR_WINDOW));
        ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
        result = reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
        return true;
    }
    default:
        return false;
    }
}

std::string CWindowPos::Caption() const {
    return TextOf(Child(kCaption));
}

void CWindowPos::SetCaption(std::string_view caption) {
    ::SetWindowTextA(Child(kCaption), std::string(caption).c_str());
}

std::string CWindowPos::Value() {
    std::string text = TextOf(Child(kValue));
    const bool wasEmpty = text.empty();
    std::string value = WindowPosReadValue(text);
    if (wasEmpty) {
        ::SetWindowTextA(Child(kValue), text.c_str());
    }
    return value;
}

void CWindowPos::SetValue(std::string_view value) {
    if (WindowPosTakesValue(value)) {
        ::SetWindowTextA(Child(kValue), std::string(value).c_str());
    }
}

void CWindowPos::cmdIncrement_Click(int index) {
    SetValue(WindowPosIncremented(Value(), index, WindowPosStep(mKeyboard)));
    RaiseValueIncremented();
}

void CWindowPos::RaiseValueIncremented() {
    NMValueIncremented notice{};
    try {
        notice.newValue = WindowPosEventValue(Value());
    } catch (...) {
        // Beyond 32 bits: no setting can take it, so nobody is told.
        return;
    }
    notice.header.hwndFrom = Hwnd();
    notice.header.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(Hwnd()));
    notice.header.code = kValueIncremented;
    ::SendMessageA(::GetParent(Hwnd()), WM_NOTIFY, notice.header.idFrom,
                   reinterpret_cast<LPARAM>(&notice));
}

} // namespace kiv::win32
