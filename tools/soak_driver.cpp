// Soak driver: runs kiv.exe for a given time next to the stand-in player
// while it moves, resizes, hides, closes, kills and restarts the player and
// presses KIV's global hot keys with real input, watching KIV's resources.
//
//   soak_driver.exe KIV_FOLDER SECONDS
//
// KIV_FOLDER holds kiv.exe and its libraries; the driver writes KIV.dat and
// KIV.ini there. kiv_player.exe sits beside the driver. Prints KIV's handle,
// GDI and USER object counts, its windows and its memory at the start, after
// warm-up, now and then, and at the end; closes KIV as its window's close box
// would and checks that the taskbar is back. Exit code 0: KIV lived, ended
// cleanly, grew no more than the tolerances after warm-up and gave the
// taskbar back; 1 otherwise; 2 for a bad command line or a failed start.
#include "support/KivProcess.h"

#include <psapi.h>
#include <winternl.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace kiv::e2e;
using Clock = std::chrono::steady_clock;

constexpr const char* kPlayerClass = "KivSoakPlayer";
constexpr RECT kPlayerStart = {200, 150, 600, 400}; // left, top, width, height

// Three settings for the player, each with its own hot key (Shift+F2..F4):
// two blank the screen, orbit and lock; the third does neither, so switching
// hides and shows the taskbar and the strips again and again.
struct SoakSetting {
    const char* name;
    int left, top, width, height;
    int orbitRange;
    int blanking;
    int lock;
    WORD key;
};
constexpr std::array kSettings = {
    SoakSetting{"Soak Wide", 100, 60, 800, 600, 3, 1, 1, VK_F2},
    SoakSetting{"Soak Small", 250, 200, 480, 320, 2, 1, 1, VK_F3},
    SoakSetting{"Soak Plain", 150, 100, 640, 400, 0, 0, 0, VK_F4},
};

// The option hot keys in KIV.ini: Shift with F5 to F9, F11 and F12.
struct OptionKey {
    const char* option;
    WORD key;
};
constexpr std::array kOptionKeys = {
    OptionKey{"HotKeyMoveLeft", VK_F5},       OptionKey{"HotKeyMoveRight", VK_F6},
    OptionKey{"HotKeyExpand", VK_F7},         OptionKey{"HotKeyShrink", VK_F8},
    OptionKey{"HotKeyReapplyCurrent", VK_F9}, OptionKey{"HotKeySetFocusApp", VK_F11},
    OptionKey{"HotKeySetFocusKIV", VK_F12},
};

std::string HotKeyText(WORD key) {
    return "10" + std::to_string(key); // Shift, no Ctrl
}

bool WriteKivFiles(const std::filesystem::path& folder) {
    std::ofstream data(folder / "KIV.dat", std::ios::binary | std::ios::trunc);
    for (const SoakSetting& s : kSettings) {
        data << "S1=" << s.name << ";S2=Class:" << kPlayerClass << ";S3=" << s.left
             << ";S4=" << s.top << ";S5=" << s.width << ";S6=" << s.height
             << ";S11=" << s.orbitRange << ";S12=" << s.orbitRange
             << ";S13=0;S14=1;S15=" << s.blanking << ";S16=" << HotKeyText(s.key)
             << ";S17=Soak Player;S18=4;S19=4;S20=2;S21=2;S22=" << s.lock << ";\r\n";
    }
    // Minimized, as on a home-theatre PC. No tray icon: Wine's shell shows its
    // taskbar whenever the first tray icon appears, which Windows does not.
    std::ofstream ini(folder / "KIV.ini", std::ios::binary | std::ios::trunc);
    ini << "[KIV]\r\nWindowStartMode=1\r\nShowTrayIcon=0\r\n";
    for (const OptionKey& o : kOptionKeys) {
        ini << o.option << "=" << HotKeyText(o.key) << "\r\n";
    }
    return data.good() && ini.good();
}

void Pause(std::chrono::milliseconds time) {
    PumpUntil([] { return false; }, time);
}

// All windows of a process, children included: the part of its USER objects
// that can be counted from outside.
int WindowCountOf(DWORD processId) {
    int count = 0;
    for (HWND top : ProcessWindows(processId, nullptr)) {
        ++count;
        ::EnumChildWindows(
            top, [](HWND, LPARAM param) -> BOOL { return ++*reinterpret_cast<int*>(param), TRUE; },
            reinterpret_cast<LPARAM>(&count));
    }
    return count;
}

// The stand-in player, started, stopped and pushed around.
class Player {
public:
    bool Start() {
        mProcess.reset();
        PlayerSpec spec;
        spec.className = kPlayerClass;
        spec.caption = "Soak Player";
        spec.bounds = kPlayerStart;
        mProcess.emplace(spec);
        ++mStarts;
        return mProcess->Started();
    }
    void Stop() { mProcess.reset(); }
    void Kill() {
        if (mProcess) {
            mProcess->Kill();
        }
        ++mKills;
    }
    void Close() {
        Stop();
        ++mCloses;
    }
    bool Running() const { return mProcess && mProcess->Running() && Window() != nullptr; }
    void Move(int dx, int dy) {
        RECT r = WindowRectOf(Window());
        ::SetWindowPos(Window(), nullptr, r.left + dx, r.top + dy, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    void Resize(int dw, int dh) {
        RECT r = WindowRectOf(Window());
        ::SetWindowPos(Window(), nullptr, 0, 0, r.right - r.left + dw, r.bottom - r.top + dh,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    void Show(int command) { ::ShowWindowAsync(Window(), command); }
    HWND Window() const { return mProcess ? mProcess->Window() : nullptr; }
    int Starts() const { return mStarts; }
    int Kills() const { return mKills; }
    int Closes() const { return mCloses; }

private:
    std::optional<PlayerProcess> mProcess;
    int mStarts = 0;
    int mKills = 0;
    int mCloses = 0;
};

// What can be read about a process from outside. Negative: not available.
struct Sample {
    long long handles = -1;
    long long gdi = -1;
    long long user = -1;
    int windows = 0;
    double workingSetMb = -1;
    double commitMb = -1;
};

// The handle count through the system's handle table, for when the process
// query gives nothing (Wine answers that one with 0).
long long HandlesInSystemTable(DWORD processId) {
    struct Entry {
        ULONG ownerPid;
        BYTE objectType;
        BYTE flags;
        USHORT handle;
        PVOID object;
        ACCESS_MASK access;
    };
    struct Table {
        ULONG count;
        Entry entries[1];
    };
    constexpr auto kSystemHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(16);
    std::vector<unsigned char> buffer(1 << 20);
    for (int attempt = 0; attempt < 6; ++attempt) {
        ULONG needed = 0;
        const NTSTATUS status = ::NtQuerySystemInformation(
            kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed);
        if (status == 0) {
            const auto* table = reinterpret_cast<const Table*>(buffer.data());
            long long count = 0;
            for (ULONG i = 0; i < table->count; ++i) {
                count += table->entries[i].ownerPid == processId ? 1 : 0;
            }
            return count;
        }
        buffer.resize(std::max<std::size_t>(buffer.size() * 2, needed + 4096));
    }
    return -1;
}

// Wine keeps a process's GDI objects in a table of its own that the PEB
// points at (GdiSharedHandleTable, as older Windows did), an entry in use
// having a non-zero type; read from outside it gives the count that
// GetGuiResources does not. Stock objects are included.
long long GdiObjectsInHandleTable(HANDLE process) {
    struct Entry {
        UINT64 object;
        ULONG owner;
        USHORT unique;
        UCHAR type;
        UCHAR flags;
        UINT64 userPointer;
    };
    static_assert(sizeof(Entry) == 24);
    constexpr std::size_t kEntries = 0x10000;
    constexpr std::size_t kPebGdiTableOffset = 0xF8; // 64-bit PEB
    PROCESS_BASIC_INFORMATION basic = {};
    if (::NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic,
                                    nullptr) != 0) {
        return -1;
    }
    UINT64 table = 0;
    const auto* peb = reinterpret_cast<const unsigned char*>(basic.PebBaseAddress);
    if (!::ReadProcessMemory(process, peb + kPebGdiTableOffset, &table, sizeof table, nullptr) ||
        table == 0) {
        return -1;
    }
    std::vector<Entry> entries(kEntries);
    if (!::ReadProcessMemory(process, reinterpret_cast<const void*>(table), entries.data(),
                             entries.size() * sizeof(Entry), nullptr)) {
        return -1;
    }
    return std::count_if(entries.begin(), entries.end(),
                         [](const Entry& e) { return e.type != 0; });
}

// Which source each figure came from, settled by the first sample.
struct Sources {
    bool handleCountWorks = false;
    bool gdiWorks = false;
    bool gdiFromTable = false;
    bool userWorks = false;
};

Sample TakeSample(HANDLE process, DWORD processId, const Sources& sources) {
    Sample s;
    DWORD handles = 0;
    if (sources.handleCountWorks && ::GetProcessHandleCount(process, &handles)) {
        s.handles = handles;
    } else if (!sources.handleCountWorks) {
        s.handles = HandlesInSystemTable(processId);
    }
    if (sources.gdiWorks) {
        s.gdi = ::GetGuiResources(process, GR_GDIOBJECTS);
    } else if (sources.gdiFromTable) {
        s.gdi = GdiObjectsInHandleTable(process);
    }
    if (sources.userWorks) {
        s.user = ::GetGuiResources(process, GR_USEROBJECTS);
    }
    s.windows = WindowCountOf(processId);
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof memory;
    if (::GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                               sizeof memory)) {
        // Wine leaves PrivateUsage at 0 for another process; the commit
        // charge it does give stands in for the private bytes.
        s.workingSetMb = memory.WorkingSetSize / 1048576.0;
        const SIZE_T commit = memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.PagefileUsage;
        s.commitMb = commit != 0 ? commit / 1048576.0 : -1;
    }
    return s;
}

Sources ProbeSources(HANDLE process) {
    Sources sources;
    DWORD handles = 0;
    sources.handleCountWorks = ::GetProcessHandleCount(process, &handles) && handles > 0;
    // A live GUI process always holds some GDI and USER objects; 0 means "not counted".
    sources.gdiWorks = ::GetGuiResources(process, GR_GDIOBJECTS) > 0;
    sources.gdiFromTable = !sources.gdiWorks && GdiObjectsInHandleTable(process) > 0;
    sources.userWorks = ::GetGuiResources(process, GR_USEROBJECTS) > 0;
    std::printf("handles: %s\n", sources.handleCountWorks
                                     ? "GetProcessHandleCount"
                                     : "GetProcessHandleCount gives 0 here; counted in the "
                                       "system handle table (NtQuerySystemInformation)");
    std::printf("GDI objects: %s\n", sources.gdiWorks ? "GetGuiResources(GR_GDIOBJECTS)"
                                     : sources.gdiFromTable
                                         ? "GetGuiResources gives 0 here; counted in KIV's GDI "
                                           "handle table (PEB GdiSharedHandleTable), stock "
                                           "objects included"
                                         : "not available (GetGuiResources gives 0 here)");
    std::printf("USER objects: %s\n", sources.userWorks
                                          ? "GetGuiResources(GR_USEROBJECTS)"
                                          : "not available (GetGuiResources gives 0 here); KIV's "
                                            "windows, children included, are counted instead");
    std::fflush(stdout);
    return sources;
}

std::string Figure(long long value) {
    return value < 0 ? "n/a" : std::to_string(value);
}

std::string Megabytes(double value) {
    char text[32] = "n/a";
    if (value >= 0) {
        std::snprintf(text, sizeof text, "%.1f MB", value);
    }
    return text;
}

void PrintSample(const char* label, double seconds, const Sample& s) {
    std::printf("%-9s t=%5.0fs  handles %5s  GDI %4s  USER %4s  windows %3d  working set %9s"
                "  commit %9s\n",
                label, seconds, Figure(s.handles).c_str(), Figure(s.gdi).c_str(),
                Figure(s.user).c_str(), s.windows, Megabytes(s.workingSetMb).c_str(),
                Megabytes(s.commitMb).c_str());
    std::fflush(stdout);
}

class Soak {
public:
    Soak(std::filesystem::path folder, int seconds)
        : mFolder(std::move(folder)), mSeconds(seconds) {}

    int Run();

private:
    bool StartKiv();
    void Step(int index);
    bool Settle();
    bool FramesThePlayer() const;
    int VisibleStrips() const;
    void WatchMessageBoxes();
    bool KivAlive() const { return mKiv && !mKiv->HasExited(); }
    bool KivResponds() const {
        DWORD_PTR answer = 0;
        return ::SendMessageTimeoutA(mMain, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer) != 0;
    }
    double Elapsed() const { return std::chrono::duration<double>(Clock::now() - mStart).count(); }
    void SetCheck(const char* caption, bool checked);

    std::filesystem::path mFolder;
    int mSeconds;
    Clock::time_point mStart;
    Player mPlayer;
    std::optional<KivProcess> mKiv;
    DWORD mKivId = 0;
    HWND mMain = nullptr;
    Sources mSources;
    int mChords = 0;
    int mMessageBoxes = 0;
    bool mOrbiting = true;
};

bool Soak::StartKiv() {
    mKiv.emplace(mFolder, std::string("/S \"") + kSettings[0].name + "\"");
    mKivId = mKiv->ProcessId();
    if (mKivId == 0) {
        std::printf("could not start kiv.exe in %s: error %lu\n", mFolder.string().c_str(),
                    ::GetLastError());
        return false;
    }
    mMain = mKiv->WaitForMainWindow(30s);
    return mMain != nullptr;
}

// Sets a check box of KIV's and tells its page, as a click does.
void Soak::SetCheck(const char* caption, bool checked) {
    if (!kiv::e2e::SetCheck(mMain, caption, checked)) {
        std::printf("no check box \"%s\" in KIV's window\n", caption);
    }
}

// A message box from KIV is an error it reports: told, counted and dismissed.
void Soak::WatchMessageBoxes() {
    for (HWND box : ProcessWindows(mKivId, "#32770", true)) {
        const MessageBoxSeen seen = ReadMessageBox(box);
        std::printf("t=%.0fs KIV shows a message box \"%s\": %s\n", Elapsed(), seen.title.c_str(),
                    seen.text.c_str());
        ++mMessageBoxes;
        ::PostMessageA(box, WM_COMMAND, IDOK, 0);
        PumpUntil([&] { return !::IsWindow(box); }, 5s);
    }
}

constexpr int kCycleSteps = 16;

// One action of the cycle; the lock brings a pushed player back, a setting's
// hot key places a restarted one.
void Soak::Step(int index) {
    const SoakSetting& setting = kSettings[(index / 7) % kSettings.size()];
    auto chord = [&](WORD key) {
        SendChord({VK_SHIFT}, key);
        ++mChords;
    };
    switch (index % kCycleSteps) {
    case 0:
        chord(setting.key);
        break;
    case 1:
        if (mPlayer.Running()) {
            mPlayer.Move(37, -23);
        }
        break;
    case 2:
        chord(VK_F5);
        chord(VK_F7);
        break;
    case 3:
        if (mPlayer.Running()) {
            mPlayer.Resize(-90, 55);
        }
        break;
    case 4:
        chord(VK_F6);
        chord(VK_F8);
        break;
    case 5:
        if (mPlayer.Running()) {
            mPlayer.Show(SW_HIDE);
        }
        break;
    case 6:
        if (mPlayer.Running()) {
            mPlayer.Show(SW_SHOWNORMAL);
        }
        chord(VK_F9);
        break;
    case 7:
        mPlayer.Kill();
        break;
    case 8:
        mPlayer.Start();
        chord(setting.key);
        break;
    case 9:
        chord(VK_F12); // KIV forward
        break;
    case 10:
        chord(VK_F11); // the player forward
        break;
    case 11:
        if (mPlayer.Running()) {
            mPlayer.Show(SW_MINIMIZE);
        }
        break;
    case 12:
        if (mPlayer.Running()) {
            mPlayer.Show(SW_RESTORE);
        }
        chord(VK_F9);
        break;
    case 13:
        mPlayer.Close();
        break;
    case 14:
        mPlayer.Start();
        chord(kSettings[(index / 16) % kSettings.size()].key);
        break;
    case 15:
        mOrbiting = !mOrbiting;
        SetCheck("Orbiting On", mOrbiting);
        break;
    }
}

// The same state for every sample that is compared: the player running, the
// first setting applied (blanking, lock), orbiting on. True once KIV frames
// the player there: placed within the orbit range, four strips, no taskbar.
bool Soak::Settle() {
    if (!mPlayer.Running()) {
        mPlayer.Start();
    }
    mPlayer.Show(SW_SHOWNORMAL);
    if (!mOrbiting) {
        mOrbiting = true;
        SetCheck("Orbiting On", true);
    }
    // The setting's key selects it; when it already is selected, only the
    // re-apply key drops the nudges made since.
    SendChord({VK_SHIFT}, kSettings[0].key);
    Pause(500ms);
    SendChord({VK_SHIFT}, VK_F9);
    mChords += 2;
    const bool framed = PumpUntil([&] { return FramesThePlayer(); });
    Pause(2s);
    WatchMessageBoxes();
    std::printf("t=%.0fs KIV frames the player at the first setting: %s\n", Elapsed(),
                framed ? "yes" : "NO");
    if (!framed) {
        RECT r{};
        ::GetWindowRect(mPlayer.Window(), &r);
        std::printf("  player at %ld %ld %ld %ld, %d strips shown, taskbar %s\n", r.left, r.top,
                    r.right - r.left, r.bottom - r.top, VisibleStrips(),
                    TaskbarVisible() ? "shown" : "hidden");
    }
    return framed;
}

int Soak::VisibleStrips() const {
    int strips = 0;
    for (HWND strip : ProcessWindows(mKivId, "frmBlank")) {
        strips += ::IsWindowVisible(strip) ? 1 : 0;
    }
    return strips;
}

bool Soak::FramesThePlayer() const {
    const SoakSetting& s = kSettings[0];
    RECT r{};
    if (!mPlayer.Running() || !::GetWindowRect(mPlayer.Window(), &r)) {
        return false;
    }
    return std::abs(r.left - s.left) <= s.orbitRange && std::abs(r.top - s.top) <= s.orbitRange &&
           r.right - r.left == s.width && r.bottom - r.top == s.height && VisibleStrips() == 4 &&
           !TaskbarVisible();
}

int Soak::Run() {
    if (!WriteKivFiles(mFolder)) {
        std::printf("could not write KIV.dat and KIV.ini in %s\n", mFolder.string().c_str());
        return 2;
    }
    // The shell desktop comes up with the first program of the session: this one.
    if (!PumpUntil([] { return Taskbar() != nullptr && TaskbarVisible(); }, 30s)) {
        std::printf("no visible taskbar (Shell_TrayWnd) before the start: run on Wine's shell "
                    "desktop\n");
        return 2;
    }
    if (!mPlayer.Start()) {
        std::printf("the stand-in player did not start\n");
        return 2;
    }
    mStart = Clock::now();
    if (!StartKiv()) {
        std::printf("KIV did not show its window\n");
        return 2;
    }
    Pause(2s);
    SetCheck("Orbiting On", true);
    const bool hidden = PumpUntil([] { return !TaskbarVisible(); });
    std::printf("KIV started (pid %lu); blanking hid the taskbar: %s\n", mKivId,
                hidden ? "yes" : "NO");
    mSources = ProbeSources(mKiv->Handle());
    PrintSample("start", Elapsed(), TakeSample(mKiv->Handle(), mKivId, mSources));

    // Warm-up: one whole cycle at least, since the first time a window is
    // shown or painted creates objects that stay (under Wine about 150 GDI
    // objects appear in the first cycle and stay).
    const double warmUp = std::min(60.0, mSeconds / 5.0);
    const double sampleEvery = std::max(30.0, mSeconds / 10.0);
    std::optional<Sample> baseline;
    double nextSample = 0;
    bool alive = true;
    bool responding = true;
    bool framed = true;
    int step = 0;
    while (Elapsed() < mSeconds) {
        Step(step++);
        Pause(2s);
        WatchMessageBoxes();
        if (!KivAlive()) {
            alive = false;
            const DWORD code = mKiv->ExitCode();
            std::printf("t=%.0fs KIV DIED, exit code 0x%08lX, after step %d\n", Elapsed(), code,
                        step - 1);
            break;
        }
        if (!baseline && step >= kCycleSteps && Elapsed() >= warmUp) {
            framed = Settle() && framed;
            baseline = TakeSample(mKiv->Handle(), mKivId, mSources);
            PrintSample("warmed up", Elapsed(), *baseline);
            nextSample = Elapsed() + sampleEvery;
        } else if (baseline && Elapsed() >= nextSample) {
            PrintSample("sample", Elapsed(), TakeSample(mKiv->Handle(), mKivId, mSources));
            nextSample += sampleEvery;
        }
    }

    Sample end;
    if (alive) {
        framed = Settle() && framed;
        responding = KivResponds();
        end = TakeSample(mKiv->Handle(), mKivId, mSources);
        PrintSample("end", Elapsed(), end);
    }
    std::printf(
        "%d actions, %d hot key chords; the player started %d times, killed %d, closed %d\n", step,
        mChords, mPlayer.Starts(), mPlayer.Kills(), mPlayer.Closes());

    bool failed = !alive || !responding || !framed || mMessageBoxes > 0;
    if (alive && !responding) {
        std::printf("KIV DOES NOT ANSWER its window's messages\n");
    }
    if (alive && baseline) {
        // Tolerances: a few handles and windows of passing state, a little
        // heap; a leak of one object per action exceeds them many times over.
        auto check = [&](const char* what, double before, double after, double allowed) {
            if (before < 0 || after < 0) {
                return;
            }
            const bool grew = after - before > allowed;
            std::printf("%-12s warmed up %8.1f  end %8.1f  change %+8.1f (allowed +%.1f)%s\n", what,
                        before, after, after - before, allowed, grew ? "  GREW" : "");
            failed = failed || grew;
        };
        check("handles", double(baseline->handles), double(end.handles), 10);
        check("GDI objects", double(baseline->gdi), double(end.gdi), 10);
        check("USER objects", double(baseline->user), double(end.user), 10);
        check("windows", baseline->windows, end.windows, 2);
        check("commit MB", baseline->commitMb, end.commitMb, 4);
        check("working MB", baseline->workingSetMb, end.workingSetMb, 8);
    }

    if (alive) {
        ::PostMessageA(mMain, WM_CLOSE, 0, 0);
        const bool ended = mKiv->WaitForExit(30s);
        const DWORD code = mKiv->ExitCode();
        std::printf("KIV closed normally: %s (exit code %lu)\n",
                    ended ? "yes" : "NO, still running", code);
        failed = failed || !ended || code != 0;
        mKiv.reset(); // one still running is closed, or killed, here
    }
    const bool taskbarBack = PumpUntil(TaskbarVisible, 5s);
    std::printf("taskbar (Shell_TrayWnd) visible after KIV: %s\n", taskbarBack ? "yes" : "NO");
    std::printf("KIV alive through the soak: %s; message boxes: %d\n", alive ? "yes" : "NO",
                mMessageBoxes);
    mPlayer.Stop();
    failed = failed || !taskbarBack;
    std::printf("soak %s\n", failed ? "FAILED" : "passed");
    return failed ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 || std::atoi(argv[2]) <= 0) {
        std::fprintf(stderr, "usage: soak_driver KIV_FOLDER SECONDS\n");
        return 2;
    }
    // Unbuffered: the C runtime here has no line buffering, and the log is read live.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    return Soak(argv[1], std::atoi(argv[2])).Run();
}
