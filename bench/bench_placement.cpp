// Time from starting "kiv.exe /S name" to the player reaching the setting's
// rectangle, next to the time a minimal program takes to find and move the
// same window, and KIV's processor time while it sits idle.
//
//   bench_placement.exe KIV_FOLDER PLAYER_EXE
#include "app/SingleInstance.h"
#include "platform/win32/UniqueHandle.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using kiv::win32::UniqueKernelHandle;
namespace fs = std::filesystem;

constexpr int kRuns = 5;
constexpr RECT kTarget = {40, 30, 40 + 512, 30 + 384};

struct Process {
    UniqueKernelHandle process;
    UniqueKernelHandle thread;
};

Process Start(const std::string& commandLine, const fs::path& folder) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::string line = commandLine;
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.string().c_str(), &startup, &info)) {
        return {};
    }
    return {UniqueKernelHandle(info.hProcess), UniqueKernelHandle(info.hThread)};
}

bool WaitFor(auto condition, std::chrono::milliseconds limit = std::chrono::seconds(20)) {
    auto end = Clock::now() + limit;
    while (Clock::now() < end) {
        if (condition()) {
            return true;
        }
        ::Sleep(1);
    }
    return condition();
}

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

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

double Milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
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
    const fs::path source = argv[1];
    const fs::path playerExe = argv[2];
    const fs::path folder = fs::temp_directory_path() / "kiv-bench-placement";
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    fs::create_directories(folder);
    for (const char* file : {"kiv.exe", "KIVKbd.dll", "KIVUtil.dll", "floor_mover.exe"}) {
        fs::copy_file(source / file, folder / file);
    }
    {
        std::ofstream settings(folder / "KIV.dat", std::ios::binary);
        settings << "S1=Bench;S2=Class:KivBenchPlayer;S3=" << kTarget.left << ";S4=" << kTarget.top
                 << ";S5=" << kTarget.right - kTarget.left << ";S6=" << kTarget.bottom - kTarget.top
                 << ";S11=0;S12=0;S13=0;S14=0;S15=0;S16=;S17=Bench;S18=0;S19=0;S20=0;S21=0;S22=0;"
                    "\r\n";
    }

    if (const char* ini = std::getenv("KIV_BENCH_INI")) {
        std::ofstream options(folder / "KIV.ini", std::ios::binary);
        options << "[KIV]\r\n" << ini << "\r\n";
    }
    Process player =
        Start("\"" + playerExe.string() +
                  "\" --class KivBenchPlayer --caption \"Bench Player\" --pos 0 0 300 200",
              folder);
    HWND window = nullptr;
    if (!player.process || !WaitFor([&] {
            window = ::FindWindowA("KivBenchPlayer", nullptr);
            return window != nullptr;
        })) {
        std::fprintf(stderr, "the stand-in player did not start\n");
        return 1;
    }

    std::vector<double> floorTimes;
    std::vector<double> kivTimes;
    double idleProcessorMs = -1;
    for (int run = 0; run < kRuns; ++run) {
        MoveAway(window);
        auto start = Clock::now();
        Process mover =
            Start("\"" + (folder / "floor_mover.exe").string() + "\" KivBenchPlayer 40 30 512 384",
                  folder);
        if (mover.process && WaitFor([&] { return AtTarget(window); })) {
            floorTimes.push_back(Milliseconds(Clock::now() - start));
        }
        ::WaitForSingleObject(mover.process.Get(), 10000);

        MoveAway(window);
        // The last copy's instance mutex may outlive its process for a moment.
        WaitFor([] {
            UniqueKernelHandle mutex(
                ::OpenMutexW(SYNCHRONIZE, FALSE, kiv::kSingleInstanceMutexName));
            return !mutex.IsValid();
        });
        start = Clock::now();
        Process kiv = Start("\"" + (folder / "kiv.exe").string() + "\" /S Bench", folder);
        if (kiv.process && WaitFor([&] { return AtTarget(window); })) {
            kivTimes.push_back(Milliseconds(Clock::now() - start));
        }
        if (run == 0 && kiv.process) {
            // Idle with no locked setting: no timer should run.
            WaitFor([] { return ::FindWindowA("frmMain", nullptr) != nullptr; });
            ::Sleep(500);
            FILETIME created{}, exited{}, kernelBefore{}, userBefore{}, kernelAfter{}, userAfter{};
            ::GetProcessTimes(kiv.process.Get(), &created, &exited, &kernelBefore, &userBefore);
            ::Sleep(3000);
            ::GetProcessTimes(kiv.process.Get(), &created, &exited, &kernelAfter, &userAfter);
            auto ticks = [](FILETIME t) {
                return (static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
            };
            idleProcessorMs = static_cast<double>(ticks(kernelAfter) - ticks(kernelBefore) +
                                                  ticks(userAfter) - ticks(userBefore)) /
                              10000.0;
        }
        CloseKiv();
        if (kiv.process) {
            ::WaitForSingleObject(kiv.process.Get(), 10000);
        }
    }
    ::PostMessageA(window, WM_CLOSE, 0, 0);
    ::WaitForSingleObject(player.process.Get(), 10000);
    fs::remove_all(folder, ignored);

    double floorMs = Median(floorTimes);
    double kivMs = Median(kivTimes);
    std::printf("placement, start of the program to the player at its rectangle (median of %d):\n",
                kRuns);
    std::printf("  minimal find-and-move program: %8.1f ms (%zu runs)\n", floorMs,
                floorTimes.size());
    std::printf("  kiv.exe /S Bench:              %8.1f ms (%zu runs)\n", kivMs, kivTimes.size());
    if (floorMs > 0) {
        std::printf("  ratio: %.2f (aim: at most 1.5)\n", kivMs / floorMs);
    }
    std::printf("  KIV idle, no locked setting: %.1f ms of processor time in 3 s\n",
                idleProcessorMs);
    return floorTimes.empty() || kivTimes.empty() ? 1 : 0;
}
