// kiv_player: a stand-in for the program KIV controls.
//
//   kiv_player.exe [--class NAME] [--caption TEXT] [--pos X Y W H]
//                  [--hwnd-file PATH] [--second-window]
//
// It answers WM_GETMINMAXINFO with DefWindowProc, so a size hook's effect on
// it is the hook's alone. --hwnd-file writes each window handle in decimal,
// one a line, once the windows exist. --second-window adds a second
// top-level window on the same thread, of the same size, directly below the
// first (caption TEXT + " 2"). WM_CLOSE to any window ends the program.
// Exit code 2 means a bad command line.

#include "platform/win32/UniqueHandle.h"

#include <shellapi.h>

#include <cstdint>
#include <cwchar>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using kiv::win32::UniqueFile;
using kiv::win32::UniqueWindow;

struct PlayerOptions {
    std::wstring className = L"KivTestPlayer";
    std::wstring caption = L"Test Player";
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    int width = CW_USEDEFAULT;
    int height = CW_USEDEFAULT;
    std::wstring hwndFile;
    bool secondWindow = false;
};

struct LocalFreeDeleter {
    void operator()(wchar_t** p) const noexcept { LocalFree(p); }
};

std::optional<int> ParseInt(const wchar_t* text) {
    wchar_t* end = nullptr;
    const long value = std::wcstol(text, &end, 10);
    if (end == text || *end != L'\0') {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

std::optional<PlayerOptions> ParseCommandLine() {
    int argc = 0;
    std::unique_ptr<wchar_t*, LocalFreeDeleter> argv(CommandLineToArgvW(GetCommandLineW(), &argc));
    if (!argv) {
        return std::nullopt;
    }
    PlayerOptions options;
    wchar_t** args = argv.get();
    for (int i = 1; i < argc; ++i) {
        const std::wstring arg = args[i];
        const int left = argc - i - 1;
        if (arg == L"--class" && left >= 1) {
            options.className = args[++i];
        } else if (arg == L"--caption" && left >= 1) {
            options.caption = args[++i];
        } else if (arg == L"--hwnd-file" && left >= 1) {
            options.hwndFile = args[++i];
        } else if (arg == L"--pos" && left >= 4) {
            int* fields[] = {&options.x, &options.y, &options.width, &options.height};
            for (int* field : fields) {
                const auto value = ParseInt(args[++i]);
                if (!value) {
                    return std::nullopt;
                }
                *field = *value;
            }
        } else if (arg == L"--second-window") {
            options.secondWindow = true;
        } else {
            return std::nullopt;
        }
    }
    if (options.className.empty()) {
        return std::nullopt;
    }
    return options;
}

void PaintCaption(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (dc != nullptr) {
        RECT client;
        GetClientRect(window, &client);
        wchar_t caption[256] = {};
        GetWindowTextW(window, caption, 256);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(255, 255, 255));
        DrawTextW(dc, caption, -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    EndPaint(window, &paint);
}

LRESULT CALLBACK PlayerWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
    case WM_CLOSE:
        PostQuitMessage(0);
        return 0;
    case WM_PAINT:
        PaintCaption(window);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

// Written beside the target and renamed, so a reader never sees half a file.
bool WriteHandles(const std::wstring& path, const std::vector<HWND>& windows) {
    std::string text;
    for (HWND window : windows) {
        text += std::to_string(reinterpret_cast<std::uintptr_t>(window));
        text += "\r\n";
    }
    const std::wstring temp = path + L".tmp";
    {
        UniqueFile file(CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) {
            return false;
        }
        DWORD written = 0;
        if (!WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written,
                       nullptr) ||
            written != text.size()) {
            return false;
        }
    }
    return MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

UniqueWindow CreatePlayerWindow(const PlayerOptions& options, const std::wstring& caption, int y,
                                HINSTANCE instance) {
    return UniqueWindow(CreateWindowExW(0, options.className.c_str(), caption.c_str(),
                                        WS_OVERLAPPEDWINDOW, options.x, y, options.width,
                                        options.height, nullptr, nullptr, instance, nullptr));
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    const auto options = ParseCommandLine();
    if (!options) {
        return 2;
    }

    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = PlayerWndProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(DKGRAY_BRUSH));
    windowClass.lpszClassName = options->className.c_str();
    if (!RegisterClassExW(&windowClass)) {
        return 1;
    }

    std::vector<UniqueWindow> windows;
    windows.push_back(CreatePlayerWindow(*options, options->caption, options->y, instance));
    if (options->secondWindow) {
        RECT first = {};
        GetWindowRect(windows.front().Get(), &first);
        windows.push_back(
            CreatePlayerWindow(*options, options->caption + L" 2", first.bottom, instance));
    }
    std::vector<HWND> handles;
    for (const auto& window : windows) {
        if (!window) {
            return 1;
        }
        ShowWindow(window.Get(), showCommand == SW_HIDE ? SW_SHOWNORMAL : showCommand);
        UpdateWindow(window.Get());
        handles.push_back(window.Get());
    }
    if (!options->hwndFile.empty() && !WriteHandles(options->hwndFile, handles)) {
        return 1;
    }

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
