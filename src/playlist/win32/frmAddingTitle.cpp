#include "playlist/win32/frmAddingTitle.h"

#include "platform/win32/ControlMetrics.h"
#include "platform/win32/Controls.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/FormPlacementWin32.h"

#include <commctrl.h>

namespace kiv::win32 {

using namespace control_metrics;

namespace {
constexpr WindowTimer tmrExit{1, 3000};
// Layout in device-independent pixels at 96 DPI.
constexpr int kClientWidth = 320;
constexpr int kClientHeight = 64;
} // namespace

frmAddingTitle::~frmAddingTitle() {
    Destroy();
}

bool frmAddingTitle::Show(HWND owner, std::string_view message, std::optional<Rect> display) {
    Destroy();
    mMessage = message;
    // Made on the display it is centred on, so it starts at that display's DPI.
    const Rect area = display.value_or(DisplayAreaOf(owner));
    if (!Create(ClassSpec{"frmAddingTitle"}, WS_EX_TOPMOST | WS_EX_TOOLWINDOW, WS_POPUP | WS_BORDER,
                "KIV", area.left, area.top, 0, 0, owner)) {
        return false;
    }
    CenterFormOn(Hwnd(), area);
    ::ShowWindow(Hwnd(), SW_SHOW);
    // In front with the keyboard, so that any key takes it away.
    ::SetForegroundWindow(Hwnd());
    return true;
}

bool frmAddingTitle::OnCreate() {
    CreateChild(Hwnd(), WC_STATICA, mMessage.c_str(),
                SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX | SS_ENDELLIPSIS, lblMessage);
    Layout(WindowDpi(Hwnd()));
    SetTimerEnabled(Hwnd(), tmrExit, true);
    return true;
}

void frmAddingTitle::Layout(UINT dpi) {
    mDpiFont.Apply(Hwnd(), dpi);
    const CDpiScale& scale = mDpiFont.Scale();
    Place(lblMessage, scale, kMargin, kMargin, kClientWidth - 2 * kMargin,
          kClientHeight - 2 * kMargin);
    SizeFrameToClient(Hwnd(), scale, kClientWidth, kClientHeight);
}

bool frmAddingTitle::OnTimer(UINT_PTR id) {
    if (id != tmrExit.id) {
        return false;
    }
    SetTimerEnabled(Hwnd(), tmrExit, false);
    Destroy();
    return true;
}

bool frmAddingTitle::OnDpiChanged(UINT dpi, const RECT& suggested) {
    TakeSuggestedRect(Hwnd(), suggested);
    Layout(dpi);
    return true;
}

bool frmAddingTitle::OnOtherMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) {
        Destroy();
        result = 0;
        return true;
    }
    return false;
}

} // namespace kiv::win32
