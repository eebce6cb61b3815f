#pragma once

#include "platform/Geometry.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/Window.h"

#include <optional>
#include <string>
#include <string_view>

namespace kiv::win32 {

// The notice that a disc is being added to the play list: a small window in
// front of the others, gone after three seconds or at any key.
class frmAddingTitle final : public CWindow {
public:
    enum ControlId : int { lblMessage = 100 };

    frmAddingTitle() = default;
    ~frmAddingTitle() override;

    // Shows `message`, centred on `display` (a display's rectangle) or on the
    // owner's display, and returns at once. The owner keeps it off the taskbar.
    bool Show(HWND owner, std::string_view message, std::optional<Rect> display);

private:
    bool OnCreate() override;
    bool OnTimer(UINT_PTR id) override;
    bool OnDpiChanged(UINT dpi, const RECT& suggested) override;
    bool OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Layout(UINT dpi);

    std::string mMessage;
    CDpiFont mDpiFont;
};

} // namespace kiv::win32
