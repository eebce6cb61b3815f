// Time from checking "Blanking On" to the four strips in place around the
// player, next to a minimal program that shows four strips around the same
// rectangle when asked (floor_blanking), and KIV's processor time while it
// blanks with nothing to do.
//
//   bench_blanking.exe KIV_FOLDER PLAYER_EXE
#include "BenchSupport.h"
#include "BenchTable.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

using namespace kiv::bench;
using kiv::win32::UniqueKernelHandle;

constexpr int kRuns = 20;
// After the strips are gone, for the windows they uncovered to repaint: a
// user does not switch blanking on again at once, and an "On" timed straight
// after an "Off" measures the repaint it left behind instead.
constexpr DWORD kSettleMs = 150;
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

std::vector<RECT> VisibleStrips(DWORD pid, const char* className) {
    std::vector<RECT> rects;
    for (HWND strip : kiv::e2e::ProcessWindows(pid, className, true)) {
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

// The rectangle the strips leave uncovered: right of the left one, below the
// top one and so on.
RECT Hole(const std::vector<RECT>& strips) {
    return {strips[0].right, strips[1].bottom, strips[2].left, strips[3].top};
}

// Milliseconds from `show` to the strips of `pid` in place, added to `times`;
// then `hide` takes them away again.
template <typename Show, typename Hide>
void TimeStrips(DWORD pid, const char* className, Show show, Hide hide,
                std::vector<double>& times) {
    static const std::vector<RECT> expected = ExpectedStrips();
    const auto start = Clock::now();
    show();
    if (WaitFor([&] { return Same(VisibleStrips(pid, className), expected); })) {
        times.push_back(Milliseconds(Clock::now() - start));
    }
    hide();
    WaitFor([&] { return VisibleStrips(pid, className).empty(); });
    ::Sleep(kSettleMs);
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
                               {"kiv.exe", "KIVKbd.dll", "KIVUtil.dll", "floor_blanking.exe"});
    folder.Write("KIV.dat", BenchSettingLine("Bench", kPlayer));
    // No tray icon: some shells show their taskbar again when one arrives.
    folder.Write("KIV.ini", "[KIV]\r\nShowTrayIcon=0\r\n");
    PlayerProcess player(BenchPlayer(argv[2]));
    const RECT hole = Hole(ExpectedStrips());
    UniqueKernelHandle floor =
        StartProcess("\"" + (folder.Path() / "floor_blanking.exe").string() + "\" " +
                         std::to_string(hole.left) + " " + std::to_string(hole.top) + " " +
                         std::to_string(hole.right) + " " + std::to_string(hole.bottom),
                     folder.Path());
    UniqueKernelHandle kiv =
        StartProcess("\"" + (folder.Path() / "kiv.exe").string() + "\" /S Bench", folder.Path());
    HWND floorWindow = nullptr;
    HWND main = nullptr;
    HWND box = nullptr;
    if (!player.Started() || !floor || !kiv || !WaitFor([&] {
            floorWindow = ::FindWindowA("KivFloorBlanking", nullptr);
            main = ::FindWindowA("frmMain", nullptr);
            box = main ? kiv::test::ChildWithText(main, "Blan&king On") : nullptr;
            return floorWindow != nullptr && box != nullptr;
        })) {
        std::fprintf(stderr, "KIV, the floor program or the stand-in player did not start\n");
        return 1;
    }

    // In turns, so that the machine's other work weighs on both alike.
    std::vector<double> floorTimes;
    std::vector<double> kivTimes;
    for (int run = 0; run < kRuns; ++run) {
        TimeStrips(
            ::GetProcessId(floor.Get()), "KivFloorStrip",
            [&] { ::SendMessageA(floorWindow, WM_APP, 0, 0); },
            [&] { ::SendMessageA(floorWindow, WM_APP + 1, 0, 0); }, floorTimes);
        TimeStrips(
            ::GetProcessId(kiv.Get()), "frmBlank", [&] { Click(box, true); },
            [&] { Click(box, false); }, kivTimes);
    }
    ::PostMessageA(floorWindow, WM_CLOSE, 0, 0);

    // Blanking on, nothing happening: the pointer timers have run out after 2 s.
    Click(box, true);
    ::Sleep(2500);
    const double idleMs = ProcessorMsDuring(kiv.Get(), 3000);

    Click(box, false);
    ::PostMessageA(main, WM_CLOSE, 0, 0);
    ::WaitForSingleObject(kiv.Get(), 10000);
    ::WaitForSingleObject(floor.Get(), 10000);

    if (kivTimes.empty() || floorTimes.empty()) {
        std::fprintf(stderr, "the strips were never seen in place\n");
        return 1;
    }
    // The fastest run beside the median: on a busy machine it shows the cost
    // of the work itself.
    auto cell = [](const std::vector<double>& times) {
        return Ms(Median(times)) + " (fastest " +
               Ms(*std::min_element(times.begin(), times.end())) + ")";
    };
    PrintRow("\"Blanking On\" checked to the four strips in place (median of " +
                 std::to_string(kivTimes.size()) + ")",
             cell(kivTimes), cell(floorTimes) + ", four topmost windows shown in place",
             MsMore(Median(kivTimes), Median(floorTimes)), "at most +10 ms");
    PrintRow("Processor time in 3 s, blanking on and nothing moving", Ms(idleMs));
    return 0;
}
