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
    mOnTop = onTop;
    mZOrderPending = true;
    Update();
}

void frmBlank::SetVisible(bool visible) {
    mVisible = visible;
    Update();
}

void frmBlank::Move(int32_t left, int32_t top, int32_t width, int32_t height) {
    mRect = {left, top, left + std::max(width, 0), top + std::max(height, 0)};
    Update();
}

void frmBlank::Update() {
    const HWND window = Hwnd();
    const bool shown = ::IsWindowVisible(window) != FALSE;
    // Never activates the strip: the player keeps the focus however often
    // blanking is shown, moved or brought to the top.
    UINT flags = SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    RECT now{};
    ::GetWindowRect(window, &now);
    const bool move = ::EqualRect(&now, &mRect) == FALSE;
    if (!move) {
        flags |= SWP_NOMOVE | SWP_NOSIZE;
    }
    // The z-order of a hidden strip waits for its show. Raising a topmost
    // strip that only other strips cover changes nothing.
    const bool seen = shown || mVisible;
    const bool topmost = (::GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    const bool zOrder =
        seen && mZOrderPending && (topmost != mOnTop || (mOnTop && ForeignWindowAbove()));
    if (seen) {
        mZOrderPending = false;
    }
    if (!zOrder) {
        flags |= SWP_NOZORDER;
    }
    if (shown != mVisible) {
        flags |= mVisible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
    } else if (!move && !zOrder) {
        return;
    }
    ::SetWindowPos(window, mOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, mRect.left, mRect.top,
                   mRect.right - mRect.left, mRect.bottom - mRect.top, flags);
}

// Whether a visible window other than a strip of this thread is above this one.
bool frmBlank::ForeignWindowAbove() const {
    const DWORD thread = ::GetCurrentThreadId();
    const auto strip = ::GetClassLongPtrA(Hwnd(), GCW_ATOM);
    for (HWND above = ::GetWindow(Hwnd(), GW_HWNDPREV); above != nullptr;
         above = ::GetWindow(above, GW_HWNDPREV)) {
        if (::IsWindowVisible(above) && (::GetWindowThreadProcessId(above, nullptr) != thread ||
                                         ::GetClassLongPtrA(above, GCW_ATOM) != strip)) {
            return true;
        }
    }
    return false;
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
