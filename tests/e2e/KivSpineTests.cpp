// kiv.exe against the stand-in player: start-up, selection from the command
// line, placement, the lock watchdog and the support libraries' load test.
#include "KIVKbd/KIVKbd.h"
#include "KIVUtil/KIVUtil.h"
#include "support/KivProcess.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace kiv::e2e {
namespace {

constexpr RECT kExact = {33, 44, 33 + 555, 44 + 333};

struct SpineTest : ::testing::Test {
    KivFolder folder;
};

// The front one of the player's windows is moved. Locked, it is put back at
// once when moved: the size hook (on by default) reports each move, and the
// watchdog alone, ticking once a second, could not bring it back within
// 400 ms twice in a row.
TEST_F(SpineTest, TheFrontPlayerWindowIsMovedAndWhenLockedPutBackAtOnce) {
    PlayerProcess player(PlayerSpec{.secondWindow = true});
    ASSERT_NE(player.Window(1), nullptr);
    HWND front = ::FindWindowA("KivTestPlayer", nullptr);
    HWND back = front == player.Window(0) ? player.Window(1) : player.Window(0);
    const RECT backBefore = WindowRectOf(back);
    CWindowSetting locked = Setting("Locked", 33, 44, 555, 333);
    locked.LockPosition = 1;
    folder.WriteSettings({locked});
    KivProcess kiv(folder, "/S Locked");
    ASSERT_NE(kiv.WaitForMainWindow(), nullptr);
    ASSERT_TRUE(WaitForRect(front, kExact));
    EXPECT_TRUE(SameRect(WindowRectOf(back), backBefore));
    for (int move = 0; move < 3; ++move) {
        SCOPED_TRACE(move);
        ::MoveWindow(front, 200 + move, 150, 300, 200, TRUE);
        EXPECT_TRUE(WaitForRect(front, kExact, 400ms));
    }
}

// With no settings file KIV offers the three first-run settings and writes no
// file; /r (and no other value) leaves the setting commands off. The debug log
// is written beside the data files only when KIV_LOG=1 is in KIV's environment.
TEST_F(SpineTest, FirstRunListsTheThreeSettingsWritesNoFileAndSlashRMakesThemReadOnly) {
    constexpr int kAddButton = 900; // the toolbar's first button
    for (const char* arguments : {"", "/r", "/R Yes"}) {
        SCOPED_TRACE(arguments);
        KivProcess kiv(folder, arguments);
        HWND main = kiv.WaitForMainWindow();
        ASSERT_NE(main, nullptr);
        HWND combo = ::FindWindowExA(main, nullptr, WC_COMBOBOXA, nullptr);
        ASSERT_EQ(::SendMessageA(combo, CB_GETCOUNT, 0, 0), 3);
        EXPECT_EQ(::SendMessageA(combo, CB_GETCURSEL, 0, 0), CB_ERR);
        HWND toolbar = ::FindWindowExA(main, nullptr, TOOLBARCLASSNAMEA, nullptr);
        const bool readOnly = std::string_view(arguments) == "/r";
        EXPECT_EQ(::SendMessageA(toolbar, TB_ISBUTTONENABLED, kAddButton, 0) != 0, !readOnly);
        EXPECT_TRUE(kiv.Close());
        EXPECT_FALSE(folder.Read("KIV.dat").has_value());
        EXPECT_FALSE(folder.Read("kiv.log").has_value());
    }
    ::SetEnvironmentVariableA("KIV_LOG", "1");
    KivProcess kiv(folder, "");
    ::SetEnvironmentVariableA("KIV_LOG", nullptr);
    ASSERT_NE(kiv.WaitForMainWindow(), nullptr);
    EXPECT_TRUE(kiv.Close());
    EXPECT_NE(folder.Read("kiv.log").value_or("").find("KIV: debug log started\r\n"),
              std::string::npos);
}

// A second copy ends at once; with /S it hands the setting to the first,
// which places the player as a remote control expects: the name, as the
// setting list's own search finds it, and the caption are found whole,
// whatever the case of their letters (a Windows-1252 "\374" for "\334" too).
// Texts no window has do no harm.
TEST_F(SpineTest, ASecondCopyHandsItsSettingToTheFirstAndHostileTextsDoNoHarm) {
    PlayerProcess player;
    ASSERT_TRUE(player.Started());
    folder.WriteSettings({Setting("Long", 1, 2, 300, 200, "Class:" + std::string(300, 'K')),
                          Setting("Caf\xE9 \xBB", 1, 2, 300, 200, "Caf\xE9 Player"),
                          Setting("\334bersicht", 33, 44, 555, 333, "test player")});
    KivProcess first(folder, "/S Long");
    ASSERT_NE(first.WaitForMainWindow(), nullptr);
    EXPECT_TRUE(PumpUntil([&] { return first.Caption() == "KIV - Long"; })) << first.Caption();
    KivProcess second(folder, "/S \374bersicht /R", false);
    EXPECT_TRUE(second.WaitForExit());
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_TRUE(WaitForRect(player.Window(), kExact));
    EXPECT_TRUE(PumpUntil([&] { return first.Caption() == "KIV - \334bersicht"; }))
        << first.Caption();
    EXPECT_FALSE(first.HasExited());
    EXPECT_TRUE(first.Close());
}

TEST_F(SpineTest, AMissingLibraryIsNamedAndEndsTheProgram) {
    for (const char* library : {support::kSizeLibraryFile, support::kKeyboardLibraryFile}) {
        SCOPED_TRACE(library);
        KivFolder incomplete;
        std::filesystem::remove(incomplete.File(library));
        KivProcess kiv(incomplete, "");
        std::optional<MessageBoxSeen> box = kiv.WaitForMessageBox();
        ASSERT_TRUE(box.has_value());
        EXPECT_EQ(box->title, "KIV");
        EXPECT_EQ(box->text, std::string("Unable to load the required support DLL '") + library +
                                 "'. Please insure that KIV is installed correctly.");
        kiv.DismissMessageBox();
        EXPECT_TRUE(kiv.WaitForExit());
        EXPECT_NE(kiv.ExitCode(), 0u);
    }
}

} // namespace
} // namespace kiv::e2e
