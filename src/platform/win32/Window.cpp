#include "platform/win32/Window.h"

namespace kiv::win32 {

CWindow::~CWindow() {
    Destroy();
}

void CWindow::Destroy() noexcept {
    if (mHwnd != nullptr) {
        ::DestroyWindow(mHwnd);
    }
}

bool CWindow::Create(const ClassSpec& spec, DWORD exStyle, DWORD style, const char* caption, int x,
                     int y, int width, int height, HWND parent, HMENU menu) {
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (!::GetClassInfoExA(instance, spec.name, &existing)) {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.style = spec.style;
        wc.lpfnWndProc = &CWindow::WindowProc;
        wc.hInstance = instance;
        wc.hIcon = spec.icon;
        wc.hIconSm = spec.smallIcon;
        wc.hCursor = spec.cursor ? spec.cursor : ::LoadCursorA(nullptr, IDC_ARROW);
        wc.hbrBackground = spec.background;
        wc.lpszClassName = spec.name;
        if (!::RegisterClassExA(&wc)) {
            return false;
        }
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
        result = ::DefWindowProcA(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->mHwnd = nullptr;
    }
    return result;
}

LRESULT CWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
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
        if (OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))) {
            return 0;
        }
        break;
    case WM_NOTIFY:
        if (OnNotify(*reinterpret_cast<NMHDR*>(lParam), result)) {
            return result;
        }
        break;
    case WM_TIMER:
        if (OnTimer(wParam)) {
            return 0;
        }
        break;
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        HDC dc = ::BeginPaint(mHwnd, &paint);
        bool painted = false;
        try {
            painted = OnPaint(dc, paint);
        } catch (...) {
        }
        ::EndPaint(mHwnd, &paint);
        (void)painted;
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

} // namespace kiv::win32
