// The least a program can do to blank the screen around a rectangle: four
// black topmost windows, made hidden at start, each shown in place with one
// call when asked. bench_blanking times it as the floor KIV's blanking is
// measured against. Its window of class "KivFloorBlanking" shows the strips
// (class "KivFloorStrip") on WM_APP and hides them on WM_APP + 1; the program
// ends when that window closes.
#include "FloorWindow.h"
#include "platform/win32/Win32.h"

#include <cstdio>

namespace {

HWND gStrips[4] = {};
RECT gHole{};

void ShowStrips() {
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    // Left, top, right, bottom, overlapping in the corners.
    const RECT rects[4] = {{0, 0, gHole.left, height},
                           {0, 0, width, gHole.top},
                           {gHole.right, 0, width, height},
                           {0, gHole.bottom, width, height}};
    for (int i = 0; i < 4; ++i) {
        ::SetWindowPos(gStrips[i], HWND_TOPMOST, rects[i].left, rects[i].top,
                       rects[i].right - rects[i].left, rects[i].bottom - rects[i].top,
                       SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    }
}

void HideStrips() {
    for (HWND strip : gStrips) {
        ::SetWindowPos(strip, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_APP:
        ShowStrips();
        return 0;
    case WM_APP + 1:
        HideStrips();
        return 0;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        return ::DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    // Arguments: the rectangle left uncovered, as left top right bottom.
    if (sscanf(commandLine, "%ld %ld %ld %ld", &gHole.left, &gHole.top, &gHole.right,
               &gHole.bottom) != 4) {
        return 2;
    }
    WNDCLASSA stripClass{};
    stripClass.lpfnWndProc = ::DefWindowProcA;
    stripClass.hInstance = instance;
    stripClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    stripClass.lpszClassName = "KivFloorStrip";
    ::RegisterClassA(&stripClass);
    for (HWND& strip : gStrips) {
        strip = ::CreateWindowExA(WS_EX_TOOLWINDOW, "KivFloorStrip", "", WS_POPUP, 0, 0, 0, 0,
                                  nullptr, nullptr, instance, nullptr);
    }
    kiv::bench::CreateFloorWindow(instance, "KivFloorBlanking", ControlProc);
    return kiv::bench::RunFloorMessageLoop();
}
