// Prints the outer rectangle of the top-level window with the given class as
// "left top width height", waiting up to the given seconds for it to equal an
// expected rectangle when one is given; or closes the window of a class and
// waits for it to go. Used by the run script to show that KIV placed the
// stand-in player, and to end KIV as its window's close box would.
//
//   window_rect.exe CLASS [LEFT TOP WIDTH HEIGHT SECONDS]
//   window_rect.exe --close CLASS SECONDS
#include "platform/win32/Win32.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

int CloseWindowOfClass(const char* className, int seconds) {
    HWND window = ::FindWindowA(className, nullptr);
    if (window == nullptr) {
        std::fprintf(stderr, "no window of class %s\n", className);
        return 1;
    }
    ::PostMessageA(window, WM_CLOSE, 0, 0);
    for (int waited = 0; waited < seconds * 1000; waited += 100) {
        if (!::IsWindow(window)) {
            return 0;
        }
        ::Sleep(100);
    }
    std::fprintf(stderr, "the window of class %s is still open\n", className);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string_view(argv[1]) == "--close") {
        return CloseWindowOfClass(argv[2], std::atoi(argv[3]));
    }
    if (argc != 2 && argc != 7) {
        std::fprintf(stderr, "usage: window_rect CLASS [LEFT TOP WIDTH HEIGHT SECONDS]\n"
                             "       window_rect --close CLASS SECONDS\n");
        return 2;
    }
    const bool expecting = argc == 7;
    const int waitMs = expecting ? std::atoi(argv[6]) * 1000 : 0;
    RECT rect{};
    for (int waited = 0;; waited += 100) {
        HWND window = ::FindWindowA(argv[1], nullptr);
        if (window != nullptr && ::GetWindowRect(window, &rect)) {
            if (!expecting || (rect.left == std::atoi(argv[2]) && rect.top == std::atoi(argv[3]) &&
                               rect.right - rect.left == std::atoi(argv[4]) &&
                               rect.bottom - rect.top == std::atoi(argv[5]))) {
                std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left,
                            rect.bottom - rect.top);
                return 0;
            }
        }
        if (waited >= waitMs) {
            break;
        }
        ::Sleep(100);
    }
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left,
                rect.bottom - rect.top);
    return 1;
}
