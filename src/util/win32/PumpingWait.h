#pragma once

#include "platform/win32/Win32.h"

#include <span>

namespace kiv::win32 {

// Every wait of KIV's user-interface thread goes through these: while it
// waits, the messages that arrive are handled as the message loop would, so
// the window answers, timers run and a second copy's hand-over is taken. What
// such a message starts runs inside the waiting procedure; the rule about
// which commands may run then lives with the commands, not here.

// Handles one message taken from the queue, as the message loop does.
void HandleMessage(MSG& message);

// Handles the messages waiting now, at most a bounded number so a pass ends
// while messages keep coming. False when the program has been told to quit;
// the quit message is put back for the message loop.
bool HandleWaitingMessages();

// Waits until one of `handles` is signalled or `timeoutMs` has passed,
// handling messages meanwhile. Returns as WaitForMultipleObjects does:
// WAIT_OBJECT_0 + index, WAIT_TIMEOUT or WAIT_FAILED. After a quit message the
// rest of the wait serves no more messages.
DWORD WaitPumping(std::span<const HANDLE> handles, DWORD timeoutMs);

// A pause of `ms` that handles messages meanwhile.
inline void PausePumping(DWORD ms) {
    WaitPumping({}, ms);
}

} // namespace kiv::win32
