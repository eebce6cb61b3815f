// Blanking and orbiting end to end: kiv.exe frames the stand-in player with
// its four black strips, hides the shell's taskbar meanwhile and gives it
// back however KIV ends; orbiting moves the player and the strips follow.
#include "support/KivProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace kiv::e2e {
namespace {

struct BlankingValues {
    int blanking = 1;
    int orbitHorizontal = 0;
    int orbitVertical = 0;
    int orbitInterval = 0;
    int orbitIncrement = 0;
};

// A settings line with the orbit and blanking fields.
std::string Line(std::string_view name, int left, int top, int width, int height,
                 const BlankingValues& values) {
    std::ostringstream line;
    line << "S1=" << name << ";S2=Class:KivTestPlayer;S3=" << left << ";S4=" << top
         << ";S5=" << width << ";S6=" << height << ";S11=" << values.orbitHorizontal
         << ";S12=" << values.orbitVertical << ";S13=" << values.orbitInterval
         << ";S14=" << values.orbitIncrement << ";S15=" << values.blanking
         << ";S16=;S17=Player;S18=0;S19=0;S20=0;S21=0;S22=0;\r\n";
    return line.str();
}

HWND Taskbar() {
    return ::FindWindowA("Shell_traywnd", "");
}

bool TaskbarVisible() {
    return ::IsWindowVisible(Taskbar()) != FALSE;
}

std::string RectText(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

// KIV's blank windows.
std::vector<HWND> BlankWindows(DWORD processId) {
    return ProcessWindows(processId, "frmBlank");
}

std::vector<std::string> VisibleStripRects(DWORD processId) {
    std::vector<std::string> rects;
    for (HWND window : BlankWindows(processId)) {
        if (::IsWindowVisible(window)) {
            rects.push_back(RectText(WindowRectOf(window)));
        }
    }
    std::sort(rects.begin(), rects.end());
    return rects;
}

// The strips around a player at `r` with the default options and no pads.
std::vector<std::string> ExpectedStrips(const RECT& r) {
    const int caption = ::GetSystemMetrics(SM_CYCAPTION);
    const int frame = ::GetSystemMetrics(SM_CYFRAME);
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    const int left = static_cast<int>(r.left) + frame;
    const int top = static_cast<int>(r.top) + frame + caption;
    const int right = width - static_cast<int>(r.right) + frame;
    // Never thinner than the default taskbar margin of 3.
    const int bottom = std::max(height - static_cast<int>(r.bottom) + frame, 3);
    std::vector<std::string> rects = {
        RectText({0, 0, left, height}),
        RectText({0, 0, width, top}),
        RectText({width - right, 0, width, height}),
        RectText({0, height - bottom, width, height}),
    };
    std::sort(rects.begin(), rects.end());
    return rects;
}

// Class, caption and process of a window, for failure messages.
std::string WindowName(HWND window) {
    char name[64] = {};
    char caption[128] = {};
    ::GetClassNameA(window, name, sizeof name);
    ::GetWindowTextA(window, caption, sizeof caption);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    return std::string(name) + " \"" + caption + "\" pid " + std::to_string(pid);
}

// Sets a check box of KIV's and tells its page, as a click does.
void SetCheck(HWND main, const char* caption, bool checked) {
    HWND box = ChildWithText(main, caption);
    ASSERT_NE(box, nullptr) << caption;
    ::SendMessageA(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    ::SendMessageA(::GetParent(box), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(box), BN_CLICKED),
                   reinterpret_cast<LPARAM>(box));
}

const RECT kPlayerRect = {100, 50, 900, 650};

struct BlankingE2e : ::testing::Test {
    KivFolder folder;
    PlayerProcess player;

    void SetUp() override {
        ASSERT_TRUE(player.Started());
        ASSERT_NE(Taskbar(), nullptr) << "these tests need Wine's shell desktop";
        ASSERT_TRUE(TaskbarVisible());
        ASSERT_TRUE(player.Started());
    }
    void TearDown() override {
        // Whatever happened, the next test starts with a taskbar.
        if (!TaskbarVisible()) {
            ::SetWindowPos(Taskbar(), nullptr, 0, 0, 0, 0,
                           SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER |
                               SWP_NOACTIVATE);
        }
    }

    // Starts KIV on the setting and waits for the strips around the player.
    bool StartBlanking(KivProcess& kiv) {
        if (kiv.WaitForMainWindow() == nullptr) {
            return false;
        }
        if (!PumpUntil([&] { return SameRect(WindowRectOf(player.Window()), kPlayerRect); })) {
            return false;
        }
        std::vector<std::string> expected = ExpectedStrips(kPlayerRect);
        return PumpUntil([&] { return VisibleStripRects(kiv.ProcessId()) == expected; });
    }
    void WriteSetting(const BlankingValues& values = {}) {
        folder.Write("KIV.dat", Line("Movie", 100, 50, 800, 600, values));
        // Wine's shell shows its taskbar again whenever its first tray icon
        // appears, which Windows does not; without the icon the taskbar is
        // KIV's alone to hide and show.
        folder.Write("KIV.ini", "[KIV]\r\nShowTrayIcon=0\r\n");
    }
    bool MarkerExists() const { return folder.Read("KIV.taskbar").has_value(); }
};

TEST_F(BlankingE2e, FourTopmostStripsFrameThePlayerAndTheTaskbarHides) {
    WriteSetting();
    KivProcess kiv(folder, "/S Movie");
    ASSERT_TRUE(StartBlanking(kiv)) << ::testing::PrintToString(VisibleStripRects(kiv.ProcessId()));
    std::vector<HWND> strips = BlankWindows(kiv.ProcessId());
    ASSERT_EQ(strips.size(), 4u);
    for (HWND strip : strips) {
        EXPECT_TRUE(::IsWindowVisible(strip));
        EXPECT_NE(::GetWindowLongPtrA(strip, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
        EXPECT_NE(::GetWindowLongPtrA(strip, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
    }
    EXPECT_TRUE(PumpUntil([] { return !TaskbarVisible(); }));
    EXPECT_TRUE(MarkerExists());
    // The player's picture stays uncovered just inside its frame and title bar.
    POINT inside{kPlayerRect.left + 40, kPlayerRect.top + 70};
    EXPECT_EQ(::GetAncestor(::WindowFromPoint(inside), GA_ROOT), player.Window());

    SetCheck(kiv.MainWindow(), "Blan&king On", false);
    EXPECT_TRUE(PumpUntil([&] { return VisibleStripRects(kiv.ProcessId()).empty(); }));
    EXPECT_TRUE(PumpUntil([] { return TaskbarVisible(); }));
    EXPECT_TRUE(PumpUntil([&] { return !MarkerExists(); }));

    SetCheck(kiv.MainWindow(), "Blan&king On", true);
    EXPECT_TRUE(PumpUntil([] { return !TaskbarVisible(); }));
    EXPECT_TRUE(kiv.Close());
    EXPECT_EQ(kiv.ExitCode(), 0u);
    EXPECT_TRUE(TaskbarVisible());
    EXPECT_FALSE(MarkerExists());
}

TEST_F(BlankingE2e, ABlankingSettingFromTheCommandLineKeepsTheTaskbarHiddenWithTheTrayIcon) {
    folder.Write("KIV.dat", Line("Movie", 100, 50, 800, 600, {}));
    KivProcess kiv(folder, "/S Movie");
    ASSERT_NE(kiv.WaitForMainWindow(), nullptr);
    // Start-up ends with the tray icon added, after the setting hid the taskbar.
    EXPECT_TRUE(PumpUntil([&] { return BlankWindows(kiv.ProcessId()).size() == 4; }));
    EXPECT_TRUE(PumpUntil([] { return !TaskbarVisible(); }));
    PumpUntil([] { return false; }, std::chrono::milliseconds(500));
    EXPECT_FALSE(TaskbarVisible());
    EXPECT_TRUE(kiv.Close());
    EXPECT_TRUE(TaskbarVisible());
}

TEST_F(BlankingE2e, AKilledKivsTaskbarComesBackAtTheNextStart) {
    WriteSetting();
    {
        KivProcess kiv(folder, "/S Movie");
        ASSERT_TRUE(StartBlanking(kiv));
        ASSERT_TRUE(PumpUntil([] { return !TaskbarVisible(); }));
        win32::UniqueKernelHandle process(
            ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, kiv.ProcessId()));
        ASSERT_TRUE(process);
        ASSERT_TRUE(::TerminateProcess(process.Get(), 9));
        ASSERT_TRUE(kiv.WaitForExit());
    }
    EXPECT_FALSE(TaskbarVisible());
    EXPECT_TRUE(MarkerExists());
    KivProcess next(folder, "");
    ASSERT_NE(next.WaitForMainWindow(), nullptr);
    EXPECT_TRUE(PumpUntil([] { return TaskbarVisible(); }));
    EXPECT_TRUE(PumpUntil([&] { return !MarkerExists(); }));
}

TEST_F(BlankingE2e, TheEndOfTheSessionGivesTheTaskbarBack) {
    WriteSetting();
    KivProcess kiv(folder, "/S Movie");
    ASSERT_TRUE(StartBlanking(kiv));
    ASSERT_TRUE(PumpUntil([] { return !TaskbarVisible(); }));
    DWORD_PTR answer = 0;
    ::SendMessageTimeoutA(kiv.MainWindow(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF,
                          SMTO_ABORTIFHUNG, 5000, &answer);
    EXPECT_TRUE(PumpUntil([] { return TaskbarVisible(); }));
    EXPECT_TRUE(PumpUntil([&] { return !MarkerExists(); }));
}

TEST_F(BlankingE2e, ARecreatedTaskbarIsHiddenAgainWhileBlanking) {
    WriteSetting();
    KivProcess kiv(folder, "/S Movie");
    ASSERT_TRUE(StartBlanking(kiv));
    ASSERT_TRUE(PumpUntil([] { return !TaskbarVisible(); }));
    // The shell shows its new taskbar and announces it to every top-level window.
    ::SetWindowPos(Taskbar(), nullptr, 0, 0, 0, 0,
                   SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(TaskbarVisible());
    DWORD_PTR answer = 0;
    ::SendMessageTimeoutA(kiv.MainWindow(), ::RegisterWindowMessageA("TaskbarCreated"), 0, 0,
                          SMTO_ABORTIFHUNG, 5000, &answer);
    EXPECT_TRUE(PumpUntil([] { return !TaskbarVisible(); }));
}

TEST_F(BlankingE2e, AnUnhandledExceptionGivesTheTaskbarBack) {
    // Wine's crash dialog would wait for a user; the crash goes straight on instead.
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\WineDbg", 0, nullptr, 0,
                          KEY_SET_VALUE, nullptr, &key, nullptr) == ERROR_SUCCESS) {
        DWORD off = 0;
        ::RegSetValueExA(key, "ShowCrashDialog", 0, REG_DWORD, reinterpret_cast<BYTE*>(&off),
                         sizeof off);
        ::RegCloseKey(key);
    }
    WriteSetting();
    KivProcess kiv(folder, "/S Movie");
    ASSERT_TRUE(StartBlanking(kiv));
    ASSERT_TRUE(PumpUntil([] { return !TaskbarVisible(); }));
    // A thread that starts at an address holding no code faults at once.
    win32::UniqueKernelHandle process(
        ::OpenProcess(PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION | PROCESS_VM_OPERATION |
                          PROCESS_VM_WRITE | PROCESS_VM_READ | PROCESS_TERMINATE | SYNCHRONIZE,
                      FALSE, kiv.ProcessId()));
    ASSERT_TRUE(process);
    win32::UniqueKernelHandle thread(::CreateRemoteThread(
        process.Get(), nullptr, 0, reinterpret_cast<LPTHREAD_START_ROUTINE>(std::uintptr_t{16}),
        nullptr, 0, nullptr));
    ASSERT_TRUE(thread);
    EXPECT_TRUE(PumpUntil([] { return TaskbarVisible(); }));
    EXPECT_TRUE(PumpUntil([&] { return !MarkerExists(); }));
    if (!kiv.WaitForExit()) {
        ::TerminateProcess(process.Get(), 9);
    }
}

TEST_F(BlankingE2e, TheStripsFollowAnOrbitStepAndOrbitingOffPutsThePlayerBack) {
    BlankingValues values;
    values.orbitHorizontal = 3;
    values.orbitVertical = 3;
    values.orbitIncrement = 1;
    WriteSetting(values);
    KivProcess kiv(folder, "/S Movie");
    ASSERT_TRUE(StartBlanking(kiv));
    SetCheck(kiv.MainWindow(), "Orbiting On", true);
    const RECT stepped = {101, 51, 901, 651};
    ASSERT_TRUE(PumpUntil([&] { return SameRect(WindowRectOf(player.Window()), stepped); }))
        << RectText(WindowRectOf(player.Window()));
    std::vector<std::string> following = ExpectedStrips(stepped);
    EXPECT_TRUE(PumpUntil([&] { return VisibleStripRects(kiv.ProcessId()) == following; }))
        << ::testing::PrintToString(VisibleStripRects(kiv.ProcessId()));

    SetCheck(kiv.MainWindow(), "Orbiting On", false);
    EXPECT_TRUE(PumpUntil([&] { return SameRect(WindowRectOf(player.Window()), kPlayerRect); }));
    std::vector<std::string> home = ExpectedStrips(kPlayerRect);
    EXPECT_TRUE(PumpUntil([&] { return VisibleStripRects(kiv.ProcessId()) == home; }));
}

TEST_F(BlankingE2e, AKeyPressedOnAStripReachesTheMainWindowsKeyHandling) {
    WriteSetting();
    KivProcess kiv(folder, "/S Movie");
    ASSERT_TRUE(StartBlanking(kiv));
    const UINT lastKey = ::RegisterWindowMessageA("KIV.LastKeyDown");
    auto query = [&] {
        DWORD_PTR answer = 0;
        ::SendMessageTimeoutA(kiv.MainWindow(), lastKey, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer);
        return static_cast<uint64_t>(answer);
    };
    ASSERT_EQ(query() >> 32, 0u);

    // KIV activates its main window as its start-up ends; the click comes after.
    ASSERT_TRUE(PumpUntil([&] { return ::IsWindowVisible(kiv.MainWindow()) != FALSE; }));
    PumpUntil([&] { return ::GetForegroundWindow() == kiv.MainWindow(); });
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutA(kiv.MainWindow(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);

    // A click on the left strip makes it the active window.
    const POINT onStrip{20, 400};
    HWND strip = ::WindowFromPoint(onStrip);
    char name[32] = {};
    ::GetClassNameA(strip, name, sizeof name);
    ASSERT_EQ(std::string_view(name), "frmBlank");
    ASSERT_TRUE(ClickAt(onStrip));
    ASSERT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == strip; }))
        << "foreground: " << WindowName(::GetForegroundWindow());

    InputWitness witness;
    ASSERT_TRUE(witness.IsInstalled());
    ASSERT_TRUE(witness.SendAndSettle(Chord({VK_SHIFT}, VK_F7)));
    EXPECT_TRUE(PumpUntil([&] { return (query() & 0xFFFF) == VK_F7; })) << std::hex << query();
    EXPECT_EQ((query() >> 16) & 0xFFFF, 1u); // Shift
}

} // namespace
} // namespace kiv::e2e
