#include "blanking/win32/frmBlank.h"

#include <windowsx.h>

#include <algorithm>
#include <vector>

namespace kiv::win32 {

namespace {
int16_t ShiftBits() {
    int16_t bits = 0;
    if (::GetKeyState(VK_SHIFT) < 0) {
        bits |= 1;
    }
    if (::GetKeyState(VK_CONTROL) < 0) {
        bits |= 2;
    }
    if (::GetKeyState(VK_MENU) < 0) {
        bits |= 4;
    }
    return bits;
}
} // namespace

UniqueCursor CreateTransparentCursor() {
    const int width = ::GetSystemMetrics(SM_CXCURSOR);
    const int height = ::GetSystemMetrics(SM_CYCURSOR);
    const size_t bytes = static_cast<size_t>((width + 15) / 16 * 2) * static_cast<size_t>(height);
    // AND mask all ones keeps the screen, XOR mask all zeros changes nothing.
    std::vector<BYTE> andMask(bytes, 0xFF);
    std::vector<BYTE> xorMask(bytes, 0x00);
    return UniqueCursor(::CreateCursor(::GetModuleHandleA(nullptr), 0, 0, width, height,
                                       andMask.data(), xorMask.data()));
}

frmBlank::~frmBlank() {
    Destroy();
}

bool frmBlank::Load() {
    mTransparentCursor = CreateTransparentCursor();
    ClassSpec spec{"frmBlank"};
    spec.background = nullptr; // painted in the current colour
    if (!Create(spec, WS_EX_TOOLWINDOW, WS_POPUP, "", 0, 0, 0, 0)) {
        return false;
    }
    mState.Load();
    return true;
}

void frmBlank::SetOnTop(bool onTop) {
    // Unlike a plain z-order change this never activates the strip: the
    // player keeps the focus however often blanking is brought to the top.
    ::SetWindowPos(Hwnd(), onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void frmBlank::SetVisible(bool visible) {
    ::ShowWindow(Hwnd(), visible ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void frmBlank::Move(int32_t left, int32_t top, int32_t width, int32_t height) {
    ::SetWindowPos(Hwnd(), nullptr, left, top, std::max(width, 0), std::max(height, 0),
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void frmBlank::Animate() {
    mState.Animate();
}

bool frmBlank::OnTimer(UINT_PTR id) {
    if (id == kPointerTimer) {
        mState.PointerTimer();
        return true;
    }
    if (id == kFadeTimer) {
        mState.FadeTimer();
        return true;
    }
    return false;
}

bool frmBlank::OnPaint(HDC dc, const PAINTSTRUCT&) {
    Fill(dc);
    return true;
}

bool frmBlank::OnClose() {
    // Only the blanking controller closes a strip; Alt+F4 on it does nothing.
    return true;
}

bool frmBlank::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_ERASEBKGND:
        Fill(reinterpret_cast<HDC>(wParam));
        result = 1;
        return true;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            ::SetCursor(CurrentCursor());
            result = TRUE;
            return true;
        }
        return false;
    case WM_MOUSEMOVE:
        mState.MouseMove();
        return true;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        int16_t keyCode = static_cast<int16_t>(wParam);
        int16_t shift = ShiftBits();
        mEvents.BlankingFormKeyDown(keyCode, shift);
        // System keys still reach the system, as on any window.
        return message == WM_KEYDOWN;
    }
    case WM_LBUTTONUP:
        MouseUp(1, lParam);
        return true;
    case WM_RBUTTONUP:
        MouseUp(2, lParam);
        return true;
    case WM_MBUTTONUP:
        MouseUp(4, lParam);
        return true;
    default:
        return false;
    }
}

void frmBlank::MouseUp(int16_t button, LPARAM lParam) {
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ::ClientToScreen(Hwnd(), &point);
    mEvents.BlankingFormMouseUp(button, point.x, point.y);
}

void frmBlank::ShowPointer(bool visible) {
    mPointerShown = visible;
    POINT at{};
    // A pointer resting over the strip changes now, not at its next movement.
    if (::GetCursorPos(&at) && ::WindowFromPoint(at) == Hwnd()) {
        ::SetCursor(CurrentCursor());
    }
}

HCURSOR frmBlank::CurrentCursor() const {
    if (!mPointerShown && mTransparentCursor) {
        return mTransparentCursor.Get();
    }
    return ::LoadCursorA(nullptr, IDC_ARROW);
}

void frmBlank::SetPointerTimer(bool enabled) {
    if (enabled) {
        ::SetTimer(Hwnd(), kPointerTimer, kPointerHideMs, nullptr);
    } else {
        ::KillTimer(Hwnd(), kPointerTimer);
    }
}

void frmBlank::SetFadeTimer(bool enabled) {
    if (enabled) {
        ::SetTimer(Hwnd(), kFadeTimer, kFadeTickMs, nullptr);
    } else {
        ::KillTimer(Hwnd(), kFadeTimer);
    }
}

void frmBlank::SetBackground(uint32_t colour) {
    mBackground = colour;
    // The whole strip changes colour in one repaint.
    ::RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void frmBlank::Fill(HDC dc) {
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    UniqueBrush brush(::CreateSolidBrush(static_cast<COLORREF>(mBackground)));
    ::FillRect(dc, &client, brush.Get());
}

} // namespace kiv::win32
