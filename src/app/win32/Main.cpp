// Program entry: one instance per session, the options, the main window and
// the message loop.
#include "app/MainController.h"
#include "app/StartPlacement.h"
#include "app/win32/SingleInstance.h"
#include "app/win32/frmMain.h"
#include "blanking/Taskbar.h"
#include "blanking/win32/BlankingWin32.h"
#include "placement/win32/WindowShowWatchWin32.h"
#include "platform/win32/SupportLibrariesWin32.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Win32Platform.h"
#include "playlist/win32/DriveReaderWin32.h"
#include "playlist/win32/ProgramLauncherWin32.h"
#include "store/CommandArgs.h"
#include "store/Options.h"
#include "store/PlayList.h"
#include "store/win32/DataFolderWin32.h"
#include "util/FileSystem.h"
#include "util/win32/DebugLogWin32.h"

#include <commctrl.h>

#include <array>

namespace {

constexpr int kIconId = 1;

// Where the taskbar marker is, for the crash handler, which must not allocate.
std::array<char, MAX_PATH * 2> crashMarkerPath{};

// Held for the life of the process; a second copy finds it and ends.
kiv::win32::UniqueKernelHandle ClaimSingleInstance() {
    kiv::win32::UniqueKernelHandle mutex(
        ::CreateMutexW(nullptr, FALSE, kiv::kSingleInstanceMutexName));
    if (mutex && ::GetLastError() == ERROR_ALREADY_EXISTS) {
        mutex.Reset();
    }
    return mutex;
}

int RunMessageLoop(kiv::win32::frmMain& window, kiv::CCommandQueue& commands) {
    MSG message{};
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        // A command that arrives while this message is handled (in a dialog
        // it opens, or a wait) runs after it.
        commands.Hold([&] {
            // Ctrl+Tab switches pages; Tab, the arrows and access keys move
            // between the main window's controls.
            if (!window.PreTranslateMessage(message)) {
                ::TranslateMessage(&message);
                ::DispatchMessageA(&message);
            }
        });
    }
    return static_cast<int>(message.wParam);
}

// KIV runs already: a remote control that starts "kiv /S name" expects the
// running copy to take the setting, so the command line goes to it.
void HandOverToRunningKiv(const std::string& arguments) {
    HWND running = ::FindWindowA("frmMain", nullptr);
    if (running == nullptr || arguments.empty() || arguments.size() > kiv::kMaxHandedCommandLine) {
        return;
    }
    COPYDATASTRUCT data{kiv::kCommandLineCopyData, static_cast<DWORD>(arguments.size()),
                        const_cast<char*>(arguments.data())};
    DWORD_PTR answer = 0;
    ::SendMessageTimeoutA(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                          SMTO_ABORTIFHUNG, 5000, &answer);
}

int RunKiv() {
    // Libraries come only from System32 or from a full path we give.
    ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);

    kiv::win32::UniqueKernelHandle instance = ClaimSingleInstance();
    if (!instance) {
        HandOverToRunningKiv(kiv::CommandLineArguments(::GetCommandLineA()));
        return 0;
    }

    const std::string appPath = kiv::AppPath();
    const std::string commandLine = kiv::CommandLineArguments(::GetCommandLineA());
    kiv::win32::CDataFolderWin32 fileSystem;
    const kiv::CDataFolder dataFolder(fileSystem, appPath);
    const kiv::win32::CDebugLog debugLog(dataFolder.Path());
    const std::string marker = dataFolder.Path() + std::string(kiv::kTaskbarMarkerName);
    if (marker.size() < crashMarkerPath.size()) {
        marker.copy(crashMarkerPath.data(), marker.size());
    }

    kiv::win32::CWin32Desktop desktop;
    // The player need not wait for the main window to be built. Without its
    // libraries KIV only says so and ends, so it leaves the player alone then.
    if (kiv::win32::SupportLibrariesPresent(appPath)) {
        kiv::PlaceCommandLineSettingEarly(desktop, commandLine,
                                          dataFolder.Path() + kiv::kSettingsFileName);
    }

    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);

    kiv::win32::CMessageBoxReporter reporter;
    if (!dataFolder.Notice().empty()) {
        reporter.ShowMessage(dataFolder.Notice(), kiv::kAppTitle);
    }
    kiv::COptions gOptions(reporter, dataFolder.Path());
    gOptions.RetrieveSettings();
    kiv::CPlayList gPlayList(reporter);

    kiv::win32::CWin32SizeLibrary sizeLibrary(appPath);
    kiv::win32::CWin32KeyboardLibrary keyboardLibrary(appPath);
    kiv::win32::CWin32MessagePump pump;
    kiv::win32::CWin32BlankingPlatform blanking;
    kiv::win32::CDriveReaderWin32 driveReader;
    kiv::win32::CProgramLauncherWin32 launcher;
    kiv::win32::CWindowShowWatchWin32 windowWatch;

    kiv::win32::frmMain mainWindow;
    kiv::CMainController controller(mainWindow.Views(),
                                    kiv::Platform{desktop, sizeLibrary, keyboardLibrary, pump,
                                                  reporter, blanking, driveReader, launcher,
                                                  windowWatch},
                                    gOptions, gPlayList, appPath, dataFolder.Path());

    HINSTANCE module = ::GetModuleHandleA(nullptr);
    HICON largeIcon = static_cast<HICON>(::LoadImageA(module, MAKEINTRESOURCEA(kIconId), IMAGE_ICON,
                                                      ::GetSystemMetrics(SM_CXICON),
                                                      ::GetSystemMetrics(SM_CYICON), LR_SHARED));
    HICON smallIcon = static_cast<HICON>(::LoadImageA(module, MAKEINTRESOURCEA(kIconId), IMAGE_ICON,
                                                      ::GetSystemMetrics(SM_CXSMICON),
                                                      ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    if (!mainWindow.Load(controller, largeIcon, smallIcon)) {
        return 1;
    }
    reporter.SetOwner(mainWindow.Hwnd());
    if (!controller.Form_Load(commandLine)) {
        return 2;
    }
    return RunMessageLoop(mainWindow, controller.Queue());
}

// A crash must not leave the user without a taskbar; the crash then goes on
// to the system's own handling.
LONG WINAPI ShowTaskbarAndCrash(EXCEPTION_POINTERS*) {
    kiv::win32::ShowTaskbarAtCrash(crashMarkerPath.data());
    return EXCEPTION_CONTINUE_SEARCH;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    ::SetUnhandledExceptionFilter(&ShowTaskbarAndCrash);
    try {
        return RunKiv();
    } catch (...) {
        // Every procedure reports its own errors; this is the last guard.
        return 3;
    }
}
