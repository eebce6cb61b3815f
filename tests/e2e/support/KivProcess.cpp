#include "KivProcess.h"

#include "KIVKbd/KIVKbd.h"
#include "KIVUtil/KIVUtil.h"
#include "app/win32/SingleInstance.h"
#include "blanking/Blanking.h"
#include "store/WindowSettings.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <fstream>

namespace kiv::e2e {

namespace fs = std::filesystem;

KivFolder::KivFolder() {
    static std::atomic<int> counter{0};
    mPath = fs::temp_directory_path() / ("kiv-e2e-" + std::to_string(::GetCurrentProcessId()) +
                                         "-" + std::to_string(++counter));
    std::error_code ignored;
    fs::remove_all(mPath, ignored);
    fs::create_directories(mPath);
    for (const char* file : {"kiv.exe", support::kKeyboardLibraryFile, support::kSizeLibraryFile}) {
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

CWindowSetting Setting(std::string name, int left, int top, int width, int height,
                       std::string locator) {
    return {.SettingName = std::move(name),
            .WindowClass = std::move(locator),
            .WindowLeft = left,
            .WindowTop = top,
            .WindowHeight = height,
            .WindowWidth = width,
            .HotKey = {},
            .ApplicationName = {},
            .ItemKey = {}};
}

std::vector<std::string> VisibleStrips(DWORD processId) {
    std::vector<std::string> rects;
    for (HWND window : ProcessWindows(processId, "frmBlank", true)) {
        rects.push_back(RectText(WindowRectOf(window)));
    }
    std::sort(rects.begin(), rects.end());
    return rects;
}

bool WaitForStrips(DWORD processId, const RECT& monitor, const RECT& player) {
    const int frame = ::GetSystemMetrics(SM_CYFRAME);
    const BlankStrips s =
        ComputeBlankStrips({player.left, player.top, player.right, player.bottom},
                           {monitor.left, monitor.top, monitor.right, monitor.bottom},
                           {::GetSystemMetrics(SM_CYCAPTION), frame, frame}, {});
    const int bottom = std::max(s.bottom, 3); // never thinner than the default taskbar margin
    const LONG l = monitor.left, t = monitor.top, r = monitor.right, b = monitor.bottom;
    std::vector<std::string> rects = {
        RectText({l, t, l + s.left, b}), RectText({l, t, r, t + s.top}),
        RectText({r - s.right, t, r, b}), RectText({l, b - bottom, r, b})};
    std::sort(rects.begin(), rects.end());
    if (PumpUntil([&] { return VisibleStrips(processId) == rects; })) {
        return true;
    }
    std::string shown;
    for (const std::string& rect : VisibleStrips(processId)) {
        shown += " " + rect;
    }
    std::fprintf(stderr, "strips shown:%s\n", shown.c_str());
    return false;
}

void KivFolder::WriteSettings(const std::vector<CWindowSetting>& settings) const {
    std::string text;
    for (const CWindowSetting& setting : settings) {
        text += SettingLine(setting) + "\r\n";
    }
    Write("KIV.dat", text);
}

KivProcess::KivProcess(const fs::path& folder, std::string_view arguments,
                       bool waitForEarlierCopy) {
    if (waitForEarlierCopy) {
        // Gone once no copy holds the single-instance mutex.
        PumpUntil([] {
            return !win32::UniqueKernelHandle(
                        ::OpenMutexW(SYNCHRONIZE, FALSE, kSingleInstanceMutexName))
                        .IsValid();
        });
    }
    mProcess =
        StartProcess("\"" + (folder / "kiv.exe").string() + "\" " + std::string(arguments), folder);
    mProcessId = mProcess ? ::GetProcessId(mProcess.Get()) : 0;
}

KivProcess::~KivProcess() {
    if (!HasExited() && !Close()) {
        ::TerminateProcess(mProcess.Get(), 1);
        ::WaitForSingleObject(mProcess.Get(), 5000);
    }
}

HWND KivProcess::WaitForMainWindow(std::chrono::milliseconds deadline) {
    // Start-up ends by showing the window; before that it may still be building itself.
    PumpUntil([&] { return FindProcessWindow(mProcessId, "frmMain") != nullptr || HasExited(); },
              deadline);
    return FindProcessWindow(mProcessId, "frmMain");
}

std::optional<MessageBoxSeen> KivProcess::WaitForMessageBox() {
    // The box exists before it has its texts: wait until it is shown with them.
    std::optional<MessageBoxSeen> seen;
    PumpUntil([&] {
        HWND box = FindProcessWindow(mProcessId, "#32770"); // a shown one
        const MessageBoxSeen read = box != nullptr ? ReadMessageBox(box) : MessageBoxSeen{};
        if (!read.text.empty()) {
            seen = read;
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

HWND KivProcess::WaitForMenu() const {
    HWND menu = nullptr;
    PumpUntil([&] {
        menu = FindProcessWindow(mProcessId, "#32768");
        return menu != nullptr && ThreadInfoOf(menu).hwndMenuOwner != nullptr;
    });
    return menu;
}

bool KivProcess::AnswerNameDialog(std::string_view text, std::string* shown) const {
    HWND dialog = nullptr;
    if (!PumpUntil([&] {
            dialog = FindOwnWindow("frmSettingName");
            return dialog != nullptr && ::GetForegroundWindow() == dialog &&
                   FocusOnThreadOf(dialog) == ::GetDlgItem(dialog, 101);
        })) {
        return false;
    }
    if (shown != nullptr) {
        *shown = TextOf(::GetDlgItem(dialog, 101));
    }
    Type(text); // the dialog takes the keys in order, Enter last
    Tap(VK_RETURN);
    return PumpUntil([&] { return !::IsWindow(dialog) || !::IsWindowVisible(dialog); });
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

} // namespace kiv::e2e
