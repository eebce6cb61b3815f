#pragma once

#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Win32.h"

namespace kiv::win32 {

// Device-independent pixels (96 per inch) to a window's pixels.
class CDpiScale {
public:
    explicit CDpiScale(UINT dpi = 96) : mDpi(dpi == 0 ? 96 : dpi) {}
    int operator()(int dips) const { return ::MulDiv(dips, static_cast<int>(mDpi), 96); }
    UINT Dpi() const noexcept { return mDpi; }

private:
    UINT mDpi;
};

// The DPI a window is shown at; 96 for no window.
UINT WindowDpi(HWND window);
// Gives `font` to every direct child of `parent`.
void SetChildrenFont(HWND parent, HFONT font);
// Sizes the frame of `window` (its style, its menu) so that its client area
// is `clientWidth` × `clientHeight` device-independent pixels; it stays where it is.
void SizeFrameToClient(HWND window, const CDpiScale& scale, int clientWidth, int clientHeight);
// Moves and sizes a top-level window to the rectangle WM_DPICHANGED suggests.
void TakeSuggestedRect(HWND window, const RECT& suggested);
// Places `control` at `x`, `y`, `width` × `height` device-independent pixels.
void PlaceControl(HWND control, const CDpiScale& scale, int x, int y, int width, int height);
// Places an etched line `width` device-independent pixels wide; it is two
// pixels tall at any DPI, as a taller one draws as a dark bar.
void PlaceSeparator(HWND line, const CDpiScale& scale, int x, int y, int width);

// A window's scale and the system's message font at its DPI, for its controls.
class CDpiFont {
public:
    // Takes `dpi` (0 reads as 96), makes the font for it and gives it to
    // every child of `window`.
    void Apply(HWND window, UINT dpi);
    const CDpiScale& Scale() const noexcept { return mScale; }
    HFONT Font() const noexcept { return mFont.Get(); }

private:
    CDpiScale mScale;
    UniqueFont mFont;
};

// The answer to a page control's WM_CTLCOLORSTATIC or WM_CTLCOLORBTN: text
// on the window colour, as a tab page shows it.
LRESULT PageControlColours(HDC dc);

} // namespace kiv::win32
