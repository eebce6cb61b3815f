#pragma once

#include "platform/win32/Window.h"

#include <functional>

namespace kiv::win32 {

// Device-independent pixels (96 per inch) to the window's pixels.
class CDpiScale {
public:
    explicit CDpiScale(UINT dpi = 96) : mDpi(dpi == 0 ? 96 : dpi) {}
    int operator()(int dips) const { return ::MulDiv(dips, static_cast<int>(mDpi), 96); }
    UINT Dpi() const noexcept { return mDpi; }

private:
    UINT mDpi;
};

// The grid the Orbiting and Blanking pages share, so their check boxes and
// WindowPos controls line up when the user switches between them (in
// device-independent pixels).
namespace page_grid {
constexpr int kMargin = 12;
constexpr int kRowHeight = 23;
constexpr int kColumn = 190;
constexpr int kWindowPosWidth = 170;
} // namespace page_grid

// One page of the main window's tab strip: a borderless child window over the
// strip's display area that holds the page's controls. Their notifications go
// on to the main window, so every control answers to one place.
class CTabPage : public CWindow {
public:
    ~CTabPage() override;

    bool CreatePage(HWND owner);
    HWND AddControl(const char* className, const char* text, DWORD style, int id,
                    DWORD exStyle = 0);
    HWND Control(int id) const { return ::GetDlgItem(Hwnd(), id); }
    // Places a control in page coordinates given in device-independent pixels.
    void Place(int id, const CDpiScale& scale, int x, int y, int width, int height) const;

    // Creates the page's controls; called once after the page exists.
    virtual void Build() = 0;
    // Lays the controls out for `scale`; called after Build and on DPI changes.
    virtual void Layout(const CDpiScale& scale) = 0;

protected:
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;
    bool OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

} // namespace kiv::win32
