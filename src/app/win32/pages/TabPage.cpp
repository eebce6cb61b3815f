#include "app/win32/pages/TabPage.h"

namespace kiv::win32 {

CTabPage::~CTabPage() {
    Destroy();
}

bool CTabPage::CreatePage(HWND owner) {
    ClassSpec spec{"KIVTabPage"};
    spec.background = ::GetSysColorBrush(COLOR_WINDOW);
    return Create(spec, WS_EX_CONTROLPARENT, WS_CHILD | WS_CLIPSIBLINGS, "", 0, 0, 0, 0, owner);
}

void CTabPage::Place(int id, const CDpiScale& scale, int x, int y, int width, int height) const {
    ::MoveWindow(Control(id), scale(x), scale(y), scale(width), scale(height), TRUE);
}

bool CTabPage::OnCommand(int id, int code, HWND control) {
    ::SendMessageA(::GetParent(Hwnd()), WM_COMMAND, MAKEWPARAM(id, code),
                   reinterpret_cast<LPARAM>(control));
    return true;
}

bool CTabPage::OnNotify(NMHDR& header, LRESULT& result) {
    result = ::SendMessageA(::GetParent(Hwnd()), WM_NOTIFY, header.idFrom,
                            reinterpret_cast<LPARAM>(&header));
    return true;
}

bool CTabPage::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_HSCROLL || message == WM_VSCROLL || message == WM_DRAWITEM ||
        message == WM_CONTEXTMENU) {
        result = ::SendMessageA(::GetParent(Hwnd()), message, wParam, lParam);
        return true;
    }
    return CControlHost::OnOtherMessage(message, wParam, lParam, result);
}

} // namespace kiv::win32
