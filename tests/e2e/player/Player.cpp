// kiv_player: a stand-in for the program KIV controls.
//
//   kiv_player.exe [--class NAME] [--caption TEXT] [--pos X Y W H] [--second-window]
//
// It answers WM_GETMINMAXINFO with DefWindowProc, so a size hook's effect on
// it is the hook's alone. --second-window adds a second top-level window on
// the same thread, of the same size, directly below the first (caption
// TEXT + " 2"). WM_CLOSE to any window ends the program. Exit code 2 means a
// bad command line.

#include "platform/win32/UniqueHandle.h"

#include <shellapi.h>

#include <cwchar>
#include <optional>
#include <string>
#include <vector>

namespace {

using kiv::win32::UniqueWindow;

struct PlayerOptions {
    std::wstring className = L"KivTestPlayer";
    std::wstring caption = L"Test Player";
    int bounds[4] = {CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT};
    bool secondWindow = false;
};

std::optional<PlayerOptions> ParseCommandLine() {
    int argc = 0;
    // Never freed: the arguments live as long as the program.
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (args == nullptr) {
        return std::nullopt;
    }
    PlayerOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::wstring arg = args[i];
        const int left = argc - i - 1;
        if (arg == L"--class" && left >= 1) {
            options.className = args[++i];
        } else if (arg == L"--caption" && left >= 1) {
            options.caption = args[++i];
        } else if (arg == L"--pos" && left >= 4) {
            for (int& field : options.bounds) {
                field = static_cast<int>(std::wcstol(args[++i], nullptr, 10));
            }
        } else if (arg == L"--second-window") {
            options.secondWindow = true;
        } else {
            return std::nullopt;
        }
    }
    return options.className.empty() ? std::nullopt : std::optional(options);
}

LRESULT CALLBACK PlayerWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_CLOSE) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

UniqueWindow CreatePlayerWindow(const PlayerOptions& options, const std::wstring& caption, int y,
                                HINSTANCE instance) {
    return UniqueWindow(CreateWindowExW(
        0, options.className.c_str(), caption.c_str(), WS_OVERLAPPEDWINDOW, options.bounds[0], y,
        options.bounds[2], options.bounds[3], nullptr, nullptr, instance, nullptr));
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
    windows.push_back(CreatePlayerWindow(*options, options->caption, options->bounds[1], instance));
    if (options->secondWindow) {
        RECT first = {};
        GetWindowRect(windows.front().Get(), &first);
        windows.push_back(
            CreatePlayerWindow(*options, options->caption + L" 2", first.bottom, instance));
    }
    for (const auto& window : windows) {
        if (!window) {
            return 1;
        }
        ShowWindow(window.Get(), showCommand == SW_HIDE ? SW_SHOWNORMAL : showCommand);
        UpdateWindow(window.Get());
    }

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
