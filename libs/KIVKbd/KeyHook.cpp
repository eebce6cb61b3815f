#include "Internal.h"
#include "KIVKbd.h"

#include "platform/win32/UniqueHandle.h"

#include <algorithm>
#include <array>

namespace kiv::kbd {

namespace {

// The low-level hook runs on a thread of its own, waiting in its own message
// loop, so that nothing KIV's user-interface thread does (a modal dialog, a
// save, a move of another program's window) delays a key anywhere on the
// desktop or lets the system's hook time-out drop the hook.
//
// The table is written by the caller's thread and read by the hook thread.
// Both hold gTableLock; the writer only for the copy of at most 40 codes, so
// the hook never waits longer than that and allocates nothing.
struct KeyTable {
    HWND target = nullptr;
    std::array<std::uint32_t, support::kMaxHotKeys> codes = {};
    int count = 0;
};

SRWLOCK gTableLock = SRWLOCK_INIT;
KeyTable gTable;

// Started and ended only by the caller's thread (SetKeyHook).
win32::UniqueKernelHandle gHookThread;
DWORD gHookThreadId = 0;

// Telling the hook thread to end and seeing it go takes a moment; the bound
// only guards against a thread that can no longer be told.
constexpr DWORD kThreadEndWaitMs = 5000;

constexpr std::uint32_t kShiftFlag = 1;
constexpr std::uint32_t kCtrlFlag = 2;
// Alt or a Windows key held: no entry has it, so no chord matches.
constexpr std::uint32_t kOtherModifierFlag = 4;

bool IsDown(int virtualKey) noexcept {
    return (GetAsyncKeyState(virtualKey) & 0x8000) != 0;
}

// The modifier state is read from the system, not tracked from our own
// events: a modifier held before the hook started, or released while the
// hook missed it (another desktop, a hook time-out), must not stick. Either
// Shift and either Ctrl count.
std::uint32_t CurrentModifiers() noexcept {
    const bool other = IsDown(VK_MENU) || IsDown(VK_LWIN) || IsDown(VK_RWIN);
    return (IsDown(VK_SHIFT) ? kShiftFlag : 0) | (IsDown(VK_CONTROL) ? kCtrlFlag : 0) |
           (other ? kOtherModifierFlag : 0);
}

struct Match {
    HWND target = nullptr;
    int index = -1;
};

// The first entry for this key and the modifiers held now.
Match FindEntry(std::uint32_t virtualKey) noexcept {
    Match match;
    AcquireSRWLockShared(&gTableLock);
    bool modifiersRead = false;
    std::uint32_t modifiers = 0;
    for (int i = 0; i < gTable.count; ++i) {
        const std::uint32_t entry = gTable.codes[i];
        if ((entry & 0xFFFF) != virtualKey) {
            continue;
        }
        // Only a key in the table pays for the modifier query.
        if (!modifiersRead) {
            modifiers = CurrentModifiers();
            modifiersRead = true;
        }
        if ((entry >> 16) == modifiers) {
            match = {gTable.target, i};
            break;
        }
    }
    ReleaseSRWLockShared(&gTableLock);
    return match;
}

// Must return quickly: matches and posts, nothing else. A matched chord is
// KIV's: the focused program does not get it too. A key held down repeats
// its key-down events, and so its action.
LRESULT CALLBACK KeyHookProc(int code, WPARAM wParam, LPARAM lParam) noexcept {
    if (code == HC_ACTION && (wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN)) {
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        const Match match = FindEntry(key->vkCode & 0xFFFF);
        if (match.index >= 0) {
            PostMessageW(match.target, support::kHotKeyMessage, static_cast<WPARAM>(match.index),
                         0);
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void SetTable(const KeyTable& table) noexcept {
    AcquireSRWLockExclusive(&gTableLock);
    gTable = table;
    ReleaseSRWLockExclusive(&gTableLock);
}

struct ThreadStart {
    HANDLE ready = nullptr;
    bool installed = false;
};

// Installs the hook and serves it until WM_QUIT; the system calls the hook
// procedure from within this thread's GetMessage.
void ServeKeyHook(ThreadStart& start) noexcept {
    MSG message;
    // The queue first, so that the quit posted after `ready` cannot be lost.
    PeekMessageW(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
    win32::UniqueHook hook(SetWindowsHookExW(WH_KEYBOARD_LL, KeyHookProc, ModuleInstance(), 0));
    start.installed = hook.IsValid();
    SetEvent(start.ready); // `start` is the caller's again from here
    if (!hook) {
        return;
    }
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    }
}

// Unloading and this thread: the thread holds its own reference to the
// library, taken before it starts, and drops it as it leaves
// (FreeLibraryAndExitThread). A FreeLibrary while the hook is on therefore
// cannot unmap the code the thread runs, and DllMain never has to end or wait
// for it: a wait there, under the loader lock, would deadlock, since a thread
// that exits needs that lock for its detach notifications. The off call ends
// the thread and waits for it outside any lock. At process exit the system
// ends the thread before the library's detach, and the hook goes with the
// process.
DWORD WINAPI HookThreadMain(void* parameter) noexcept {
    ServeKeyHook(*static_cast<ThreadStart*>(parameter));
    FreeLibraryAndExitThread(ModuleInstance(), 0);
}

bool StartHookThread() noexcept {
    HMODULE self = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                            reinterpret_cast<LPCWSTR>(&HookThreadMain), &self)) {
        return false;
    }
    win32::UniqueKernelHandle ready(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    ThreadStart start{ready.Get(), false};
    DWORD threadId = 0;
    win32::UniqueKernelHandle thread(
        ready ? CreateThread(nullptr, 0, HookThreadMain, &start, 0, &threadId) : nullptr);
    if (!thread) {
        FreeLibrary(self);
        return false;
    }
    // The thread only installs the hook before it signals; should it die
    // first, its end ends the wait. `start` lives on this stack, so the wait
    // has no time limit.
    const HANDLE waitFor[] = {ready.Get(), thread.Get()};
    WaitForMultipleObjects(2, waitFor, FALSE, INFINITE);
    if (!start.installed) {
        WaitForSingleObject(thread.Get(), kThreadEndWaitMs);
        return false;
    }
    gHookThread = std::move(thread);
    gHookThreadId = threadId;
    return true;
}

void EndHookThread() noexcept {
    if (!gHookThread) {
        return;
    }
    const bool running = WaitForSingleObject(gHookThread.Get(), 0) == WAIT_TIMEOUT;
    if (running && (!PostThreadMessageW(gHookThreadId, WM_QUIT, 0, 0) ||
                    WaitForSingleObject(gHookThread.Get(), kThreadEndWaitMs) != WAIT_OBJECT_0)) {
        // Nothing to report to: the table is empty, so the hook posts nothing.
        OutputDebugStringA("KIVKbd: EndHookThread: the key hook thread did not end\n");
    }
    gHookThread.Reset();
    gHookThreadId = 0;
}

} // namespace

void StopKeyHook() noexcept {
    // The table first: from here the hook matches nothing, whenever its
    // thread ends.
    SetTable(KeyTable{});
    EndHookThread();
}

bool StartKeyHook(HWND window, const std::int32_t* codes, int count) noexcept {
    if (codes == nullptr || !IsWindow(window)) {
        StopKeyHook();
        return false;
    }
    KeyTable table;
    table.target = window;
    table.count = std::min(count, support::kMaxHotKeys);
    std::transform(codes, codes + table.count, table.codes.begin(),
                   [](std::int32_t code) { return static_cast<std::uint32_t>(code); });
    // A running hook takes the new table at once; no key falls between two.
    SetTable(table);
    if (gHookThread && WaitForSingleObject(gHookThread.Get(), 0) == WAIT_TIMEOUT) {
        return true;
    }
    EndHookThread(); // one that ended on its own is started anew
    if (!StartHookThread()) {
        SetTable(KeyTable{});
        return false;
    }
    return true;
}

} // namespace kiv::kbd
