// The play list end to end: opened from kiv.exe's menu, a title chosen,
// and the player placed with that title's setting.
#include "playlist/win32/frmPlayList.h"
#include "support/KivProcess.h"

#include <gtest/gtest.h>

namespace kiv::e2e {
namespace {

TEST(PlayListE2e, ATitleChosenFromTheMenusPlayListPlacesThePlayer) {
    KivFolder folder;
    PlayerProcess player;
    ASSERT_TRUE(player.Started());
    folder.WriteSettings({Setting("Player", 10, 20, 200, 150), Setting("Wide", 30, 40, 320, 180)});
    folder.Write("KIVPlay.dat", "S1=Movie;S2=Wide;S3=MOVIE;S4=1F;\r\n");
    KivProcess kiv(folder, "/S Player");
    HWND main = kiv.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == main; }));
    ASSERT_TRUE(WaitForFocusIn(main));

    SendChord({VK_MENU}, 'F'); // "&Features", "&Play List..."
    Tap('P');

    HWND window = nullptr;
    ASSERT_TRUE(PumpUntil([&] {
        window = FindProcessWindow(kiv.ProcessId(), "frmPlayList");
        return window != nullptr && ::GetForegroundWindow() == window;
    }));
    ASSERT_TRUE(WaitForFocusIn(window));
    // The only title is selected on opening.
    ASSERT_TRUE(ClickAt(CentreOf(::GetDlgItem(window, win32::frmPlayList::cmdSelect))));
    EXPECT_TRUE(PumpUntil([&] { return kiv.Caption() == "KIV - Wide"; })) << kiv.Caption();
    EXPECT_TRUE(
        PumpUntil([&] { return SameRect(WindowRectOf(player.Window()), Ltwh(30, 40, 320, 180)); }));
    EXPECT_FALSE(::IsWindow(window));
}

} // namespace
} // namespace kiv::e2e
