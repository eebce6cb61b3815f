#pragma once

// Drives a modal window of this thread from inside its own message loop, as
// a user would while the code under test waits for the window to close.

#include "support/Win32TestSupport.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <vector>

namespace kiv::test {

// One thing the user does to the modal window.
using ModalStep = std::function<void(HWND window)>;

namespace detail {
// What the tick timer does: a timer procedure is handed no context.
inline std::function<void()> gModalTick;
} // namespace detail

// Runs `open`, which shows a modal window and returns once it has closed, and
// returns what it returns. Meanwhile, each time `find` gives the window shown
// and holding the focus, the next of `steps` runs on it. A timer message
// comes only once no other message waits, so a step runs after everything the
// step before it queued (keys and clicks are posted, as input is) has been
// handled. A step never reached fails the test; a window still open after
// five seconds fails it and is closed.
template <typename Open>
auto RunModalWith(std::function<HWND()> find, std::vector<ModalStep> steps, Open open) {
    std::size_t next = 0;
    detail::gModalTick = [&] {
        HWND window = next < steps.size() ? find() : nullptr;
        if (window != nullptr && ::IsWindowVisible(window) &&
            ::GetAncestor(::GetFocus(), GA_ROOT) == window) {
            steps[next++](window);
        }
    };
    const UINT_PTR tick =
        ::SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR, DWORD) { detail::gModalTick(); });
    const UINT_PTR giveUp = ::SetTimer(nullptr, 0, 5000, [](HWND, UINT, UINT_PTR timer, DWORD) {
        ::KillTimer(nullptr, timer);
        ADD_FAILURE() << "the modal window is still open after 5 s";
        ::EnumThreadWindows(
            ::GetCurrentThreadId(),
            [](HWND window, LPARAM) {
                ::PostMessageA(window, WM_CLOSE, 0, 0);
                return TRUE;
            },
            0);
    });
    auto result = open();
    ::KillTimer(nullptr, tick);
    ::KillTimer(nullptr, giveUp);
    detail::gModalTick = [] {}; // a tick still queued does nothing
    EXPECT_EQ(next, steps.size()) << "the window closed before the last step";
    return result;
}

} // namespace kiv::test
