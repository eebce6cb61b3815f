#pragma once

// KIVKbd.dll: global hot keys, media arrival, pointer hiding, AutoPlay
// suppression. KIV loads it at run time by full path; these declarations
// describe its exports for the loader and the tests.
//
// Every function must be called from the one thread that runs KIV's message
// loop, never from a DllMain: the media and mouse listener and its timer live
// on that thread. The key hook runs on a thread of the library's own, started
// by SetKeyHook and ended by its off call.

#include "platform/win32/Win32.h"

#include <cstdint>

extern "C" {

// Watches the keyboard, whichever program has the focus. codes[i] is
// flags * 65536 + virtual key (flags: bit 0 Shift, bit 1 Ctrl). A key press
// whose key and Shift/Ctrl state equal codes[i] exactly, with neither Alt nor
// a Windows key held, posts WM_USER + 1 with wParam i to window (the first
// such i) and is kept from the focused program; a held key repeats. The table is copied
// (at most 40 entries). A null window or a count of 0 or less stops watching.
// Returns non-zero on success.
int WINAPI SetKeyHook(HWND window, const std::int32_t* codes, std::int16_t count) noexcept;

// Posts WM_USER + 2 to window when a medium arrives in a drive (a disc
// inserted); a drive being attached, such as a USB stick, is not reported.
// wParam = the drive-letter mask, lParam = the DBTF_ flags. A null window
// stops. Returns non-zero on success.
int WINAPI SetMediaHook(HWND window) noexcept;

// Hides the mouse pointer while it rests over window (a top-level window of
// any process) for two seconds; the pointer returns as soon as it moves. A
// null window stops. Returns non-zero on success.
int WINAPI SetMouseHook(HWND window) noexcept;

// Non-zero: cancel AutoPlay (and the disc-content programs it starts) while
// KIV runs. Zero: allow it again.
void WINAPI AllowPCFriendly(int allow) noexcept;

// Volume name, file-system name and serial number of a drive. On entry
// volumeName holds the drive ("R", "R:" or "R:\"), or is empty for the first
// CD-ROM drive. Both buffers must hold 255 characters; texts are cut to 254.
// Returns non-zero on success; on failure the outputs are empty and 0.
int WINAPI GetDVDinfo(char* volumeName, char* fileSystem, std::uint32_t* serial) noexcept;

} // extern "C"

namespace kiv::support {

inline constexpr char kKeyboardLibraryFile[] = "KIVKbd.dll";
inline constexpr UINT kHotKeyMessage = WM_USER + 1;
inline constexpr UINT kMediaArrivedMessage = WM_USER + 2;
inline constexpr int kMaxHotKeys = 40;
// The class of the hidden window that listens for media, AutoPlay queries
// and the pointer timer; it exists while any of those is switched on.
inline constexpr wchar_t kListenerClass[] = L"KIVKbdListener";
// Buffers handed to GetDVDinfo hold this many characters.
inline constexpr int kDvdInfoBufferSize = 255;

using SetKeyHookProc = int(WINAPI*)(HWND window, const std::int32_t* codes, std::int16_t count);
using SetMediaHookProc = int(WINAPI*)(HWND window);
using SetMouseHookProc = int(WINAPI*)(HWND window);
using AllowPCFriendlyProc = void(WINAPI*)(int allow);
using GetDVDinfoProc = int(WINAPI*)(char* volumeName, char* fileSystem, std::uint32_t* serial);

} // namespace kiv::support
