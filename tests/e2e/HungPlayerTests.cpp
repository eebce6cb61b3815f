// A player that stops answering (its process stopped, as a hung program is)
// must not freeze KIV: kiv.exe and the stand-in player as real processes, the
// player's Linux process stopped and continued with kill.

#include "support/KivProcess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace kiv::e2e {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The Linux process whose command line has `word` as one of its words; 0 when
// none. Wine gives each Windows process the Windows command line as its own.
std::string LinuxProcessWith(const std::string& word) {
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(DosPath("/proc"), error)) {
        const std::string pid = entry.path().filename().string();
        if (pid.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        const std::string line = ReadAll(entry.path() / "cmdline");
        if (line.find(std::string(1, '\0') + word + '\0') != std::string::npos) {
            return pid;
        }
    }
    return {};
}

// The state letter of a Linux process ('T' while stopped), or 0.
char LinuxProcessState(const std::string& pid) {
    const std::string stat = ReadAll(DosPath("/proc") / pid / "stat");
    const size_t end = stat.rfind(") ");
    return end == std::string::npos || end + 2 >= stat.size() ? 0 : stat[end + 2];
}

// Stops a Linux process, as a player that hangs takes no message, or
// continues it; true once it has.
bool Signal(const std::string& pid, bool stop) {
    return StartUnixProgram("/bin/kill", (stop ? "-STOP " : "-CONT ") + pid) &&
           PumpUntil([&] { return (LinuxProcessState(pid) == 'T') == stop; });
}

// This test program's own Linux process: a name made of it is unique on the
// machine, whichever Wine prefix other tests run in.
std::string OwnLinuxPid() {
    const std::string stat = ReadAll(DosPath("/proc/self/stat"));
    return stat.substr(0, stat.find(' '));
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
    auto playerAt = [&](const RECT& wanted) {
        return PumpUntil([&] { return SameRect(WindowRectOf(player.Window()), wanted); });
    };
    ASSERT_TRUE(playerAt(Ltwh(10, 20, 200, 150)));
    ASSERT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == main; }));
    ASSERT_TRUE(WaitForFocusIn(main));

    const std::string pid = LinuxProcessWith(playerClass);
    ASSERT_FALSE(pid.empty());
    // However the test ends, the player runs again to be closed.
    const struct Continued {
        std::string pid;
        ~Continued() { Signal(pid, false); }
    } continued{pid};
    ASSERT_TRUE(Signal(pid, true));
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

    ASSERT_TRUE(Signal(pid, false));
    EXPECT_TRUE(playerAt(Ltwh(11, 20, 200, 150))) << RectText(WindowRectOf(player.Window()));
    EXPECT_TRUE(PumpUntil([&] { return kiv.Caption() == "KIV - Player"; })) << kiv.Caption();
    EXPECT_TRUE(kiv.Close());
}

} // namespace
} // namespace kiv::e2e
