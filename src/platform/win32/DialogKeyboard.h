#pragma once

#include "platform/win32/Win32.h"

#include <cstddef>
#include <functional>

namespace kiv::win32 {

// The keys a dialog answers, for any top-level window holding controls: Tab
// and the arrows move between them, Enter presses the focused push button or
// else the default button, Esc presses the cancel button, Alt+letter reaches
// the control whose caption (or label) has that access key, and the focus
// comes back to where it was when the window is activated again. Its buttons
// must not use the ids IDOK and IDCANCEL, which stand for Enter and Esc.
class CDialogKeyboard {
public:
    struct Buttons {
        int defaultButton = 0; // 0: Enter presses only a focused push button
        int cancelButton = 0;  // 0: Esc does nothing
    };

    void SetButtons(const Buttons& buttons) noexcept { mButtons = buttons; }
    // The control that takes the focus when the window is activated the first
    // time, or when the one that had it has gone.
    void SetFirstFocus(HWND control) noexcept { mFirstFocus = control; }
    // Puts the focus back where it was, or on the first control.
    void RestoreFocus() const;
    // A tab strip the keys turn: Ctrl+Tab and Ctrl+PgDn the next page,
    // Ctrl+Shift+Tab and Ctrl+PgUp the previous one, Alt and a tab's access
    // key, when no control took it, that tab. `showPage` shows the page of the
    // tab just selected.
    void UseTabStrip(HWND tabStrip, std::function<void(size_t index)> showPage);

    // In the message loop, before TranslateMessage: true when the message
    // was a dialog key for the window and has been handled.
    bool PreTranslate(MSG& message) const;
    // Called by the window first for every message; true when answered.
    bool OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    void Press(int buttonId) const;
    void SelectTab(int index) const;
    bool SelectTabByAccessKey(char key) const;

    HWND mWindow = nullptr;
    HWND mTabStrip = nullptr;
    std::function<void(size_t index)> mShowPage;
    Buttons mButtons;
    HWND mFirstFocus = nullptr;
    HWND mLastFocus = nullptr;
};

} // namespace kiv::win32
