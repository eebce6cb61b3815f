#pragma once

// Helpers for the tests that drive real windows, of this process or of
// another: waiting on the message loop, reading texts, finding controls.

#include "platform/win32/Win32.h"

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

namespace kiv::test {

// The first window inside `parent` (pages included) that `match` accepts,
// depth first, each window before its children.
inline HWND FindDescendant(HWND parent, const std::function<bool(HWND)>& match) {
    for (HWND child = ::GetWindow(parent, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (match(child)) {
            return child;
        }
        if (HWND found = FindDescendant(child, match)) {
            return found;
        }
    }
    return nullptr;
}

// A control inside `parent` by its id.
inline HWND FindControl(HWND parent, int id) {
    return FindDescendant(parent, [id](HWND child) { return ::GetDlgCtrlID(child) == id; });
}

// Runs the messages already waiting for this thread, without blocking.
inline void PumpPending() {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

// Runs this thread's messages until `done` holds or the deadline passes;
// returns done(). The deadline bounds a wait for something that must
// happen, it never claims a speed.
inline bool PumpUntil(const std::function<bool()>& done,
                      std::chrono::milliseconds deadline = std::chrono::seconds(10)) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    for (;;) {
        PumpPending();
        if (done()) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= end) {
            return false;
        }
        // Short slices: some conditions (a file appearing) come with no message.
        ::MsgWaitForMultipleObjectsEx(0, nullptr, 20, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

// A window's text, asked of the window itself: GetWindowText reads only the
// caption of another process's window, which an edit box does not keep.
inline std::string TextOf(HWND window) {
    char text[512] = {};
    ::SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                          SMTO_ABORTIFHUNG, 5000, nullptr);
    return text;
}

// A window's class name.
inline std::string ClassOf(HWND window) {
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

// A control inside `parent` (pages included) by its text.
inline HWND ChildWithText(HWND parent, std::string_view text) {
    return FindDescendant(parent, [text](HWND child) { return TextOf(child) == text; });
}

// "left,top widthxheight", for failure messages.
inline std::string RectText(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
           std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

} // namespace kiv::test
