#pragma once

// Searches among a window's descendants, for the tests that drive real
// windows (of this process or of another).

#include "platform/win32/Win32.h"

#include <functional>

namespace kiv::test {

// The first window inside `parent` (pages included) that `match` accepts.
inline HWND FindDescendant(HWND parent, const std::function<bool(HWND)>& match) {
    struct Search {
        const std::function<bool(HWND)>& match;
        HWND found = nullptr;
    } search{match};
    ::EnumChildWindows(
        parent,
        [](HWND child, LPARAM context) -> BOOL {
            auto* s = reinterpret_cast<Search*>(context);
            if (s->match(child)) {
                s->found = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A control inside `parent` by its id.
inline HWND FindControl(HWND parent, int id) {
    return FindDescendant(parent, [id](HWND child) { return ::GetDlgCtrlID(child) == id; });
}

} // namespace kiv::test
