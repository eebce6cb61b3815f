// The least a program can do to place a window: find it by class and move it.
// bench_placement times it as the floor KIV is measured against.
#include "platform/win32/Win32.h"

#include <cstdio>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    // Arguments: class left top width height
    char className[256] = {};
    int left = 0, top = 0, width = 0, height = 0;
    if (sscanf(commandLine, "%255s %d %d %d %d", className, &left, &top, &width, &height) != 5) {
        return 2;
    }
    HWND window = ::FindWindowA(className, nullptr);
    if (window == nullptr) {
        return 1;
    }
    ::MoveWindow(window, left, top, width, height, TRUE);
    return 0;
}
