#include "platform/win32/ModalDialog.h"

#include "platform/win32/FormPlacementWin32.h"

namespace kiv::win32 {

bool CModalDialog::RunModal(HWND owner, const ClassSpec& spec, const char* caption) {
    mOwnerDpi = WindowDpi(owner);
    mDone = false;
    mAccepted = false;
    constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    // Made on the display it is centred on, so it starts at that display's DPI.
    const Rect display = DisplayAreaOf(owner);
    if (!Create(spec, WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, kStyle, caption, display.left,
                display.top, 0, 0, owner)) {
        return false;
    }
    CenterForm(Hwnd());

    // The owner takes no input until the dialog is answered.
    const bool ownerWasEnabled = owner != nullptr && ::IsWindowEnabled(owner);
    if (ownerWasEnabled) {
        ::EnableWindow(owner, FALSE);
    }
    ::ShowWindow(Hwnd(), SW_SHOWNORMAL);
    mKeyboard.RestoreFocus();

    MSG message{};
    bool quit = false;
    while (!mDone && Hwnd() != nullptr) {
        if (::GetMessageA(&message, nullptr, 0, 0) <= 0) {
            quit = true;
            break;
        }
        if (!mKeyboard.PreTranslate(message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
    }
    // The owner comes back before the dialog goes, so it gets the activation.
    if (ownerWasEnabled) {
        ::EnableWindow(owner, TRUE);
        ::SetActiveWindow(owner);
    }
    Destroy();
    if (quit) {
        // The program is ending: the main loop must see it too.
        ::PostQuitMessage(static_cast<int>(message.wParam));
    }
    return mAccepted;
}

void CModalDialog::EndDialog(bool accepted) noexcept {
    mAccepted = accepted;
    mDone = true;
}

void CModalDialog::ApplyDpi() {
    ApplyDpi(mOwnerDpi);
}

void CModalDialog::ApplyDpi(UINT dpi) {
    mDpiFont.Apply(Hwnd(), dpi);
    Layout(mDpiFont.Scale());
}

bool CModalDialog::OnDpiChanged(UINT dpi, const RECT& suggested) {
    TakeSuggestedRect(Hwnd(), suggested);
    // The controls at the new DPI size the dialog to them from the suggested corner.
    ApplyDpi(dpi);
    return true;
}

bool CModalDialog::OnClose() {
    EndDialog(false);
    return true;
}

} // namespace kiv::win32
