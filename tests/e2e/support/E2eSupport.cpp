#include "E2eSupport.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace kiv::e2e {

namespace {

std::atomic<ULONG_PTR> gWitnessTag{0};
std::atomic<std::size_t> gWitnessSeen{0};

LRESULT CALLBACK WitnessProc(int code, WPARAM wParam, LPARAM lParam) noexcept {
    if (code == HC_ACTION) {
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        if (key->dwExtraInfo == gWitnessTag.load()) {
            ++gWitnessSeen;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

constexpr wchar_t kSinkClass[] = L"KivE2eMessageSink";

std::wstring Quoted(const std::wstring& text) {
    return L"\"" + text + L"\"";
}

} // namespace

std::filesystem::path ExeDirectory() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) {
            buffer.resize(length);
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
    return std::filesystem::path(buffer).parent_path();
}

void PumpPending() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void DiscardPending() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}

bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds deadline) {
    using Clock = std::chrono::steady_clock;
    const auto end = Clock::now() + deadline;
    for (;;) {
        PumpPending();
        if (done()) {
            return true;
        }
        const auto now = Clock::now();
        if (now >= end) {
            return false;
        }
        // Short slices: some conditions (a file appearing) come with no message.
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - now);
        const auto slice = std::min<long long>(left.count(), 50);
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(slice), QS_ALLINPUT,
                                    MWMO_INPUTAVAILABLE);
    }
}

Library::Library(const std::filesystem::path& path)
    : mModule(LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH)) {}

PlayerProcess::PlayerProcess(const PlayerSpec& spec) {
    for (int attempt = 1; attempt <= 2 && !Started(); ++attempt) {
        const std::string problem = Launch(spec);
        if (!Started()) {
            std::fprintf(stderr, "kiv_player start %d failed: %s\n", attempt, problem.c_str());
            Stop();
        }
    }
}

std::string PlayerProcess::Launch(const PlayerSpec& spec) {
    static std::atomic<int> counter{0};
    wchar_t tempDir[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, tempDir);
    const std::filesystem::path hwndFile =
        std::filesystem::path(tempDir) / (L"kiv_player_" + std::to_wstring(GetCurrentProcessId()) +
                                          L"_" + std::to_wstring(++counter) + L".hwnd");
    DeleteFileW(hwndFile.c_str());

    std::wstring command = Quoted((ExeDirectory() / L"kiv_player.exe").wstring());
    command += L" --class " + Quoted(spec.className);
    command += L" --caption " + Quoted(spec.caption);
    command += L" --pos " + std::to_wstring(spec.bounds.left) + L" " +
               std::to_wstring(spec.bounds.top) + L" " + std::to_wstring(spec.bounds.right) + L" " +
               std::to_wstring(spec.bounds.bottom);
    command += L" --hwnd-file " + Quoted(hwndFile.wstring());
    if (spec.secondWindow) {
        command += L" --second-window";
    }

    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        return "CreateProcess error " + std::to_string(GetLastError());
    }
    mProcess.Reset(info.hProcess);
    win32::UniqueKernelHandle thread(info.hThread);

    const auto ready = [&] {
        return std::filesystem::exists(hwndFile) ||
               WaitForSingleObject(mProcess.Get(), 0) == WAIT_OBJECT_0;
    };
    // A process start under a busy Wine can take far longer than any event.
    if (!PumpUntil(ready, std::chrono::seconds(30))) {
        return "no window within 30 s";
    }
    std::ifstream in(hwndFile);
    unsigned long long value = 0;
    int handles = 0;
    while (in >> value) {
        ++handles;
        HWND window = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(value));
        if (IsWindow(window)) {
            mWindows.push_back(window);
        }
    }
    in.close();
    DeleteFileW(hwndFile.c_str());
    DWORD exitCode = 0;
    if (GetExitCodeProcess(mProcess.Get(), &exitCode) && exitCode != STILL_ACTIVE) {
        return "the player ended with exit code " + std::to_string(exitCode);
    }
    return std::to_string(handles) + " handles read, " + std::to_string(mWindows.size()) +
           " of them windows";
}

PlayerProcess::~PlayerProcess() {
    Stop();
}

void PlayerProcess::Stop() noexcept {
    if (!mProcess) {
        return;
    }
    if (!mWindows.empty()) {
        PostMessageW(mWindows.front(), WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(mProcess.Get(), mWindows.empty() ? 0 : 10000) != WAIT_OBJECT_0) {
        TerminateProcess(mProcess.Get(), 1);
        WaitForSingleObject(mProcess.Get(), 5000);
    }
    mProcess.Reset();
    mWindows.clear();
}

DWORD PlayerProcess::ThreadId() const noexcept {
    return mWindows.empty() ? 0 : GetWindowThreadProcessId(mWindows.front(), nullptr);
}

MessageSink::MessageSink() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = WndProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kSinkClass;
    RegisterClassExW(&windowClass); // already registered by an earlier sink is fine
    mWindow.Reset(CreateWindowExW(WS_EX_TOOLWINDOW, kSinkClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                  nullptr, instance, this));
}

std::vector<ReceivedMessage> MessageSink::Received(UINT message) const {
    std::vector<ReceivedMessage> matching;
    std::copy_if(mReceived.begin(), mReceived.end(), std::back_inserter(matching),
                 [message](const ReceivedMessage& m) { return m.message == message; });
    return matching;
}

LRESULT CALLBACK MessageSink::WndProc(HWND window, UINT message, WPARAM wParam,
                                      LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    } else if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    } else if (message >= WM_USER) {
        auto* sink = reinterpret_cast<MessageSink*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (sink != nullptr) {
            try {
                sink->mReceived.push_back({message, wParam, lParam});
            } catch (...) {
                // Out of memory in a test: the missing record fails the test.
            }
            return 0;
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

INPUT KeyEvent(WORD virtualKey, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

std::vector<INPUT> Chord(std::initializer_list<WORD> modifiers, WORD key) {
    std::vector<INPUT> events;
    for (WORD modifier : modifiers) {
        events.push_back(KeyEvent(modifier, false));
    }
    events.push_back(KeyEvent(key, false));
    events.push_back(KeyEvent(key, true));
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) {
        events.push_back(KeyEvent(*it, true));
    }
    return events;
}

bool MovePointerTo(POINT point) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(point.x, 65535, width - 1);
    input.mi.dy = MulDiv(point.y, 65535, height - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    if (SendInput(1, &input, sizeof(input)) != 1) {
        return false;
    }
    return PumpUntil([point] {
        POINT now = {};
        return GetCursorPos(&now) && now.x == point.x && now.y == point.y;
    });
}

std::vector<HWND> ProcessWindows(DWORD processId, const char* className, bool visibleOnly) {
    struct Search {
        DWORD pid;
        std::string_view className;
        bool visibleOnly;
        std::vector<HWND> found;
    } search{processId, className, visibleOnly, {}};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto* s = reinterpret_cast<Search*>(context);
            DWORD pid = 0;
            GetWindowThreadProcessId(window, &pid);
            char name[64] = {};
            GetClassNameA(window, name, sizeof name);
            if (pid == s->pid && s->className == name &&
                (!s->visibleOnly || IsWindowVisible(window))) {
                s->found.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindProcessWindow(DWORD processId, const char* className, bool visibleOnly) {
    std::vector<HWND> windows = ProcessWindows(processId, className, visibleOnly);
    return windows.empty() ? nullptr : windows.front();
}

HWND ChildWithText(HWND parent, std::string_view text) {
    return FindDescendant(parent, [text](HWND child) {
        char caption[256] = {};
        GetWindowTextA(child, caption, sizeof caption);
        return text == caption;
    });
}

void SendMouse(DWORD flags, POINT at) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = ::MulDiv(at.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = ::MulDiv(at.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &input, sizeof input);
}

bool PressAt(POINT point) {
    if (!MovePointerTo(point)) {
        return false;
    }
    SendMouse(MOUSEEVENTF_LEFTDOWN, point);
    return true;
}

bool ClickAt(POINT point) {
    if (!PressAt(point)) {
        return false;
    }
    SendMouse(MOUSEEVENTF_LEFTUP, point);
    return true;
}

bool IsPointerShown() {
    CURSORINFO info = {};
    info.cbSize = sizeof(info);
    return GetCursorInfo(&info) && (info.flags & CURSOR_SHOWING) != 0 && info.hCursor != nullptr;
}

InputWitness::InputWitness()
    : mHook(SetWindowsHookExW(WH_KEYBOARD_LL, WitnessProc, GetModuleHandleW(nullptr), 0)) {}

InputWitness::~InputWitness() = default;

bool InputWitness::SendAndSettle(std::vector<INPUT> events) {
    static ULONG_PTR serial = 0x4B495600;
    const ULONG_PTR tag = ++serial;
    for (INPUT& event : events) {
        event.ki.dwExtraInfo = tag;
    }
    gWitnessSeen = 0;
    gWitnessTag = tag;
    const UINT count = static_cast<UINT>(events.size());
    if (SendInput(count, events.data(), sizeof(INPUT)) != count) {
        return false;
    }
    const bool seen = PumpUntil([count] { return gWitnessSeen.load() >= count; });
    PumpPending();
    return seen;
}

} // namespace kiv::e2e
