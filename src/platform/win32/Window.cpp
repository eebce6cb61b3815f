#include "platform/win32/Window.h"
#include "util/ErrorReport.h"

#include "platform/win32/UniqueHandle.h"

namespace kiv::win32 {

namespace {
bool SameClass(const WNDCLASSEXA& registered, const WNDCLASSEXA& wanted) {
    return registered.lpfnWndProc == wanted.lpfnWndProc && registered.style == wanted.style &&
           registered.hbrBackground == wanted.hbrBackground &&
           registered.hCursor == wanted.hCursor && registered.hIcon == wanted.hIcon &&
           (wanted.hIconSm == nullptr || registered.hIconSm == wanted.hIconSm);
}
} // namespace

void SetTimerEnabled(HWND window, const WindowTimer& timer, bool enabled) {
    if (enabled) {
        ::SetTimer(window, timer.id, timer.intervalMs, nullptr);
    } else {
        ::KillTimer(window, timer.id);
    }
}

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

void CWindow::Place(int id, const CDpiScale& scale, int x, int y, int width, int height) const {
    PlaceControl(::GetDlgItem(mHwnd, id), scale, x, y, width, height);
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

} // namespace kiv::win32
