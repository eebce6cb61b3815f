// The least a program can do to answer a hot key: a keyboard hook that moves
// a window itself on Shift+F2 and Shift+F3. bench_hotkey times it as the floor
// KIV's hot keys are measured against. It shows a window of class
// "KivFloorHotKey" once its hook is in place, and ends when that window closes.
#include "FloorWindow.h"
#include "platform/win32/UniqueHandle.h"

#include <cstdio>

namespace {

HWND gTarget = nullptr;
RECT gFirst{};
RECT gSecond{};

void MoveTo(const RECT& rect) {
    ::MoveWindow(gTarget, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 TRUE);
}

LRESULT CALLBACK KeyProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == WM_KEYDOWN && (::GetAsyncKeyState(VK_SHIFT) & 0x8000)) {
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        if (key->vkCode == VK_F2 || key->vkCode == VK_F3) {
            MoveTo(key->vkCode == VK_F2 ? gFirst : gSecond);
            return 1;
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    // Arguments: class, then the two rectangles as left top right bottom.
    char className[256] = {};
    if (sscanf(commandLine, "%255s %ld %ld %ld %ld %ld %ld %ld %ld", className, &gFirst.left,
               &gFirst.top, &gFirst.right, &gFirst.bottom, &gSecond.left, &gSecond.top,
               &gSecond.right, &gSecond.bottom) != 9) {
        return 2;
    }
    gTarget = ::FindWindowA(className, nullptr);
    if (gTarget == nullptr) {
        return 1;
    }
    kiv::win32::UniqueHook hook(::SetWindowsHookExA(WH_KEYBOARD_LL, KeyProc, instance, 0));
    kiv::bench::CreateFloorWindow(instance, "KivFloorHotKey", WindowProc);
    return kiv::bench::RunFloorMessageLoop();
}
