// Blanking and orbiting end to end: kiv.exe frames the stand-in player with
// its four black strips, hides the shell's taskbar meanwhile and gives it
// back however KIV ends; orbiting moves the player on its timer.
#include "support/KivProcess.h"

#include <gtest/gtest.h>

namespace kiv::e2e {
namespace {

const RECT kPlayerRect = {100, 50, 900, 650};

struct BlankingE2e : ::testing::Test {
    KivFolder folder;
    PlayerProcess player;

    void SetUp() override {
        ASSERT_TRUE(player.Started());
        ASSERT_NE(Taskbar(), nullptr) << "these tests need Wine's shell desktop";
        ASSERT_TRUE(TaskbarVisible());
    }
    void TearDown() override {
        // Whatever happened, the next test starts with a taskbar.
        ShowTaskbar();
    }

    // Starts KIV on the setting and waits for the strips around the player.
    bool StartBlanking(KivProcess& kiv) {
        const RECT screen = {0, 0, ::GetSystemMetrics(SM_CXSCREEN),
                             ::GetSystemMetrics(SM_CYSCREEN)};
        return kiv.WaitForMainWindow() != nullptr && WaitForRect(player.Window(), kPlayerRect) &&
               WaitForStrips(kiv.ProcessId(), screen, kPlayerRect);
    }
    static CWindowSetting Movie() {
        CWindowSetting movie = Setting("Movie", 100, 50, 800, 600);
        movie.BlankingOn = 1;
        return movie;
    }
    void WriteSetting(const CWindowSetting& setting = Movie()) {
        folder.WriteSettings({setting});
        // Wine's shell shows its taskbar again whenever its first tray icon
        // appears, which Windows does not; without the icon the taskbar is
        // KIV's alone to hide and show.
        folder.Write("KIV.ini", "[KIV]\r\nShowTrayIcon=0\r\n");
    }
    bool MarkerExists() const { return folder.Read("KIV.taskbar").has_value(); }
};

// The context menu of a strip opens over the picture without bringing KIV's
// window forward; "Show KIV" is the way to do that.
TEST_F(BlankingE2e, AStripsContextMenuLeavesThePlayerInFrontOfKiv) {
    WriteSetting();
    KivProcess kiv(folder, "/S Movie");
    ASSERT_TRUE(StartBlanking(kiv));
    HWND main = kiv.MainWindow();
    // Wine activates windows a moment late: KIV's start first, then the player.
    WaitUntilSteady([] { return ::GetForegroundWindow(); }, 500ms);
    ASSERT_TRUE(ClickAt({kPlayerRect.left + 40, kPlayerRect.top + 70}));
    auto playerAboveKiv = [&] {
        HWND w = player.Window();
        while (w != nullptr && w != main) {
            w = ::GetWindow(w, GW_HWNDNEXT);
        }
        return w == main;
    };
    WaitUntilSteady([] { return ::GetForegroundWindow(); }, 500ms);
    ASSERT_TRUE(PumpUntil(playerAboveKiv));

    const POINT onLeftStrip{kPlayerRect.left / 2, 300};
    SendMouse(MOUSEEVENTF_RIGHTDOWN, onLeftStrip);
    SendMouse(MOUSEEVENTF_RIGHTUP, onLeftStrip);
    ASSERT_NE(kiv.WaitForMenu(), nullptr);
    EXPECT_NE(::GetForegroundWindow(), main);
    EXPECT_TRUE(playerAboveKiv());
    Tap(VK_ESCAPE);
    EXPECT_TRUE(PumpUntil([&] { return FindProcessWindow(kiv.ProcessId(), "#32768") == nullptr; }));
    EXPECT_TRUE(playerAboveKiv());
    EXPECT_TRUE(kiv.Close());
}

// Four strips frame the player, leaving its picture uncovered, and the
// taskbar hides meanwhile. However KIV ends, the taskbar comes back: at once,
// or when KIV was killed (nothing of it left to act), at its next start.
// Switching blanking off and on again is BlankingTests' (core) for the strips,
// the taskbar and its marker, and MainWindowTests' (Wine) for a check box
// reaching the controller.
TEST_F(BlankingE2e, StripsFrameThePlayerAndTheTaskbarComesBackHoweverKivEnds) {
    // Wine's crash dialog would wait for a user; the crash goes straight on instead.
    const DWORD off = 0;
    ::RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Wine\\WineDbg", "ShowCrashDialog", REG_DWORD,
                      &off, sizeof off);
    const struct {
        const char* how;
        bool backAtNextStart;
        void (*end)(const KivProcess&);
    } ends[] = {
        {"closed", false,
         [](const KivProcess& kiv) { ::PostMessageA(kiv.MainWindow(), WM_CLOSE, 0, 0); }},
        {"killed", true, [](const KivProcess& kiv) { ::TerminateProcess(kiv.Handle(), 9); }},
        {"the session ends", false,
         [](const KivProcess& kiv) {
             DWORD_PTR answer = 0;
             ::SendMessageTimeoutA(kiv.MainWindow(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF,
                                   SMTO_ABORTIFHUNG, 5000, &answer);
         }},
        // A thread that starts at an address holding no code faults at once.
        {"an unhandled exception", false,
         [](const KivProcess& kiv) {
             win32::UniqueKernelHandle thread(
                 ::CreateRemoteThread(kiv.Handle(), nullptr, 0,
                                      reinterpret_cast<LPTHREAD_START_ROUTINE>(std::uintptr_t{16}),
                                      nullptr, 0, nullptr));
         }},
    };
    WriteSetting();
    for (const auto& end : ends) {
        SCOPED_TRACE(end.how);
        {
            KivProcess kiv(folder, "/S Movie");
            ASSERT_TRUE(StartBlanking(kiv));
            ASSERT_TRUE(PumpUntil([] { return !TaskbarVisible(); }));
            EXPECT_TRUE(MarkerExists());
            // The picture stays uncovered just inside the player's frame and title bar.
            POINT inside{kPlayerRect.left + 40, kPlayerRect.top + 70};
            EXPECT_EQ(::GetAncestor(::WindowFromPoint(inside), GA_ROOT), player.Window());
            end.end(kiv);
            if (end.backAtNextStart) {
                ASSERT_TRUE(kiv.WaitForExit());
                EXPECT_FALSE(TaskbarVisible());
                EXPECT_TRUE(MarkerExists());
            } else {
                EXPECT_TRUE(PumpUntil([] { return TaskbarVisible(); }));
                EXPECT_TRUE(PumpUntil([&] { return !MarkerExists(); }));
            }
        } // a KIV still running closes, or is killed, here

        if (end.backAtNextStart) {
            KivProcess next(folder, "");
            ASSERT_NE(next.WaitForMainWindow(), nullptr);
            EXPECT_TRUE(PumpUntil([] { return TaskbarVisible(); }));
            EXPECT_TRUE(PumpUntil([&] { return !MarkerExists(); }));
        }
        ShowTaskbar(); // each way from a shown taskbar
        ASSERT_TRUE(PumpUntil([] { return TaskbarVisible(); }));
    }
}

// Start-up ends with the tray icon added, after the setting hid the taskbar;
// Wine's shell shows its taskbar for the icon, and KIV hides it again. Then
// orbiting steps the player on its timer, and switched off puts it back.
TEST_F(BlankingE2e, TheTaskbarStaysHiddenWithTheTrayIconAndOrbitingStepsThePlayerOnItsTimer) {
    CWindowSetting orbiting = Movie();
    orbiting.OrbitRangeHorizontal = 3;
    orbiting.OrbitRangeVertical = 3;
    orbiting.OrbitIncrement = 1;
    folder.WriteSettings({orbiting});
    KivProcess kiv(folder, "/S Movie");
    ASSERT_TRUE(StartBlanking(kiv));
    HWND main = kiv.MainWindow();
    ASSERT_TRUE(PumpUntil([&] { return TrayIconPresent(main); }));
    EXPECT_TRUE(WaitUntilSteady(TaskbarVisible, 500ms));
    EXPECT_FALSE(TaskbarVisible());

    ASSERT_TRUE(SetCheck(main, "Orbiting On", true));
    const RECT stepped = {101, 51, 901, 651};
    ASSERT_TRUE(WaitForRect(player.Window(), stepped));
    ASSERT_TRUE(SetCheck(main, "Orbiting On", false));
    EXPECT_TRUE(WaitForRect(player.Window(), kPlayerRect));
}

} // namespace
} // namespace kiv::e2e
