// How soon a locked setting's window is back after another program moves it:
// with the window-size hook reporting each move, and with the one-second
// watchdog alone (the hook switched off in the options).
//
//   bench_lock.exe KIV_FOLDER PLAYER_EXE
#include "BenchSupport.h"
#include "BenchTable.h"
#include "app/win32/SingleInstance.h"
#include "store/WindowSettings.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace kiv::bench;
using kiv::win32::UniqueKernelHandle;

constexpr RECT kTarget = {40, 30, 40 + 512, 30 + 384};

bool AtTarget(HWND window) {
    RECT rect{};
    return ::GetWindowRect(window, &rect) && ::EqualRect(&rect, &kTarget);
}

std::string LockedSettingLine() {
    kiv::CWindowSetting setting;
    setting.SettingName = "Bench";
    setting.WindowClass = "Class:KivBenchPlayer";
    setting.WindowLeft = kTarget.left;
    setting.WindowTop = kTarget.top;
    setting.WindowWidth = kTarget.right - kTarget.left;
    setting.WindowHeight = kTarget.bottom - kTarget.top;
    setting.LockPosition = 1;
    return kiv::SettingLine(setting) + "\r\n";
}

void CloseKiv(HANDLE kiv) {
    if (HWND main = ::FindWindowA("frmMain", nullptr)) {
        ::PostMessageA(main, WM_CLOSE, 0, 0);
    }
    ::WaitForSingleObject(kiv, 10000);
    // The instance mutex may outlive the process for a moment.
    WaitFor([] {
        UniqueKernelHandle mutex(::OpenMutexW(SYNCHRONIZE, FALSE, kiv::kSingleInstanceMutexName));
        return !mutex.IsValid();
    });
}

struct Figures {
    std::vector<double> backMs;
    int missed = 0;
};

// Moves the player away `runs` times, each at a different moment of the
// watchdog's second, and times each return.
Figures TimeReturns(const ScratchFolder& folder, const char* playerExe, bool hook, int runs) {
    folder.Write("KIV.ini",
                 std::string("[KIV]\r\nSubClassWindowSize=") + (hook ? "1" : "0") + "\r\n");
    Figures figures;
    PlayerProcess player(BenchPlayer(playerExe));
    HWND window = player.Window();
    UniqueKernelHandle kiv =
        StartProcess("\"" + (folder.Path() / "kiv.exe").string() + "\" /S Bench", folder.Path());
    if (window == nullptr || !kiv || !WaitFor([&] { return AtTarget(window); })) {
        figures.missed = runs;
    } else {
        for (int run = 0; run < runs; ++run) {
            // Apart by more than the fast path's budget asks, and by a varying
            // share of a second, so that the watchdog's phase varies.
            ::Sleep(400 + (run * 137) % 400);
            ::MoveWindow(window, 0, 0, 300, 200, TRUE);
            const auto start = Clock::now();
            if (WaitFor([&] { return AtTarget(window); }, std::chrono::seconds(5))) {
                figures.backMs.push_back(Milliseconds(Clock::now() - start));
            } else {
                ++figures.missed;
            }
        }
    }
    if (kiv) {
        CloseKiv(kiv.Get());
    }
    return figures;
}

void Print(const std::string& what, const Figures& figures) {
    double slowest = 0;
    for (double ms : figures.backMs) {
        slowest = ms > slowest ? ms : slowest;
    }
    std::string kiv = Ms(Median(figures.backMs)) + " (slowest " + Ms(slowest) + ")";
    if (figures.missed > 0) {
        kiv += ", " + std::to_string(figures.missed) + " not back in 5 s";
    }
    PrintRow("Lock: the player moved by another program to back in place, " + what, kiv);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_lock KIV_FOLDER PLAYER_EXE\n");
        return 2;
    }
    const ScratchFolder folder("kiv-bench-lock", argv[1], {"kiv.exe", "KIVKbd.dll", "KIVUtil.dll"});
    folder.Write("KIV.dat", LockedSettingLine());
    const Figures fast = TimeReturns(folder, argv[2], true, 10);
    const Figures watchdog = TimeReturns(folder, argv[2], false, 10);
    Print("the size hook reporting the move (median of " + std::to_string(fast.backMs.size()) + ")",
          fast);
    Print("the watchdog alone, hook off (median of " + std::to_string(watchdog.backMs.size()) + ")",
          watchdog);
    return fast.backMs.empty() || watchdog.backMs.empty() ? 1 : 0;
}
