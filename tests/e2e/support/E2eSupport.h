#pragma once

// The kit for driving KIV from outside, shared by the end-to-end tests, the
// benchmarks and the soak driver: real processes, real windows, real input.
// It knows nothing of GoogleTest.

#include "platform/win32/UniqueHandle.h"
#include "support/Win32TestSupport.h"

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace kiv::e2e {

using namespace std::chrono_literals;
using namespace test;

// Generous: these bound waits for things that must happen, never a speed claim.
inline constexpr std::chrono::milliseconds kEventDeadline = 10s;

// The folder of the running test program; the libraries and the stand-in
// player are copied there, as they sit beside kiv.exe.
std::filesystem::path ExeDirectory();

// Starts `commandLine` in `folder` (this process's own when empty); an
// invalid handle when it cannot start.
win32::UniqueKernelHandle StartProcess(std::string commandLine,
                                       const std::filesystem::path& folder = {});

class Library {
public:
    explicit Library(const std::filesystem::path& path)
        : mModule(LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH)) {}

    template <typename Proc> Proc Get(const char* name) const noexcept {
        FARPROC proc = GetProcAddress(mModule.Get(), name);
        return reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(proc));
    }

private:
    win32::UniqueModule mModule;
};

struct PlayerSpec {
    std::string className = "KivTestPlayer";
    std::string caption = "Test Player";
    RECT bounds = {0, 0, 640, 480}; // left, top, width, height
    bool secondWindow = false;
    // Beside the running program unless a full path: kiv_player32.exe is the 32-bit build.
    std::filesystem::path program = "kiv_player.exe";
};

// kiv_player.exe as a separate process; closed (or killed) on destruction.
// A start that fails is told on stderr and tried once more: the player is
// the tests' scenery, and a busy Wine now and then loses a process start.
class PlayerProcess {
public:
    explicit PlayerProcess(const PlayerSpec& spec = {});
    ~PlayerProcess() { Stop(); }
    PlayerProcess(const PlayerProcess&) = delete;
    PlayerProcess& operator=(const PlayerProcess&) = delete;

    bool Started() const noexcept { return !mWindows.empty(); }
    bool Running() const noexcept {
        return mProcess && ::WaitForSingleObject(mProcess.Get(), 0) == WAIT_TIMEOUT;
    }
    // Closes the player as its close box would, killing it if it does not end.
    void Stop() noexcept;
    // Ends it at once, as a crash would.
    void Kill() noexcept {
        mWindows.clear();
        Stop();
    }
    HWND Window(std::size_t index = 0) const noexcept {
        return index < mWindows.size() ? mWindows[index] : nullptr;
    }
    DWORD ThreadId() const noexcept {
        return mWindows.empty() ? 0 : GetWindowThreadProcessId(mWindows.front(), nullptr);
    }

private:
    // Starts the player and reads its window handles; says what went wrong.
    std::string Launch(const PlayerSpec& spec);

    win32::UniqueKernelHandle mProcess;
    std::vector<HWND> mWindows;
};

struct ReceivedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// A hidden top-level window of the test thread that records every message
// from WM_USER on, in arrival order.
class MessageSink {
public:
    MessageSink();
    MessageSink(const MessageSink&) = delete;
    MessageSink& operator=(const MessageSink&) = delete;

    HWND Handle() const noexcept { return mWindow.Get(); }
    std::vector<ReceivedMessage> Received(UINT message) const;
    void Clear() noexcept { mReceived.clear(); }

private:
    static LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam,
                                    LPARAM lParam) noexcept;
    std::vector<ReceivedMessage> mReceived;
    win32::UniqueWindow mWindow;
};

// The handle of a window that existed and is gone.
inline HWND DestroyedWindow() {
    return MessageSink().Handle();
}

// The top-level windows of a process with this class, in z-order; with
// `visibleOnly`, the visible ones only.
std::vector<HWND> ProcessWindows(DWORD processId, const char* className, bool visibleOnly = false);
// The first of them, or null.
HWND FindProcessWindow(DWORD processId, const char* className, bool visibleOnly = true);

inline RECT WindowRectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}
inline bool SameRect(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}
inline RECT Ltwh(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}
// Waits for `window` to be at `wanted`; false, saying on stderr where it is
// instead, if it never gets there.
bool WaitForRect(HWND window, const RECT& wanted,
                 std::chrono::milliseconds deadline = kEventDeadline);
inline POINT CentreOf(HWND window) {
    const RECT r = WindowRectOf(window);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// Wine's names of a file: the Linux path of a Windows one, and the Windows
// path of a Linux one; empty when Wine does not say.
std::string UnixPath(const std::filesystem::path& path);
std::filesystem::path DosPath(const char* unixPath);
// Starts a Linux program (Wine starts one as it starts a Windows program,
// with no handle to wait on); false when it cannot.
bool StartUnixProgram(const char* program, const std::string& arguments);

// The message box's title and its one static text that is not empty.
struct MessageBoxSeen {
    std::string title;
    std::string text;
};
MessageBoxSeen ReadMessageBox(HWND box);

// The centre of a toolbar button of `window`, by its place counted from the
// left before the separator.
POINT ToolbarButton(HWND window, int index);

// Sets a check box inside `window` by its caption and tells its parent, as a
// click does; false when there is none.
bool SetCheck(HWND window, std::string_view caption, bool checked);

// The shell's taskbar (Wine's shell desktop has one), and whether it shows.
inline HWND Taskbar() {
    return FindWindowA("Shell_traywnd", "");
}
inline bool TaskbarVisible() {
    return IsWindowVisible(Taskbar()) != FALSE;
}
inline void ShowTaskbar() {
    SetWindowPos(Taskbar(), nullptr, 0, 0, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
// Whether the shell holds `window`'s notification icon: only an icon it has
// can be modified.
bool TrayIconPresent(HWND window);

// Key events for SendInput.
INPUT KeyEvent(WORD virtualKey, bool up);
// Presses the modifiers in order, taps the key, releases the modifiers.
std::vector<INPUT> Chord(std::initializer_list<WORD> modifiers, WORD key);
void SendChord(std::initializer_list<WORD> modifiers, WORD key);
inline void Tap(WORD key) {
    SendChord({}, key);
}
// Types letters and digits as key presses.
void Type(std::string_view text);

// What the system says of `window`'s thread (its focus, its menu); all null
// when it says nothing.
inline GUITHREADINFO ThreadInfoOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info
                                                                              : GUITHREADINFO{};
}
// The window that has the keyboard focus on `window`'s thread.
inline HWND FocusOnThreadOf(HWND window) {
    return ThreadInfoOf(window).hwndFocus;
}
// Keys reach `window` once its thread has put the focus in it.
inline bool WaitForFocusIn(HWND window) {
    return PumpUntil([&] {
        HWND focus = FocusOnThreadOf(window);
        return focus != nullptr && (focus == window || IsChild(window, focus));
    });
}

// Moves the pointer as a real mouse would, to a screen point; returns once
// the pointer is there (false if it never got there).
bool MovePointerTo(POINT point);

// A mouse button event that carries its own position: under Wine a button
// event without one can land where the pointer was before its last move.
void SendMouse(DWORD flags, POINT at);

// Moves the pointer to `point`, then presses (and for ClickAt releases) the
// left button there. False when the pointer never got there.
bool PressAt(POINT point);
bool ClickAt(POINT point);

// Whether the pointer is visible, as the system reports it.
inline bool IsPointerShown() {
    CURSORINFO info = {};
    info.cbSize = sizeof(info);
    return GetCursorInfo(&info) && (info.flags & CURSOR_SHOWING) != 0 && info.hCursor != nullptr;
}

// Waits until `value` has kept still for `quiet`; false if it never does.
template <typename Value> bool WaitUntilSteady(Value value, std::chrono::milliseconds quiet) {
    auto last = value();
    auto since = std::chrono::steady_clock::now();
    return PumpUntil([&] {
        auto now = value();
        if (now != last) {
            last = now;
            since = std::chrono::steady_clock::now();
        }
        return std::chrono::steady_clock::now() - since >= quiet;
    });
}

// A keyboard hook of the test's own. Input events are handled one after the
// other, so once it has seen the last injected event every hook has handled
// the earlier ones. SendAndSettle injects the events (one at least) and returns once the
// last has been seen and the messages posted meanwhile have run: "nothing
// arrived" is then a fact, not a timing guess.
class InputWitness {
public:
    InputWitness();
    InputWitness(const InputWitness&) = delete;
    InputWitness& operator=(const InputWitness&) = delete;

    bool IsInstalled() const noexcept { return mHook.IsValid(); }
    bool SendAndSettle(std::vector<INPUT> events);

private:
    win32::UniqueHook mHook;
};

} // namespace kiv::e2e
