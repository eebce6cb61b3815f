#include "platform/win32/SupportLibrariesWin32.h"

#include "KIVKbd/KIVKbd.h"
#include "KIVUtil/KIVUtil.h"
#include "platform/win32/Win32Platform.h"
#include "util/FileSystem.h"
#include "util/RuntimeError.h"
#include "util/win32/PumpingWait.h"

#include <array>
#include <string>

namespace kiv::win32 {

namespace {
// A 64-bit process's hook never reaches a 32-bit window.
bool IsWow64Window(HWND window) {
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    UniqueKernelHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    BOOL wow64 = FALSE;
    return process && ::IsWow64Process(process.Get(), &wow64) && wow64;
}

// The host's handles pass by value on its command line: inheritable just for
// the moment it is created (this thread starts every child of KIV).
class CInheritedFor {
public:
    explicit CInheritedFor(std::array<HANDLE, 3> handles) : mHandles(handles) {
        for (HANDLE handle : mHandles) {
            ::SetHandleInformation(handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
        }
    }
    ~CInheritedFor() {
        for (HANDLE handle : mHandles) {
            ::SetHandleInformation(handle, HANDLE_FLAG_INHERIT, 0);
        }
    }
    CInheritedFor(const CInheritedFor&) = delete;
    CInheritedFor& operator=(const CInheritedFor&) = delete;

private:
    std::array<HANDLE, 3> mHandles;
};

std::string Decimal(HANDLE handle) {
    return std::to_string(::HandleToLong(handle));
}

// How long a host may take to install its hook, and to remove it and end.
constexpr DWORD kHostStartMs = 10000;
constexpr DWORD kHostStopMs = 3000;
} // namespace

FARPROC CSupportLibrary::Address(const char* name) {
    if (!mModule) {
        // A full path only: the library search order must never pick another file.
        mModule.Reset(::LoadLibraryExA(mPath.c_str(), nullptr, 0));
        if (!mModule) {
            Raise(ErrorNumber::FileNotFound);
        }
    }
    FARPROC address = ::GetProcAddress(mModule.Get(), name);
    if (address == nullptr) {
        Raise(ErrorNumber::DllFunctionNotFound);
    }
    return address;
}

CSizeHookHost::CSizeHookHost(const std::string& folder)
    : mPath(folder + support::kSizeHookHostFile) {}

bool CSizeHookHost::Start(uint32_t threadId, HWND window, const RECT& limit, HWND notify,
                          UINT notifyMessage) {
    Stop();
    FinishStopping();
    if (!mMissingFile.empty()) {
        return false;
    }
    UniqueKernelHandle ready(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    UniqueKernelHandle stop(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    HANDLE self = nullptr;
    ::DuplicateHandle(::GetCurrentProcess(), ::GetCurrentProcess(), ::GetCurrentProcess(), &self,
                      SYNCHRONIZE, FALSE, 0);
    UniqueKernelHandle owner(self);
    if (!ready || !stop || !owner) {
        return false;
    }

    std::string command = '"' + mPath + '"';
    for (const std::string& argument :
         {Decimal(owner.Get()), Decimal(ready.Get()), Decimal(stop.Get()), std::to_string(threadId),
          Decimal(window), std::to_string(limit.right), std::to_string(limit.bottom)}) {
        command += ' ' + argument;
    }
    if (notify != nullptr) {
        command += ' ' + Decimal(notify) + ' ' + std::to_string(notifyMessage);
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    BOOL created = FALSE;
    {
        CInheritedFor inherited({owner.Get(), ready.Get(), stop.Get()});
        created = ::CreateProcessA(mPath.c_str(), command.data(), nullptr, nullptr, TRUE, 0,
                                   nullptr, nullptr, &startup, &started);
    }
    if (!created) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
            mMissingFile = support::kSizeHookHostFile;
        }
        return false;
    }
    UniqueKernelHandle process(started.hProcess);
    ::CloseHandle(started.hThread);

    const HANDLE waits[2] = {ready.Get(), process.Get()};
    const DWORD woken = WaitPumping(waits, kHostStartMs);
    if (woken == WAIT_OBJECT_0) {
        // A host that a message handled meanwhile started gives way, ended
        // at once: its way out would clear the limit this host shares.
        if (mProcess) {
            ::TerminateProcess(mProcess.Get(), support::kHostStopped);
        }
        mProcess = std::move(process);
        mStopEvent = std::move(stop);
        return true;
    }
    DWORD exitCode = 0;
    if (woken != WAIT_OBJECT_0 + 1 || !::GetExitCodeProcess(process.Get(), &exitCode)) {
        ::TerminateProcess(process.Get(), support::kHostHookRefused);
    } else if (exitCode == support::kHostLibraryMissing) {
        mMissingFile = support::kSizeLibrary32File;
    }
    return false;
}

void CSizeHookHost::Stop() noexcept {
    if (!mProcess) {
        return;
    }
    // The host removes its hook and ends by itself; only a new host has to
    // wait for that (the hook's limit is shared by every host).
    ::SetEvent(mStopEvent.Get());
    if (mStopping) {
        ::TerminateProcess(mStopping.Get(), support::kHostStopped);
    }
    mStopping = std::move(mProcess);
    mStopEvent.Reset();
}

void CSizeHookHost::FinishStopping() noexcept {
    // Held here: what runs during the wait cannot close the handle under it.
    const UniqueKernelHandle stopping = std::move(mStopping);
    const HANDLE process = stopping.Get();
    if (process != nullptr && WaitPumping({&process, 1}, kHostStopMs) != WAIT_OBJECT_0) {
        ::TerminateProcess(process, support::kHostStopped);
    }
}

CWin32SizeLibrary::CWin32SizeLibrary(const std::string& folder)
    : mLibrary(folder, support::kSizeLibraryFile), mHost(folder) {}

bool CWin32SizeLibrary::SetHook(uint32_t threadId, WindowHandle window, const Rect& limit) {
    RemoveHook();
    mLastMissing.clear();
    RECT rect{limit.left, limit.top, limit.right, limit.bottom};
    const HWND hwnd = ToHwnd(window);
    const HWND notify = mMoves.NotifyWindow();
    if (sizeof(void*) == 8 && IsWow64Window(hwnd)) {
        if (!mHost.Start(threadId, hwnd, rect, notify, mMoves.NotifyMessage())) {
            mLastMissing = mHost.MissingFile();
            return false;
        }
        // What the library does for a hook of its own: the caller's single
        // wait for a message ends.
        ::PostThreadMessageW(::GetCurrentThreadId(), WM_NULL, 0, 0);
    } else {
        mLibrary.Get<support::SetMoveNotifyProc>("SetMoveNotify")(notify, mMoves.NotifyMessage());
        if (mLibrary.Get<support::SetHookProc>("SetHook")(threadId, hwnd, &rect) == 0) {
            return false;
        }
    }
    mHooked = hwnd;
    WatchMoves();
    return true;
}

void CWin32SizeLibrary::RemoveHook() {
    if (mHooked != nullptr) {
        mHooked = nullptr;
        WatchMoves();
    }
    mHost.Stop();
    RECT none{};
    mLibrary.Get<support::SetHookProc>("SetHook")(0, nullptr, &none);
}

void CWin32SizeLibrary::ReportMoves(WindowHandle window, IWindowMoveEvents* events) {
    mMovesOf = ToHwnd(window);
    mMoveEvents = events;
    WatchMoves();
}

void CWin32SizeLibrary::WatchMoves() {
    mMoves.Watch(mMovesOf, mMovesOf != nullptr && mMovesOf == mHooked, mMoveEvents);
}

CWin32KeyboardLibrary::CWin32KeyboardLibrary(const std::string& folder)
    : mLibrary(folder, support::kKeyboardLibraryFile) {}

void CWin32KeyboardLibrary::SetKeyHook(WindowHandle window, std::span<const int32_t> codes) {
    static const int32_t kNoCodes[1] = {0};
    mLibrary.Get<support::SetKeyHookProc>("SetKeyHook")(ToHwnd(window),
                                                        codes.empty() ? kNoCodes : codes.data(),
                                                        static_cast<int16_t>(codes.size()));
}

void CWin32KeyboardLibrary::SetMediaHook(WindowHandle window) {
    mLibrary.Get<support::SetMediaHookProc>("SetMediaHook")(ToHwnd(window));
}

void CWin32KeyboardLibrary::SetMouseHook(WindowHandle window) {
    mLibrary.Get<support::SetMouseHookProc>("SetMouseHook")(ToHwnd(window));
}

void CWin32KeyboardLibrary::AllowPCFriendly(bool suppressContent) {
    mLibrary.Get<support::AllowPCFriendlyProc>("AllowPCFriendly")(suppressContent ? 1 : 0);
}

bool SupportLibrariesPresent(const std::string& folder) {
    return FileExists(folder + support::kSizeLibraryFile) &&
           FileExists(folder + support::kKeyboardLibraryFile);
}

} // namespace kiv::win32
