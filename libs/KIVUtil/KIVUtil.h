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

// While a hook is in place, each move or resize of its window posts `message`
// to `window` (of any process), wParam the hooked window. A null window
// reports nothing. Stays as set across SetHook calls.
void WINAPI SetMoveNotify(HWND window, UINT message) noexcept;

} // extern "C"

namespace kiv::support {
inline constexpr char kSizeLibraryFile[] = "KIVUtil.dll";
using SetHookProc = int(WINAPI*)(std::uint32_t threadId, HWND window, const RECT* limit);
using SetMoveNotifyProc = void(WINAPI*)(HWND window, UINT message);

// A hook runs only in a process of its own bitness. For a 32-bit controlled
// program, KIV starts the 32-bit host beside it, which loads the 32-bit build
// of this library and keeps the hook until it is told to stop or KIV ends:
//
//   KIVUtil32Host.exe OWNER READY STOP THREAD WINDOW WIDTH HEIGHT [NOTIFY MESSAGE]
//
// OWNER is an inherited handle of KIV's process, READY and STOP inherited
// events, all in decimal; NOTIFY and MESSAGE, when given, go to SetMoveNotify.
// The host signals READY once the hook is in place; otherwise it ends at once
// with one of the codes below.
inline constexpr char kSizeLibrary32File[] = "KIVUtil32.dll";
inline constexpr char kSizeHookHostFile[] = "KIVUtil32Host.exe";
inline constexpr int kHostArgumentCount = 7;
inline constexpr int kHostOptionalArgumentCount = 2;
enum HostExitCode : unsigned {
    kHostStopped = 0,
    kHostHookRefused = 1,
    kHostBadCommandLine = 2,
    kHostLibraryMissing = 53,
};
} // namespace kiv::support
