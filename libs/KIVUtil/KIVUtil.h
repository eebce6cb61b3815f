#pragma once

// KIVUtil.dll: the window-size hook. KIV loads it at run time by full path;
// these declarations describe its exports for the loader and the tests.

#include "platform/win32/Win32.h"

#include <cstdint>

extern "C" {

// With a thread and a window of that thread: lets WM_GETMINMAXINFO of that
// window allow at least limit->right x limit->bottom pixels, then posts
// WM_NULL to the calling thread so that one GetMessage call returns. With
// thread 0 it only removes the hook. At most one hook is active; every call
// removes the previous one first. Returns non-zero on success.
// Call it from one thread (KIV's user-interface thread).
int WINAPI SetHook(std::uint32_t threadId, HWND window, const RECT* limit) noexcept;

} // extern "C"

namespace kiv::support {
inline constexpr char kSizeLibraryFile[] = "KIVUtil.dll";
using SetHookProc = int(WINAPI*)(std::uint32_t threadId, HWND window, const RECT* limit);
} // namespace kiv::support
