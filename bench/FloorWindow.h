#pragma once

// The floor programs' one window: hidden, of a class of its own that
// `procedure` serves, found by the benchmark by that class name; then the
// message loop until the window's program is told to quit.
#include "platform/win32/Win32.h"

namespace kiv::bench {

inline HWND CreateFloorWindow(HINSTANCE instance, const char* className, WNDPROC procedure) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = className;
    ::RegisterClassA(&windowClass);
    return ::CreateWindowExA(WS_EX_TOOLWINDOW, className, "", WS_POPUP, 0, 0, 0, 0, nullptr,
                             nullptr, instance, nullptr);
}

inline int RunFloorMessageLoop() {
    MSG message{};
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::DispatchMessageA(&message);
    }
    return 0;
}

} // namespace kiv::bench
