// kiv.exe with a disc in a stand-in DVD drive (tests/wine/wine-env.sh: R: holds
// KIVTESTDVD, T: MY_DVD_TITLE). Wine announces no arrival for these drives; a
// test sends the broadcast the system would.
#include "support/KivProcess.h"

#include <dbt.h>
#include <gtest/gtest.h>

namespace kiv::e2e {
namespace {

struct DvdTest : ::testing::Test {
    void Configure(char drive, const std::string& more) {
        folder.WriteSettings({Setting("Movie", 33, 44, 555, 333)});
        folder.Write("KIV.ini", "[KIV]\r\nDrive=" + std::string(1, drive) + "\r\n" + more);
    }
    KivFolder folder;
};

TEST_F(DvdTest, StartUpStartsThePlayerSelectsTheDiscsSettingAndPlacesTheWindowWhenItAppears) {
    Configure('R', "LaunchApplication=" + (ExeDirectory() / "kiv_player.exe").string() + "\r\n");
    folder.Write("KIVPlay.dat", "S1=Test Film;S2=Movie;S3=KIVTESTDVD;S4=1234ABCD;\r\n");
    KivProcess kiv(folder, "");
    HWND main = kiv.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    // The disc is handled last, after the window is shown.
    EXPECT_TRUE(PumpUntil([&] { return ChildWithText(main, "Current DVD: Test Film"); }));
    EXPECT_EQ(kiv.Caption(), "KIV - Movie");
    HWND player = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (player = ::FindWindowA("KivTestPlayer", nullptr)); }));
    EXPECT_TRUE(WaitForRect(player, Ltwh(33, 44, 555, 333)));
    ::PostMessageA(player, WM_CLOSE, 0, 0);
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(player); }));
}

// Start-up never adds a disc (DvdArrivalTests' StartUpNeverAdds).
TEST_F(DvdTest, AnUnknownDiscIsAddedWithANoticeWhenItArrives) {
    Configure('T', "PlayListAutoAdd=1\r\nPlayListDefaultSetting=Movie\r\n");
    KivProcess kiv(folder, "");
    HWND main = kiv.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntilSteady([] { return ::GetForegroundWindow(); }, 500ms));

    DEV_BROADCAST_VOLUME disc{sizeof disc, DBT_DEVTYP_VOLUME, 0, 1u << ('T' - 'A'), DBTF_MEDIA};
    DWORD_PTR answer = 0;
    ::SendMessageTimeoutA(HWND_BROADCAST, WM_DEVICECHANGE, DBT_DEVICEARRIVAL,
                          reinterpret_cast<LPARAM>(&disc), SMTO_ABORTIFHUNG, 5000, &answer);
    HWND notice = nullptr;
    ASSERT_TRUE(
        PumpUntil([&] { return (notice = FindProcessWindow(kiv.ProcessId(), "frmAddingTitle")); }));
    EXPECT_NE(ChildWithText(notice, "Adding 'My Dvd Title'"), nullptr);
    EXPECT_TRUE(PumpUntil([&] { return ChildWithText(main, "Current DVD: My Dvd Title"); }));
    EXPECT_EQ(folder.Read("KIVPlay.dat"),
              std::string("S1=My Dvd Title;S2=Movie;S3=MY_DVD_TITLE;S4=5EED;\r\n"));

    // Any key takes the notice away before its three seconds are up.
    ASSERT_TRUE(WaitUntilSteady([] { return ::GetForegroundWindow(); }, 300ms));
    ASSERT_EQ(::GetForegroundWindow(), notice);
    Tap(VK_SPACE);
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(notice); }, 2s));
}

} // namespace
} // namespace kiv::e2e
