#include "app/win32/pages/WindowPos.h"

#include "platform/win32/Controls.h"
#include "util/ErrorReport.h"

#include "placement/WindowPosValue.h"
#include "util/KeyFilters.h"
#include "util/win32/FormUtilsWin32.h"

#include <commctrl.h>

namespace kiv::win32 {

void InstallKeyFilter(HWND edit, KeyFilter filter) {
    SubclassControl(edit,
                    [filter](HWND, UINT message, WPARAM& wParam, LPARAM) -> std::optional<LRESULT> {
                        if (message != WM_CHAR) {
                            return std::nullopt;
                        }
                        const int16_t kept = filter(static_cast<int16_t>(wParam));
                        if (kept == 0) {
                            return 0;
                        }
                        wParam = static_cast<WPARAM>(static_cast<uint16_t>(kept));
                        return std::nullopt;
                    });
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

HWND CWindowPos::CreateControl(HWND parent, int id, const char* caption) {
    mInitialCaption = caption;
    ClassSpec spec{"KIVWindowPos"};
    spec.background = ::GetSysColorBrush(COLOR_WINDOW);
    const bool made =
        Create(spec, WS_EX_CONTROLPARENT, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, caption, 0, 0, 0,
               0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
    return made ? Hwnd() : nullptr;
}

bool CWindowPos::OnCreate() {
    AddControl(WC_STATICA, mInitialCaption.c_str(), SS_LEFT | SS_CENTERIMAGE, kCaption);
    HWND value =
        AddControl(WC_EDITA, "0", ES_AUTOHSCROLL | ES_RIGHT | WS_TABSTOP, kValue, WS_EX_CLIENTEDGE);
    AddControl(WC_BUTTONA, "", BS_OWNERDRAW | BS_PUSHBUTTON, kIncrease);
    AddControl(WC_BUTTONA, "", BS_OWNERDRAW | BS_PUSHBUTTON, kDecrease);
    InstallKeyFilter(value, &NumericKeyFilter);
    HandleCommand(kValue, EN_SETFOCUS, [](HWND box) { SelectAllText(box); });
    HandleCommand(kValue, EN_KILLFOCUS, [this](HWND) { RaiseValueIncremented(); });
    HandleCommand(kIncrease, BN_CLICKED, [this](HWND) { cmdIncrement_Click(0); });
    HandleCommand(kDecrease, BN_CLICKED, [this](HWND) { cmdIncrement_Click(1); });
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
    default:
        return CControlHost::OnOtherMessage(message, wParam, lParam, result);
    }
}

std::string CWindowPos::Caption() const {
    return WindowText(Child(kCaption));
}

void CWindowPos::SetCaption(std::string_view caption) {
    ::SetWindowTextA(Child(kCaption), std::string(caption).c_str());
}

std::string CWindowPos::Value() {
    std::string text = WindowText(Child(kValue));
    const bool wasEmpty = text.empty();
    std::string value = WindowPosReadValue(text);
    if (wasEmpty) {
        ::SetWindowTextA(Child(kValue), text.c_str());
    }
    return value;
}

void CWindowPos::SetValue(std::string_view value) {
    if (WindowPosTakesValue(value)) {
        ShowText(Child(kValue), value);
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
        LogCurrentError("CWindowPos::RaiseValueIncremented");
        return;
    }
    notice.header.hwndFrom = Hwnd();
    notice.header.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(Hwnd()));
    notice.header.code = kValueIncremented;
    ::SendMessageA(::GetParent(Hwnd()), WM_NOTIFY, notice.header.idFrom,
                   reinterpret_cast<LPARAM>(&notice));
}

void HandleValueIncremented(CWindow& parent, int id,
                            std::function<void(int32_t& newValue)> handler) {
    parent.HandleNotify(
        id, CWindowPos::kValueIncremented, [handler = std::move(handler)](NMHDR& header) {
            handler(reinterpret_cast<CWindowPos::NMValueIncremented&>(header).newValue);
            return LRESULT{0};
        });
}

} // namespace kiv::win32
