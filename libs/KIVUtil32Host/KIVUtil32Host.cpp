// KIVUtil32Host.exe: holds the window-size hook for a 32-bit controlled
// program on behalf of the 64-bit KIV (the arguments and exit codes are in
// KIVUtil/KIVUtil.h). It carries no C++ run-time library; HostMain is its
// entry point.

#include "KIVUtil/KIVUtil.h"

namespace {

using kiv::support::HostExitCode;

// Reads the next whitespace-separated signed decimal number of `text`.
bool NextNumber(const wchar_t*& text, long long& value) noexcept {
    while (*text == L' ' || *text == L'\t') {
        ++text;
    }
    const bool negative = *text == L'-';
    if (negative) {
        ++text;
    }
    if (*text < L'0' || *text > L'9') {
        return false;
    }
    long long number = 0;
    for (; *text >= L'0' && *text <= L'9'; ++text) {
        number = number * 10 + (*text - L'0');
        if (number > 0xFFFFFFFFLL) {
            return false;
        }
    }
    if (*text != L'\0' && *text != L' ' && *text != L'\t') {
        return false;
    }
    value = negative ? -number : number;
    return true;
}

// The command line after the program's own name, quoted or not.
const wchar_t* Arguments() noexcept {
    const wchar_t* text = GetCommandLineW();
    if (*text == L'"') {
        for (++text; *text != L'\0' && *text != L'"'; ++text) {
        }
        if (*text == L'"') {
            ++text;
        }
    } else {
        for (; *text != L'\0' && *text != L' ' && *text != L'\t'; ++text) {
        }
    }
    return text;
}

HANDLE HandleFrom(long long value) noexcept {
    return LongToHandle(static_cast<LONG>(value));
}

// The 32-bit library sits beside this program; only that file will do.
HMODULE LoadSizeLibrary() noexcept {
    wchar_t path[MAX_PATH + 32];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return nullptr;
    }
    DWORD folderEnd = length;
    while (folderEnd > 0 && path[folderEnd - 1] != L'\\' && path[folderEnd - 1] != L'/') {
        --folderEnd;
    }
    const char* name = kiv::support::kSizeLibrary32File;
    DWORD at = folderEnd;
    for (; *name != '\0'; ++name, ++at) {
        path[at] = static_cast<wchar_t>(*name);
    }
    path[at] = L'\0';
    return LoadLibraryExW(path, nullptr, 0);
}

unsigned Run() noexcept {
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);

    constexpr int kRequired = kiv::support::kHostArgumentCount;
    long long values[kRequired + kiv::support::kHostOptionalArgumentCount] = {};
    const wchar_t* text = Arguments();
    int count = 0;
    for (long long& value : values) {
        if (!NextNumber(text, value)) {
            break;
        }
        ++count;
    }
    if (count != kRequired && count != kRequired + kiv::support::kHostOptionalArgumentCount) {
        return HostExitCode::kHostBadCommandLine;
    }
    const HANDLE owner = HandleFrom(values[0]);
    const HANDLE ready = HandleFrom(values[1]);
    const HANDLE stop = HandleFrom(values[2]);
    const auto threadId = static_cast<std::uint32_t>(values[3]);
    const auto window = static_cast<HWND>(HandleFrom(values[4]));
    const RECT limit = {0, 0, static_cast<LONG>(values[5]), static_cast<LONG>(values[6])};

    const HMODULE library = LoadSizeLibrary();
    const auto setHook =
        library == nullptr ? nullptr
                           : reinterpret_cast<kiv::support::SetHookProc>(
                                 reinterpret_cast<void (*)()>(GetProcAddress(library, "SetHook")));
    if (setHook == nullptr) {
        return HostExitCode::kHostLibraryMissing;
    }
    if (count > kRequired) {
        // Moves are reported to KIV directly; a library without the export
        // only leaves them to KIV's watchdog.
        const auto setMoveNotify = reinterpret_cast<kiv::support::SetMoveNotifyProc>(
            reinterpret_cast<void (*)()>(GetProcAddress(library, "SetMoveNotify")));
        if (setMoveNotify != nullptr) {
            setMoveNotify(static_cast<HWND>(HandleFrom(values[kRequired])),
                          static_cast<UINT>(values[kRequired + 1]));
        }
    }
    if (setHook(threadId, window, &limit) == 0) {
        return HostExitCode::kHostHookRefused;
    }
    SetEvent(ready);

    // Until KIV says stop or ends in any way, killed included. Messages are
    // taken as they come (the library posts one to this thread).
    const HANDLE waits[2] = {stop, owner};
    for (;;) {
        const DWORD woken = MsgWaitForMultipleObjects(2, waits, FALSE, INFINITE, QS_ALLINPUT);
        if (woken != WAIT_OBJECT_0 + 2) {
            break;
        }
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }
    const RECT none = {};
    setHook(0, nullptr, &none);
    return HostExitCode::kHostStopped;
}

} // namespace

extern "C" void HostMain() noexcept {
    ExitProcess(Run());
}
