#include "KivProcess.h"

#include "app/SingleInstance.h"

#include <atomic>
#include <fstream>
#include <sstream>

namespace kiv::e2e {

namespace fs = std::filesystem;

KivFolder::KivFolder() {
    static std::atomic<int> counter{0};
    mPath = fs::temp_directory_path() / ("kiv-e2e-" + std::to_string(::GetCurrentProcessId()) +
                                         "-" + std::to_string(++counter));
    std::error_code ignored;
    fs::remove_all(mPath, ignored);
    fs::create_directories(mPath);
    for (const char* file : {"kiv.exe", "KIVKbd.dll", "KIVUtil.dll"}) {
        fs::copy_file(ExeDirectory() / file, mPath / file, fs::copy_options::overwrite_existing);
    }
}

KivFolder::~KivFolder() {
    std::error_code ignored;
    fs::remove_all(mPath, ignored);
}

void KivFolder::Write(std::string_view name, std::string_view bytes) const {
    std::ofstream out(File(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::optional<std::string> KivFolder::Read(std::string_view name) const {
    // Shared for deletion too: a test polling a file must never be the reason
    // KIV fails to replace or delete it.
    win32::UniqueFile file(::CreateFileW(File(name).c_str(), GENERIC_READ,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                         nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return std::nullopt;
    }
    std::string bytes;
    char chunk[4096];
    DWORD got = 0;
    while (::ReadFile(file.Get(), chunk, sizeof chunk, &got, nullptr) && got > 0) {
        bytes.append(chunk, got);
    }
    return bytes;
}

void KivFolder::Remove(std::string_view name) const {
    std::error_code ignored;
    fs::remove(File(name), ignored);
}

std::string SettingLine(std::string_view name, std::string_view locator, int left, int top,
                        int width, int height, int lock) {
    std::ostringstream line;
    line << "S1=" << name << ";S2=" << locator << ";S3=" << left << ";S4=" << top << ";S5=" << width
         << ";S6=" << height
         << ";S11=0;S12=0;S13=0;S14=0;S15=0;S16=;S17=Player;S18=0;S19=0;S20=0;S21=0;S22=" << lock
         << ";\r\n";
    return line.str();
}

bool KivInstanceExists() {
    win32::UniqueKernelHandle mutex(::OpenMutexW(SYNCHRONIZE, FALSE, kSingleInstanceMutexName));
    return mutex.IsValid();
}

KivProcess::KivProcess(const KivFolder& folder, std::string_view arguments,
                       bool waitForEarlierCopy) {
    if (waitForEarlierCopy) {
        PumpUntil([] { return !KivInstanceExists(); });
    }
    std::string command = "\"" + folder.File("kiv.exe").string() + "\"";
    if (!arguments.empty()) {
        command += " ";
        command += arguments;
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.Path().string().c_str(), &startup, &info)) {
        return;
    }
    mProcess.Reset(info.hProcess);
    mProcessId = info.dwProcessId;
    ::CloseHandle(info.hThread);
}

KivProcess::~KivProcess() {
    if (mProcess && !HasExited()) {
        if (!Close()) {
            ::TerminateProcess(mProcess.Get(), 1);
            ::WaitForSingleObject(mProcess.Get(), 5000);
        }
    }
}

HWND KivProcess::FindOwnWindow(const char* className) const {
    return FindProcessWindow(mProcessId, className, false);
}

HWND KivProcess::MainWindow() const {
    return FindOwnWindow("frmMain");
}

HWND KivProcess::WaitForMainWindow() {
    // Start-up ends by showing the window; before that it may still be building itself.
    HWND window = nullptr;
    PumpUntil([&] {
        window = MainWindow();
        return (window != nullptr && ::IsWindowVisible(window)) || HasExited();
    });
    return window;
}

std::string KivProcess::Caption() const {
    char text[512] = {};
    ::GetWindowTextA(MainWindow(), text, sizeof text);
    return text;
}

namespace {
// The message box's title and its one non-empty static text.
MessageBoxSeen ReadMessageBox(HWND box) {
    MessageBoxSeen seen;
    char text[1024] = {};
    ::GetWindowTextA(box, text, sizeof text);
    seen.title = text;
    for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        char className[32] = {};
        ::GetClassNameA(child, className, sizeof className);
        if (std::string_view(className) == "Static") {
            char body[1024] = {};
            ::GetWindowTextA(child, body, sizeof body);
            if (body[0] != '\0') {
                seen.text = body;
            }
        }
    }
    return seen;
}
} // namespace

std::optional<MessageBoxSeen> KivProcess::WaitForMessageBox() {
    // The box exists before it has its texts: wait until it is shown with them.
    std::optional<MessageBoxSeen> seen;
    PumpUntil([&] {
        HWND box = FindOwnWindow("#32770");
        if (box != nullptr && ::IsWindowVisible(box)) {
            MessageBoxSeen read = ReadMessageBox(box);
            if (!read.text.empty()) {
                seen = read;
            }
        }
        return seen.has_value() || HasExited();
    });
    return seen;
}

void KivProcess::DismissMessageBox() {
    if (HWND box = FindOwnWindow("#32770")) {
        ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
}

bool KivProcess::HasExited() const {
    return !mProcess || ::WaitForSingleObject(mProcess.Get(), 0) == WAIT_OBJECT_0;
}

bool KivProcess::WaitForExit(std::chrono::milliseconds deadline) {
    return PumpUntil([&] { return HasExited(); }, deadline);
}

DWORD KivProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    ::GetExitCodeProcess(mProcess.Get(), &code);
    return code;
}

bool KivProcess::Close() {
    if (HWND window = MainWindow()) {
        ::PostMessageA(window, WM_CLOSE, 0, 0);
    }
    return WaitForExit();
}

std::vector<std::string> ControlTexts(HWND window) {
    std::vector<std::string> texts;
    ::EnumChildWindows(
        window,
        [](HWND child, LPARAM context) -> BOOL {
            char text[512] = {};
            ::GetWindowTextA(child, text, sizeof text);
            reinterpret_cast<std::vector<std::string>*>(context)->push_back(text);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&texts));
    return texts;
}

RECT WindowRectOf(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return rect;
}

bool SameRect(const RECT& a, const RECT& b) {
    return ::EqualRect(&a, &b) != FALSE;
}

} // namespace kiv::e2e
