#pragma once

#include "platform/win32/DialogKeyboard.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/Window.h"

namespace kiv::win32 {

// A modal dialog over an owner, which takes no input until the dialog ends,
// with the dialog keys. Derived dialogs build their controls in OnCreate,
// lay them out with ApplyOwnerDpi's scale and call EndDialog.
class CModalDialog : public CWindow {
protected:
    CModalDialog() { UseDialogKeyboard(mKeyboard); }

    // Creates the dialog centred on the screen, shows it and runs its messages
    // until EndDialog; whether it ended accepted. False when it could not be shown.
    bool RunModal(HWND owner, const ClassSpec& spec, const char* caption);
    void EndDialog(bool accepted) noexcept;

    CDialogKeyboard& Keyboard() noexcept { return mKeyboard; }
    // Gives every control made so far the message font at the owner's DPI;
    // the scale to lay them out with.
    const CDpiScale& ApplyOwnerDpi();
    // Closing the window cancels.
    bool OnClose() override;

private:
    CDialogKeyboard mKeyboard;
    CDpiFont mDpiFont;
    UINT mOwnerDpi = 96;
    bool mDone = false;
    bool mAccepted = false;
};

} // namespace kiv::win32
