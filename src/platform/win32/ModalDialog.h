#pragma once

#include "platform/win32/DialogKeyboard.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/Window.h"

namespace kiv::win32 {

// A modal dialog over an owner, which takes no input until the dialog ends,
// with the dialog keys, centred on its owner's display and laid out at that
// display's DPI. Derived dialogs build their controls in OnCreate, lay them
// out there with ApplyDpi and call EndDialog.
class CModalDialog : public CWindow {
protected:
    CModalDialog() { UseDialogKeyboard(mKeyboard); }

    // Creates the dialog on its owner's display, centred, shows it and runs its
    // messages until EndDialog; whether it ended accepted. False when it could
    // not be shown. The window is gone when it returns, so a dialog needs no
    // destructor of its own to take it down.
    bool RunModal(HWND owner, const ClassSpec& spec, const char* caption);
    void EndDialog(bool accepted) noexcept;

    CDialogKeyboard& Keyboard() noexcept { return mKeyboard; }
    // Gives every control made so far the message font at the DPI of the
    // owner's display and lays them out.
    void ApplyDpi();
    // Places the controls for `scale` and sizes the dialog to them; called by
    // ApplyDpi and again when the dialog moves to a display of another DPI.
    virtual void Layout(const CDpiScale& scale) = 0;

    // Closing the window cancels.
    bool OnClose() override;
    // On a display of another DPI: the rectangle the system suggests, and the
    // font and the controls at the new DPI.
    bool OnDpiChanged(UINT dpi, const RECT& suggested) override;

private:
    void ApplyDpi(UINT dpi);

    CDialogKeyboard mKeyboard;
    CDpiFont mDpiFont;
    UINT mOwnerDpi = 96;
    bool mDone = false;
    bool mAccepted = false;
};

} // namespace kiv::win32
