#pragma once

#include "platform/SupportLibraries.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/WindowMoveWatchWin32.h"

#include <string>

namespace kiv::win32 {

// One support library beside the program, loaded by its full path on first
// use and kept loaded. A missing file raises File not found; a missing
// function raises "Specified DLL function not found". Proc is one of the
// function-pointer types the library's own header declares.
class CSupportLibrary {
public:
    CSupportLibrary(std::string folder, std::string fileName)
        : mPath(std::move(folder) + fileName) {}

    template <typename Proc> Proc Get(const char* name) {
        return reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(Address(name)));
    }

private:
    FARPROC Address(const char* name);

    std::string mPath;
    UniqueModule mModule;
};

// KIVUtil32Host.exe beside the program, holding the window-size hook for a
// 32-bit window while it runs. It ends when told to, when this object goes
// and, since it waits on KIV's process, when KIV ends in any other way.
class CSizeHookHost {
public:
    explicit CSizeHookHost(const std::string& folder);
    ~CSizeHookHost() { Stop(); }
    CSizeHookHost(const CSizeHookHost&) = delete;
    CSizeHookHost& operator=(const CSizeHookHost&) = delete;

    // Starts a host for this hook and waits until it is in place, handling
    // messages meanwhile (a host still ending is waited for first); false
    // when the host refused it or a file it needs is missing. The hook posts
    // `notifyMessage` to `notify` when the window moves.
    bool Start(uint32_t threadId, HWND window, const RECT& limit, HWND notify, UINT notifyMessage);
    // The file the host or its library lacks, once a start found it missing;
    // "" until then. Found once: no later start tries again.
    const std::string& MissingFile() const noexcept { return mMissingFile; }
    // Tells the running host, if any, to end; it removes its hook on the way
    // out. Nothing waits for it here.
    void Stop() noexcept;

private:
    // Waits, handling messages, for the host told to end, up to a bound.
    void FinishStopping() noexcept;

    std::string mPath;
    std::string mMissingFile;
    UniqueKernelHandle mProcess;
    UniqueKernelHandle mStopping;
    UniqueKernelHandle mStopEvent;
};

// The window-size hook for windows of either bitness: KIVUtil.dll in this
// process for 64-bit windows, the 32-bit host for 32-bit ones. Either hook
// reports its window's moves; another window's moves come from the system's
// location-change events.
class CWin32SizeLibrary : public IWindowSizeLibrary {
public:
    explicit CWin32SizeLibrary(const std::string& folder);
    bool SetHook(uint32_t threadId, WindowHandle window, const Rect& limit) override;
    void RemoveHook() override;
    void ReportMoves(WindowHandle window, IWindowMoveEvents* events) override;
    std::string MissingHelper() const override { return mLastMissing; }

private:
    // Who reports the moves follows the hook.
    void WatchMoves();

    CSupportLibrary mLibrary;
    CWindowMoveWatchWin32 mMoves;
    CSizeHookHost mHost;
    std::string mLastMissing;
    HWND mHooked = nullptr;
    HWND mMovesOf = nullptr;
    IWindowMoveEvents* mMoveEvents = nullptr;
};

// Both libraries are in `folder`; whether they load is found out on first use.
bool SupportLibrariesPresent(const std::string& folder);

class CWin32KeyboardLibrary : public IKeyboardLibrary {
public:
    explicit CWin32KeyboardLibrary(const std::string& folder);
    void SetKeyHook(WindowHandle window, std::span<const int32_t> codes) override;
    void SetMediaHook(WindowHandle window) override;
    void SetMouseHook(WindowHandle window) override;
    void AllowPCFriendly(bool suppressContent) override;

private:
    CSupportLibrary mLibrary;
};

} // namespace kiv::win32
