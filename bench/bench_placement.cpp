// Time from starting "kiv.exe /S name" to the player reaching the setting's
// rectangle, next to the time a minimal program takes to find and move the
// same window, and KIV's processor time while it sits idle.
//
//   bench_placement.exe KIV_FOLDER PLAYER_EXE
#include "BenchSupport.h"
#include "BenchTable.h"
#include "app/win32/SingleInstance.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace kiv::bench;
using kiv::win32::UniqueKernelHandle;

constexpr int kRuns = 5;
constexpr RECT kTarget = {40, 30, 40 + 512, 30 + 384};

bool AtTarget(HWND window) {
    RECT rect{};
    return ::GetWindowRect(window, &rect) && ::EqualRect(&rect, &kTarget);
}

void MoveAway(HWND window) {
    ::MoveWindow(window, 0, 0, 300, 200, TRUE);
    WaitFor([&] {
        RECT rect{};
        return ::GetWindowRect(window, &rect) && rect.right == 300;
    });
}

void CloseKiv() {
    if (HWND kiv = ::FindWindowA("frmMain", nullptr)) {
        DWORD pid = 0;
        ::GetWindowThreadProcessId(kiv, &pid);
        UniqueKernelHandle process(::OpenProcess(SYNCHRONIZE, FALSE, pid));
        ::PostMessageA(kiv, WM_CLOSE, 0, 0);
        if (process) {
            ::WaitForSingleObject(process.Get(), 10000);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_placement KIV_FOLDER PLAYER_EXE\n");
        return 2;
    }
    const ScratchFolder folder("kiv-bench-placement", argv[1],
                               {"kiv.exe", "KIVKbd.dll", "KIVUtil.dll", "floor_mover.exe"});
    folder.Write("KIV.dat", BenchSettingLine("Bench", kTarget));
    if (const char* ini = std::getenv("KIV_BENCH_INI")) {
        folder.Write("KIV.ini", "[KIV]\r\n" + std::string(ini) + "\r\n");
    }
    PlayerProcess player(BenchPlayer(argv[2]));
    HWND window = player.Window();
    if (window == nullptr) {
        std::fprintf(stderr, "the stand-in player did not start\n");
        return 1;
    }

    std::vector<double> floorTimes;
    std::vector<double> kivTimes;
    double idleProcessorMs = -1;
    for (int run = 0; run < kRuns; ++run) {
        MoveAway(window);
        auto start = Clock::now();
        UniqueKernelHandle mover = StartProcess(
            "\"" + (folder.Path() / "floor_mover.exe").string() + "\" KivBenchPlayer 40 30 512 384",
            folder.Path());
        if (mover && WaitFor([&] { return AtTarget(window); })) {
            floorTimes.push_back(Milliseconds(Clock::now() - start));
        }
        ::WaitForSingleObject(mover.Get(), 10000);

        MoveAway(window);
        // The last copy's instance mutex may outlive its process for a moment.
        WaitFor([] {
            UniqueKernelHandle mutex(
                ::OpenMutexW(SYNCHRONIZE, FALSE, kiv::kSingleInstanceMutexName));
            return !mutex.IsValid();
        });
        start = Clock::now();
        UniqueKernelHandle kiv = StartProcess(
            "\"" + (folder.Path() / "kiv.exe").string() + "\" /S Bench", folder.Path());
        if (kiv && WaitFor([&] { return AtTarget(window); })) {
            kivTimes.push_back(Milliseconds(Clock::now() - start));
        }
        if (run == 0 && kiv) {
            // Idle with no locked setting: no timer should run.
            WaitFor([] { return ::FindWindowA("frmMain", nullptr) != nullptr; });
            ::Sleep(500);
            idleProcessorMs = ProcessorMsDuring(kiv.Get(), 3000);
        }
        CloseKiv();
        if (kiv) {
            ::WaitForSingleObject(kiv.Get(), 10000);
        }
    }
    player.Stop();

    const double floorMs = Median(floorTimes);
    const double kivMs = Median(kivTimes);
    PrintRow("Cold start: kiv.exe /S name from not running to the player placed (median of " +
                 std::to_string(kivTimes.size()) + ")",
             Ms(kivMs), Ms(floorMs) + ", find and move the window", Ratio(kivMs, floorMs),
             "at most 1.30x");
    PrintRow("Processor time in 3 s, idle with no locked setting", Ms(idleProcessorMs));
    return floorTimes.empty() || kivTimes.empty() ? 1 : 0;
}
