#pragma once

#include "platform/Geometry.h"

#include <cstdint>
#include <span>
#include <string>

namespace kiv {

// Told when a watched window has moved or changed size.
class IWindowMoveEvents {
public:
    virtual ~IWindowMoveEvents() = default;
    virtual void WindowMoved(WindowHandle window) = 0;
};

// The window-size library. Calls raise the File not found error when the
// library cannot be loaded.
class IWindowSizeLibrary {
public:
    virtual ~IWindowSizeLibrary() = default;
    // Lets `window`, owned by `threadId`, grow up to limit.right × limit.bottom;
    // true when the hook is in place. A message then reaches the caller's queue.
    virtual bool SetHook(uint32_t threadId, WindowHandle window, const Rect& limit) = 0;
    // Removes the hook, if any.
    virtual void RemoveHook() = 0;
    // The support file the last SetHook lacked ("KIVUtil32.dll" for a 32-bit
    // window without it); "" when it had what it needed.
    virtual std::string MissingHelper() const { return {}; }
    // Reports each move or resize of `window` to `events` soon after it
    // happens, on this thread, until called again (no events: none). The hook
    // reports the window it is on; without it the system's window events do,
    // where the system delivers them. Never raises.
    virtual void ReportMoves(WindowHandle window, IWindowMoveEvents* events) = 0;
};

// The keyboard library: the key, media and mouse hooks and the DVD-ROM
// content suppression. Calls raise File not found when it cannot be loaded.
// Its messages are declared once, in libs/KIVKbd/KIVKbd.h.
class IKeyboardLibrary {
public:
    virtual ~IKeyboardLibrary() = default;
    // Watches `codes` and posts kHotKeyMessage with the entry's index to
    // `window`; a null window or no codes stops the hook.
    virtual void SetKeyHook(WindowHandle window, std::span<const int32_t> codes) = 0;
    // Posts kMediaArrivedMessage to `window` when a medium is inserted; 0 stops.
    virtual void SetMediaHook(WindowHandle window) = 0;
    // Hides the pointer over `window`; 0 stops.
    virtual void SetMouseHook(WindowHandle window) = 0;
    virtual void AllowPCFriendly(bool suppressContent) = 0;
};

} // namespace kiv
