#pragma once

#include "platform/win32/Window.h"

namespace kiv::win32 {

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
// strip's display area that holds the page's controls, in the page colour and
// the font the main window gives it. The page handles its controls'
// notifications itself (HandleCommand, HandleNotify); what it leaves goes on
// to the main window.
class CTabPage : public CControlHost {
public:
    CTabPage() : CControlHost(PartColours::Page) {}
    ~CTabPage() override;

    bool CreatePage(HWND owner);
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
