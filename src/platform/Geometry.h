#pragma once

#include <cstdint>

namespace kiv {

// Another program's window, as the operating system names it; 0 is none.
using WindowHandle = std::uintptr_t;

// Screen pixels, edges as the operating system's RECT has them.
struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Size {
    int32_t width = 0;
    int32_t height = 0;

    friend bool operator==(const Size&, const Size&) = default;
};

} // namespace kiv
