#include "platform/win32/Dpi.h"

namespace kiv::win32 {

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

void TakeSuggestedRect(HWND window, const RECT& suggested) {
    ::SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void PlaceControl(HWND control, const CDpiScale& scale, int x, int y, int width, int height) {
    ::MoveWindow(control, scale(x), scale(y), scale(width), scale(height), TRUE);
}

void PlaceSeparator(HWND line, const CDpiScale& scale, int x, int y, int width) {
    ::MoveWindow(line, scale(x), scale(y), scale(width), 2, TRUE);
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

} // namespace kiv::win32
