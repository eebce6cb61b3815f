#include "util/win32/PumpingWait.h"

namespace kiv::win32 {

namespace {

// The rest of a wait that serves no more messages: the program is quitting.
DWORD WaitQuietly(std::span<const HANDLE> handles, DWORD ms) {
    if (handles.empty()) {
        ::Sleep(ms);
        return WAIT_TIMEOUT;
    }
    return ::WaitForMultipleObjects(static_cast<DWORD>(handles.size()), handles.data(), FALSE, ms);
}

} // namespace

void HandleMessage(MSG& message) {
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
}

bool HandleWaitingMessages() {
    MSG message{};
    for (int handled = 0; handled < 1000 && ::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);
         ++handled) {
        if (message.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        HandleMessage(message);
    }
    return true;
}

DWORD WaitPumping(std::span<const HANDLE> handles, DWORD timeoutMs) {
    const auto count = static_cast<DWORD>(handles.size());
    const ULONGLONG end = ::GetTickCount64() + timeoutMs;
    for (;;) {
        const ULONGLONG now = ::GetTickCount64();
        const DWORD left = now >= end ? 0 : static_cast<DWORD>(end - now);
        const DWORD woken = ::MsgWaitForMultipleObjectsEx(count, handles.data(), left, QS_ALLINPUT,
                                                          MWMO_INPUTAVAILABLE);
        if (woken != WAIT_OBJECT_0 + count) {
            return woken;
        }
        if (!HandleWaitingMessages()) {
            return WaitQuietly(handles, left);
        }
        if (left == 0) {
            // Messages that never stop coming must not stretch the wait.
            return WaitQuietly(handles, 0);
        }
    }
}

} // namespace kiv::win32
