// Time from checking "Blanking On" to the four strips in place around the
// player, and KIV's processor time while it blanks with nothing to do.
//
//   bench_blanking.exe KIV_FOLDER PLAYER_EXE
#include "BenchSupport.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

using namespace kiv::bench;
using kiv::win32::UniqueKernelHandle;

constexpr int kRuns = 10;
constexpr RECT kPlayer = {100, 50, 900, 650};

// The strips' rectangles KIV should make, sorted by their left, top, right, bottom.
std::vector<RECT> ExpectedStrips() {
    const int caption = ::GetSystemMetrics(SM_CYCAPTION);
    const int frame = ::GetSystemMetrics(SM_CYFRAME);
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    const int right = width - kPlayer.right + frame;
    const int bottom = std::max(height - static_cast<int>(kPlayer.bottom) + frame, 3);
    return {{0, 0, kPlayer.left + frame, height},
            {0, 0, width, kPlayer.top + frame + caption},
            {width - right, 0, width, height},
            {0, height - bottom, width, height}};
}

bool Less(const RECT& a, const RECT& b) {
    return std::tie(a.left, a.top, a.right, a.bottom) < std::tie(b.left, b.top, b.right, b.bottom);
}

std::vector<RECT> VisibleStrips(DWORD pid) {
    std::vector<RECT> rects;
    for (HWND strip : kiv::e2e::ProcessWindows(pid, "frmBlank", true)) {
        rects.push_back(kiv::e2e::WindowRectOf(strip));
    }
    std::sort(rects.begin(), rects.end(), Less);
    return rects;
}

bool Same(std::vector<RECT> a, std::vector<RECT> b) {
    std::sort(b.begin(), b.end(), Less);
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](const RECT& x, const RECT& y) { return ::EqualRect(&x, &y) != FALSE; });
}

void Click(HWND box, bool checked) {
    ::SendMessageA(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    ::SendMessageA(::GetParent(box), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(box), BN_CLICKED),
                   reinterpret_cast<LPARAM>(box));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_blanking KIV_FOLDER PLAYER_EXE\n");
        return 2;
    }
    const ScratchFolder folder("kiv-bench-blanking", argv[1],
                               {"kiv.exe", "KIVKbd.dll", "KIVUtil.dll"});
    folder.Write("KIV.dat", "S1=Bench;S2=Class:KivBenchPlayer;S3=100;S4=50;S5=800;S6=600;S11=0;"
                            "S12=0;S13=0;S14=0;S15=0;S16=;S17=Bench;S18=0;S19=0;S20=0;S21=0;S22=0;"
                            "\r\n");
    // No tray icon: some shells show their taskbar again when one arrives.
    folder.Write("KIV.ini", "[KIV]\r\nShowTrayIcon=0\r\n");
    PlayerProcess player(BenchPlayer(argv[2]));
    UniqueKernelHandle kiv =
        StartProcess("\"" + (folder.Path() / "kiv.exe").string() + "\" /S Bench", folder.Path());
    HWND main = nullptr;
    HWND box = nullptr;
    if (!player.Started() || !kiv || !WaitFor([&] {
            main = ::FindWindowA("frmMain", nullptr);
            box = main ? kiv::test::ChildWithText(main, "Blan&king On") : nullptr;
            return box != nullptr;
        })) {
        std::fprintf(stderr, "KIV or the stand-in player did not start\n");
        return 1;
    }
    const DWORD pid = ::GetProcessId(kiv.Get());
    const std::vector<RECT> expected = ExpectedStrips();

    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        auto start = Clock::now();
        Click(box, true);
        if (WaitFor([&] { return Same(VisibleStrips(pid), expected); })) {
            times.push_back(Milliseconds(Clock::now() - start));
        }
        if (run + 1 < kRuns) {
            Click(box, false);
            WaitFor([&] { return VisibleStrips(pid).empty(); });
        }
    }
    // Blanking on, nothing happening: the pointer timers have run out after 2 s.
    ::Sleep(2500);
    const double idleMs = ProcessorMsDuring(kiv.Get(), 3000);

    Click(box, false);
    ::PostMessageA(main, WM_CLOSE, 0, 0);
    ::WaitForSingleObject(kiv.Get(), 10000);

    std::sort(times.begin(), times.end());
    std::printf("blanking, \"Blanking On\" checked to the four strips in place (%zu of %d runs):\n",
                times.size(), kRuns);
    if (!times.empty()) {
        std::printf("  median %8.2f ms, fastest %8.2f ms, slowest %8.2f ms\n",
                    times[times.size() / 2], times.front(), times.back());
    }
    std::printf("  KIV blanking, idle: %.1f ms of processor time in 3 s\n", idleMs);
    return times.empty() ? 1 : 0;
}
