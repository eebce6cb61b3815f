#include "E2eSupport.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

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

// Wine's own converters, which return a name the caller frees; absent on Windows.
template <typename To, typename From>
std::basic_string<To> WineName(const char* converter, const From* name) {
    using Convert = To*(CDECL*)(const From*);
    auto convert = reinterpret_cast<Convert>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32"), converter)));
    std::basic_string<To> converted;
    if (To* found = convert ? convert(name) : nullptr) {
        converted = found;
        HeapFree(GetProcessHeap(), 0, found);
    }
    return converted;
}

} // namespace

std::filesystem::path ExeDirectory() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path();
}

win32::UniqueKernelHandle StartProcess(std::string commandLine,
                                       const std::filesystem::path& folder) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    const std::string directory = folder.string();
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.empty() ? nullptr : directory.c_str(), &startup, &info)) {
        return {};
    }
    CloseHandle(info.hThread);
    return win32::UniqueKernelHandle(info.hProcess);
}

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
    std::string command = "\"" + (ExeDirectory() / spec.program).string() + "\" --class \"" +
                          spec.className + "\" --caption \"" + spec.caption + "\" --pos";
    for (LONG value : {spec.bounds.left, spec.bounds.top, spec.bounds.right, spec.bounds.bottom}) {
        command += " " + std::to_string(value);
    }
    command += spec.secondWindow ? " --second-window" : "";
    mProcess = StartProcess(command);
    if (!mProcess) {
        return "CreateProcess error " + std::to_string(GetLastError());
    }
    const DWORD processId = GetProcessId(mProcess.Get());
    // Ready once every window shows; a process start under a busy Wine can
    // take far longer than any event.
    const std::size_t count = spec.secondWindow ? 2 : 1;
    std::vector<HWND> shown;
    PumpUntil(
        [&] {
            shown = ProcessWindows(processId, spec.className.c_str(), true);
            return shown.size() >= count || WaitForSingleObject(mProcess.Get(), 0) == WAIT_OBJECT_0;
        },
        30s);
    if (shown.size() != count) {
        return std::to_string(shown.size()) + " of " + std::to_string(count) + " windows shown";
    }
    // The second window sits below the first.
    std::sort(shown.begin(), shown.end(),
              [](HWND a, HWND b) { return WindowRectOf(a).top < WindowRectOf(b).top; });
    mWindows = shown;
    return {};
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

MessageSink::MessageSink() {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = WndProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"KivE2eMessageSink";
    RegisterClassExW(&windowClass); // already registered by an earlier sink is fine
    mWindow.Reset(CreateWindowExW(WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"", WS_POPUP, 0, 0,
                                  0, 0, nullptr, nullptr, windowClass.hInstance, nullptr));
    SetWindowLongPtrW(mWindow.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

std::vector<ReceivedMessage> MessageSink::Received(UINT message) const {
    std::vector<ReceivedMessage> matching;
    std::copy_if(mReceived.begin(), mReceived.end(), std::back_inserter(matching),
                 [message](const ReceivedMessage& m) { return m.message == message; });
    return matching;
}

LRESULT CALLBACK MessageSink::WndProc(HWND window, UINT message, WPARAM wParam,
                                      LPARAM lParam) noexcept {
    auto* sink = reinterpret_cast<MessageSink*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message < WM_USER || sink == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    sink->mReceived.push_back({message, wParam, lParam}); // out of memory ends the test
    return 0;
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

void SendChord(std::initializer_list<WORD> modifiers, WORD key) {
    std::vector<INPUT> events = Chord(modifiers, key);
    SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
}

std::string UnixPath(const std::filesystem::path& path) {
    return WineName<char>("wine_get_unix_file_name", path.c_str());
}

std::filesystem::path DosPath(const char* unixPath) {
    return WineName<wchar_t>("wine_get_dos_file_name", unixPath);
}

bool StartUnixProgram(const char* program, const std::string& arguments) {
    std::string command = std::string(program) + " " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(program, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    win32::UniqueKernelHandle thread(process.hThread), child(process.hProcess);
    return true;
}

MessageBoxSeen ReadMessageBox(HWND box) {
    HWND body = FindDescendant(
        box, [](HWND child) { return ClassOf(child) == "Static" && !TextOf(child).empty(); });
    return {TextOf(box), body != nullptr ? TextOf(body) : ""};
}

POINT ToolbarButton(HWND window, int index) {
    HWND toolbar = FindWindowExA(window, nullptr, TOOLBARCLASSNAMEA, nullptr);
    const auto size = static_cast<DWORD>(SendMessageA(toolbar, TB_GETBUTTONSIZE, 0, 0));
    POINT point{index * LOWORD(size) + LOWORD(size) / 2, HIWORD(size) / 2};
    ClientToScreen(toolbar, &point);
    return point;
}

bool SetCheck(HWND window, std::string_view caption, bool checked) {
    HWND box = ChildWithText(window, caption);
    if (box == nullptr) {
        return false;
    }
    SendMessageA(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    SendMessageA(GetParent(box), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), BN_CLICKED),
                 reinterpret_cast<LPARAM>(box));
    return true;
}

bool TrayIconPresent(HWND window) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window;
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

void Type(std::string_view text) {
    for (char c : text) {
        const SHORT scan = VkKeyScanA(c);
        const WORD key = static_cast<WORD>(scan & 0xFF);
        if ((scan & 0x100) != 0) {
            SendChord({VK_SHIFT}, key);
        } else {
            Tap(key);
        }
    }
}

bool MovePointerTo(POINT point) {
    SendMouse(0, point);
    return PumpUntil([point] {
        POINT now = {};
        return GetCursorPos(&now) && now.x == point.x && now.y == point.y;
    });
}

bool WaitForRect(HWND window, const RECT& wanted, std::chrono::milliseconds deadline) {
    if (PumpUntil([&] { return SameRect(WindowRectOf(window), wanted); }, deadline)) {
        return true;
    }
    std::fprintf(stderr, "window at %s, not %s\n", RectText(WindowRectOf(window)).c_str(),
                 RectText(wanted).c_str());
    return false;
}

std::vector<HWND> ProcessWindows(DWORD processId, const char* className, bool visibleOnly) {
    std::vector<HWND> found;
    for (HWND window = FindWindowExA(nullptr, nullptr, className, nullptr); window != nullptr;
         window = FindWindowExA(nullptr, window, className, nullptr)) {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        if (pid == processId && (!visibleOnly || IsWindowVisible(window))) {
            found.push_back(window);
        }
    }
    return found;
}

HWND FindProcessWindow(DWORD processId, const char* className, bool visibleOnly) {
    std::vector<HWND> windows = ProcessWindows(processId, className, visibleOnly);
    return windows.empty() ? nullptr : windows.front();
}

void SendMouse(DWORD flags, POINT at) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
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

InputWitness::InputWitness()
    : mHook(SetWindowsHookExW(WH_KEYBOARD_LL, WitnessProc, GetModuleHandleW(nullptr), 0)) {}

bool InputWitness::SendAndSettle(std::vector<INPUT> events) {
    static ULONG_PTR serial = 0x4B495600;
    const ULONG_PTR tag = ++serial;
    // Only the last event is watched for: a hook before the witness may keep
    // an earlier one (a hot key) from it, but never the last, which is a release.
    events.back().ki.dwExtraInfo = tag;
    gWitnessSeen = 0;
    gWitnessTag = tag;
    const UINT count = static_cast<UINT>(events.size());
    if (SendInput(count, events.data(), sizeof(INPUT)) != count) {
        return false;
    }
    const bool seen = PumpUntil([] { return gWitnessSeen.load() >= 1; });
    PumpPending();
    return seen;
}

} // namespace kiv::e2e
