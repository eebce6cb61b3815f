#include "platform/win32/ControlHost.h"

#include "platform/win32/Controls.h"
#include "platform/win32/Dpi.h"

namespace kiv::win32 {

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

} // namespace kiv::win32
