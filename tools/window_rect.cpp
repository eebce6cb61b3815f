// Prints the outer rectangle of the top-level window with the given class as
// "left top width height", waiting up to the given seconds for it to equal an
// expected rectangle when one is given. Used by the run script to show that
// KIV placed the stand-in player.
//
//   window_rect.exe CLASS [LEFT TOP WIDTH HEIGHT SECONDS]
#include "platform/win32/Win32.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 2 && argc != 7) {
        std::fprintf(stderr, "usage: window_rect CLASS [LEFT TOP WIDTH HEIGHT SECONDS]\n");
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
