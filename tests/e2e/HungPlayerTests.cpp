// A player that stops answering (its process stopped, as a hung program is)
// must not freeze KIV: kiv.exe and the stand-in player as real processes, the
// player's Linux process stopped and continued with kill.

#include "support/KivProcess.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace kiv::e2e {
namespace {

// This test program's own Linux process: a name made of it is unique on the
// machine, whichever Wine prefix other tests run in.
std::string OwnLinuxPid() {
    std::ifstream stat(DosPath("/proc/self/stat"));
    std::string pid;
    stat >> pid;
    return pid;
}

// Whether the window's thread takes a message within a moment.
bool Answers(HWND window) {
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 200, &result) != 0;
}

// Stops the Linux process of the player of this class (Wine gives each Windows
// process the Windows command line as its own), as a player that hangs takes
// no message, or continues it; true once the player's window no longer
// answers, or does again.
bool Signal(const std::string& playerClass, HWND window, bool stop) {
    return StartUnixProgram("/usr/bin/pkill", std::string(stop ? "-STOP" : "-CONT") + " -f \"" +
                                                  playerClass + "( |$)\"") &&
           PumpUntil([&] { return Answers(window) != stop; });
}

constexpr int kSaveButton = 3;

TEST(HungPlayerE2e, KivGoesOnWhileThePlayerIsStoppedAndPlacesItOnceItRuns) {
    // A class of this run's own, so that only this player's process is found.
    const std::string playerClass = "KivHungPlayer" + OwnLinuxPid();
    ASSERT_NE(playerClass, "KivHungPlayer");
    PlayerProcess player(PlayerSpec{.className = playerClass});
    ASSERT_TRUE(player.Started());
    KivFolder folder;
    folder.WriteSettings({Setting("Player", 10, 20, 200, 150, "Class:" + playerClass)});
    // Shift+F4 nudges the window one pixel right.
    folder.Write("KIV.ini", "[KIV]\r\nShowTrayIcon=0\r\nHotKeyMoveRight=10115\r\n");
    KivProcess kiv(folder, "/S Player");
    HWND main = kiv.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitForRect(player.Window(), Ltwh(10, 20, 200, 150)));
    ASSERT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == main; }));
    ASSERT_TRUE(WaitForFocusIn(main));

    // However the test ends, the player runs again to be closed.
    const struct Continued {
        std::string playerClass;
        HWND window;
        ~Continued() { Signal(playerClass, window, false); }
    } continued{playerClass, player.Window()};
    ASSERT_TRUE(Signal(playerClass, player.Window(), true));
    SendChord({VK_SHIFT}, VK_F4);
    EXPECT_TRUE(PumpUntil([&] {
        return kiv.Caption() == "KIV - Player (the window does not respond)";
    })) << kiv.Caption();
    // KIV goes on meanwhile: a click on Save writes the nudged setting.
    ASSERT_TRUE(ClickAt(ToolbarButton(main, kSaveButton)));
    EXPECT_TRUE(PumpUntil([&] {
        return folder.Read("KIV.dat").value_or("").find("S3=11;S4=20;") != std::string::npos;
    })) << folder.Read("KIV.dat").value_or("");
    EXPECT_TRUE(SameRect(WindowRectOf(player.Window()), Ltwh(10, 20, 200, 150)));

    ASSERT_TRUE(Signal(playerClass, player.Window(), false));
    EXPECT_TRUE(WaitForRect(player.Window(), Ltwh(11, 20, 200, 150)));
    EXPECT_TRUE(PumpUntil([&] { return kiv.Caption() == "KIV - Player"; })) << kiv.Caption();
    EXPECT_TRUE(kiv.Close());
}

} // namespace
} // namespace kiv::e2e
