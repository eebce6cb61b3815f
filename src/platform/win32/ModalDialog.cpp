#include "platform/win32/ModalDialog.h"

#include "util/win32/FormUtilsWin32.h"

namespace kiv::win32 {

bool CModalDialog::RunModal(HWND owner, const ClassSpec& spec, const char* caption) {
    mOwnerDpi = WindowDpi(owner);
    mDone = false;
    mAccepted = false;
    constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    if (!Create(spec, WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, kStyle, caption, 0, 0, 0, 0,
                owner)) {
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

const CDpiScale& CModalDialog::ApplyOwnerDpi() {
    mDpiFont.Apply(Hwnd(), mOwnerDpi);
    return mDpiFont.Scale();
}

bool CModalDialog::OnClose() {
    EndDialog(false);
    return true;
}

} // namespace kiv::win32
