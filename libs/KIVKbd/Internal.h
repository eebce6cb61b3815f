#pragma once

// The pieces behind KIVKbd's exports. All run on the caller's thread; the key
// hook procedure alone runs on a thread of its own (KeyHook.cpp).

#include "platform/win32/Win32.h"

#include <cstdint>

namespace kiv::kbd {

HINSTANCE ModuleInstance() noexcept;

// KeyHook.cpp: StartKeyHook replaces any table and hook already in place.
bool StartKeyHook(HWND window, const std::int32_t* codes, int count) noexcept;
void StopKeyHook() noexcept;

// Listener.cpp: one hidden window serves media arrival, the AutoPlay query
// message and the pointer timer; it exists while any of them is on.
bool SetMediaTarget(HWND window) noexcept;
bool SetMouseTarget(HWND window) noexcept;
bool SetAnswerAutoPlayQuery(bool cancel) noexcept;

// AutoPlay.cpp: the shell asks a registered object before it runs AutoPlay.
bool RegisterAutoPlayCanceller() noexcept;
void RevokeAutoPlayCanceller() noexcept;

// VolumeInfo.cpp
bool ReadVolumeInfo(char* volumeName, char* fileSystem, std::uint32_t* serial) noexcept;

} // namespace kiv::kbd
