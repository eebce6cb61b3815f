// Time from a hot key pressed (SendInput) to the player at the setting's
// rectangle, next to a minimal program that moves the window itself on the
// same keys; from a second "kiv.exe /S name" to the player placed, next to a
// minimal program that finds and moves the window (floor_mover); and what
// KIV's key hook adds to every other key: a key that is no hot key, from
// SendInput to the focused window, with KIV running and without, and while
// KIV's user-interface thread is busy: a save waiting on its file, which
// another program holds open for a moment; and, meanwhile, how long KIV's
// window takes to answer a message sent to it.
//
//   bench_hotkey.exe KIV_FOLDER PLAYER_EXE
#include "BenchSupport.h"
#include "BenchTable.h"

#include <cstdio>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace kiv::bench;
using kiv::win32::UniqueFile;
using kiv::win32::UniqueKernelHandle;

constexpr int kRuns = 10;
// Between chords, so that each is timed alone and not behind the work the
// previous one left (a user presses hot keys seconds apart).
constexpr DWORD kSettleMs = 150;
// From the Save hot key to KIV waiting on its held file, and how long the
// file is held: less than KIV waits for it before it gives up.
constexpr DWORD kBusyStartMs = 100;
constexpr DWORD kHeldMs = 700;
constexpr RECT kFirst = {40, 30, 40 + 512, 30 + 384};
constexpr RECT kSecond = {60, 50, 60 + 400, 50 + 300};

bool At(HWND window, const RECT& wanted) {
    RECT rect{};
    return ::GetWindowRect(window, &rect) && ::EqualRect(&rect, &wanted);
}

// Shift with F2, F3 or F6, pressed and released.
void SendChord(WORD key) {
    INPUT events[4]{};
    const WORD keys[4] = {VK_SHIFT, key, key, VK_SHIFT};
    for (int i = 0; i < 4; ++i) {
        events[i].type = INPUT_KEYBOARD;
        events[i].ki.wVk = keys[i];
        events[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
    }
    ::SendInput(4, events, sizeof(INPUT));
}

// Milliseconds from each chord to the window at its rectangle, alternating.
std::vector<double> TimeChords(HWND window) {
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        ::Sleep(kSettleMs);
        const bool second = run % 2 == 0;
        const auto start = Clock::now();
        SendChord(second ? VK_F3 : VK_F2);
        if (WaitFor([&] { return At(window, second ? kSecond : kFirst); },
                    std::chrono::seconds(5))) {
            times.push_back(Milliseconds(Clock::now() - start));
        }
    }
    return times;
}

// A window of this program that has the focus, for keys to arrive in.
class KeyWindow {
public:
    KeyWindow() {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = ::DefWindowProcA;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "KivBenchKeys";
        ::RegisterClassA(&windowClass);
        mWindow =
            ::CreateWindowExA(0, "KivBenchKeys", "keys", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 500,
                              200, 100, nullptr, nullptr, windowClass.hInstance, nullptr);
        mFocused = TakeFocus();
    }
    ~KeyWindow() { ::DestroyWindow(mWindow); }
    KeyWindow(const KeyWindow&) = delete;
    KeyWindow& operator=(const KeyWindow&) = delete;
    bool Focused() const { return mFocused; }

    // Back in front, as after another program's message box.
    bool TakeFocus() const {
        ::SetForegroundWindow(mWindow);
        ::SetFocus(mWindow);
        return WaitFor(
            [&] {
                MSG pending;
                while (::PeekMessageA(&pending, nullptr, 0, 0, PM_REMOVE)) {
                    ::DispatchMessageA(&pending);
                }
                return ::GetFocus() == mWindow;
            },
            std::chrono::seconds(5));
    }

    // Microseconds from SendInput of F9 to its WM_KEYDOWN here; nothing when
    // the key does not come within a few seconds.
    std::optional<double> TimeKey() const {
        INPUT events[2]{};
        for (INPUT& event : events) {
            event.type = INPUT_KEYBOARD;
            event.ki.wVk = VK_F9;
        }
        events[1].ki.dwFlags = KEYEVENTF_KEYUP;
        const auto start = Clock::now();
        const auto end = start + std::chrono::seconds(5);
        ::SendInput(2, events, sizeof(INPUT));
        std::optional<double> time;
        for (;;) {
            MSG message{};
            if (!::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                const auto left =
                    std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
                if (left.count() <= 0) {
                    break;
                }
                ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left.count()),
                                            QS_ALLINPUT);
                continue;
            }
            if (message.message == WM_KEYUP && message.wParam == VK_F9) {
                break;
            }
            if (message.message == WM_KEYDOWN && message.wParam == VK_F9) {
                time = std::chrono::duration<double, std::micro>(Clock::now() - start).count();
            }
            ::DispatchMessageA(&message);
        }
        return time;
    }

private:
    HWND mWindow = nullptr;
    bool mFocused = false;
};

std::vector<double> TimeKeyDelivery() {
    std::vector<double> times;
    const KeyWindow keys;
    for (int run = 0; keys.Focused() && run < 5 * kRuns; ++run) {
        if (const auto time = keys.TimeKey()) {
            times.push_back(*time);
        }
    }
    return times;
}

// A message box of this process, or null.
HWND MessageBoxOf(DWORD processId) {
    for (HWND window = ::FindWindowA("#32770", nullptr); window != nullptr;
         window = ::FindWindowExA(nullptr, window, "#32770", nullptr)) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        if (owner == processId && ::IsWindowVisible(window)) {
            return window;
        }
    }
    return nullptr;
}

// The key delivery while KIV's user-interface thread waits in a save: the
// Save hot key (Shift+F6) with the settings file held open by this program
// for a while, so that KIV's replacing it waits until the file is let go.
// Should KIV give up first, its message box is dismissed. `answers` gets the
// time KIV's main window takes to answer a sent message during the wait.
std::vector<double> TimeKeysWhileKivBusy(const std::filesystem::path& settingsFile,
                                         DWORD kivProcess, std::vector<double>& answers) {
    const HWND main = ::FindWindowA("frmMain", nullptr);
    std::vector<double> times;
    const KeyWindow keys;
    for (int run = 0; keys.Focused() && run < kRuns; ++run) {
        if (!keys.TakeFocus()) {
            continue;
        }
        ::Sleep(kSettleMs);
        UniqueFile held(::CreateFileW(settingsFile.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!held) {
            break;
        }
        SendChord(VK_F6);
        std::thread release([&held] {
            ::Sleep(kHeldMs);
            held.Reset();
        });
        ::Sleep(kBusyStartMs); // KIV is in the save by now
        if (const auto time = keys.TimeKey()) {
            times.push_back(*time);
        }
        const auto asked = Clock::now();
        DWORD_PTR unused = 0;
        if (::SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &unused)) {
            answers.push_back(Milliseconds(Clock::now() - asked));
        }
        release.join();
        HWND box = nullptr;
        if (WaitFor([&] { return (box = MessageBoxOf(kivProcess)) != nullptr; },
                    std::chrono::seconds(2))) {
            ::PostMessageA(box, WM_COMMAND, IDOK, 0);
            WaitFor([&] { return !::IsWindow(box); });
        }
    }
    return times;
}

// Milliseconds from starting `commandLine` to the window at `target`, added
// to `times`; then waits for the program to end.
void TimeStart(const std::string& commandLine, const std::filesystem::path& folder, HWND window,
               const RECT& target, std::vector<double>& times) {
    const auto start = Clock::now();
    UniqueKernelHandle program = StartProcess(commandLine, folder);
    if (program && WaitFor([&] { return At(window, target); }, std::chrono::seconds(10))) {
        times.push_back(Milliseconds(Clock::now() - start));
    }
    if (program) {
        ::WaitForSingleObject(program.Get(), 10000);
    }
}

std::string MoverArguments(const RECT& rect) {
    return " KivBenchPlayer " + std::to_string(rect.left) + " " + std::to_string(rect.top) + " " +
           std::to_string(rect.right - rect.left) + " " + std::to_string(rect.bottom - rect.top);
}

// A median, with the count of runs when some were lost.
std::string Counted(const std::string& median, std::size_t got, std::size_t runs = kRuns) {
    return got < runs ? median + " (" + std::to_string(got) + " of " + std::to_string(runs) + ")"
                      : median;
}
std::string MsOf(const std::vector<double>& times) {
    return Counted(Ms(Median(times)), times.size());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_hotkey KIV_FOLDER PLAYER_EXE\n");
        return 2;
    }
    const ScratchFolder folder(
        "kiv-bench-hotkey", argv[1],
        {"kiv.exe", "KIVKbd.dll", "KIVUtil.dll", "floor_hotkey.exe", "floor_mover.exe"});
    folder.Write("KIV.dat", BenchSettingLine("First", kFirst, "10113") +
                                BenchSettingLine("Second", kSecond, "10114"));
    folder.Write("KIV.ini", "[KIV]\r\nWindowStartMode=1\r\nShowTrayIcon=0\r\nHotKeySave=10117\r\n");
    PlayerProcess player(BenchPlayer(argv[2]));
    HWND window = player.Window();
    if (window == nullptr) {
        std::fprintf(stderr, "the stand-in player did not start\n");
        return 1;
    }

    const std::vector<double> keysAlone = TimeKeyDelivery();

    std::vector<double> floorTimes;
    std::vector<double> keysWithFloor;
    UniqueKernelHandle floor = StartProcess("\"" + (folder.Path() / "floor_hotkey.exe").string() +
                                                "\" KivBenchPlayer 40 30 552 414 60 50 460 350",
                                            folder.Path());
    HWND floorWindow = nullptr;
    if (floor && WaitFor([&] { return (floorWindow = ::FindWindowA("KivFloorHotKey", nullptr)); },
                         std::chrono::seconds(10))) {
        floorTimes = TimeChords(window);
        keysWithFloor = TimeKeyDelivery();
        ::PostMessageA(floorWindow, WM_CLOSE, 0, 0);
    }
    if (floor) {
        ::WaitForSingleObject(floor.Get(), 10000);
    }

    std::vector<double> kivTimes;
    std::vector<double> keysWithKiv;
    std::vector<double> secondCopyTimes;
    std::vector<double> moverTimes;
    UniqueKernelHandle kiv =
        StartProcess("\"" + (folder.Path() / "kiv.exe").string() + "\" /S First", folder.Path());
    if (kiv && WaitFor([&] { return At(window, kFirst); }, std::chrono::seconds(20))) {
        ::Sleep(500); // the key hook is in place once KIV's start-up has run
        kivTimes = TimeChords(window);
        keysWithKiv = TimeKeyDelivery();
        const std::string kivExe = "\"" + (folder.Path() / "kiv.exe").string() + "\" /S ";
        const std::string moverExe = "\"" + (folder.Path() / "floor_mover.exe").string() + "\"";
        for (int run = 0; run < kRuns; ++run) {
            // In turns: the minimal program moves the window away, a second
            // copy of KIV moves it back.
            const bool first = At(window, kFirst);
            TimeStart(moverExe + MoverArguments(first ? kSecond : kFirst), folder.Path(), window,
                      first ? kSecond : kFirst, moverTimes);
            TimeStart(kivExe + (first ? "First" : "Second"), folder.Path(), window,
                      first ? kFirst : kSecond, secondCopyTimes);
        }
    }
    std::vector<double> keysWhileBusy;
    std::vector<double> answersWhileBusy;
    if (kiv && ::WaitForSingleObject(kiv.Get(), 0) == WAIT_TIMEOUT) {
        keysWhileBusy = TimeKeysWhileKivBusy(folder.Path() / "KIV.dat", ::GetProcessId(kiv.Get()),
                                             answersWhileBusy);
    }
    if (HWND main = ::FindWindowA("frmMain", nullptr)) {
        ::PostMessageA(main, WM_CLOSE, 0, 0);
    }
    if (kiv) {
        ::WaitForSingleObject(kiv.Get(), 10000);
    }
    player.Stop();

    PrintRow("Second copy: kiv.exe /S name while KIV runs, to the player placed",
             MsOf(secondCopyTimes), MsOf(moverTimes) + ", find and move the window",
             Ratio(Median(secondCopyTimes), Median(moverTimes)), "at most 1.30x");
    PrintRow("Hot key (chord sent with SendInput) to the player placed", MsOf(kivTimes),
             MsOf(floorTimes) + ", a program whose own key hook moves the window",
             MsMore(Median(kivTimes), Median(floorTimes)), "at most +5 ms");
    PrintRow("A key that is no hot key, SendInput to the focused window", Us(Median(keysWithKiv)),
             Us(Median(keysWithFloor)) + " with the minimal key hook, " + Us(Median(keysAlone)) +
                 " with none",
             UsMore(Median(keysWithKiv), Median(keysWithFloor)));
    PrintRow("The same key while KIV waits in a save (held file)",
             Counted(Us(Median(keysWhileBusy)), keysWhileBusy.size()),
             Us(Median(keysWithFloor)) + " with the minimal key hook",
             UsMore(Median(keysWhileBusy), Median(keysWithFloor)), "at most +1000 us");
    PrintRow("KIV's window answering a sent message while it waits in a save",
             MsOf(answersWhileBusy));
    return kivTimes.empty() || floorTimes.empty() || secondCopyTimes.empty() || moverTimes.empty()
               ? 1
               : 0;
}
