// kiv.exe with a disc in a stand-in DVD drive (tests/wine/wine-env.sh: R: holds
// the disc KIVTESTDVD, T: the disc MY_DVD_TITLE). Wine announces no arrival
// for these drives; the tests send the broadcast the system would.
#include "support/KivProcess.h"

#include <commctrl.h>
#include <dbt.h>
#include <gtest/gtest.h>

namespace kiv::e2e {
namespace {

constexpr RECT kMovie = {33, 44, 33 + 555, 44 + 333};
constexpr std::string_view kKnownDisc = "S1=Test Film;S2=Movie;S3=KIVTESTDVD;S4=1234ABCD;\r\n";

void BroadcastArrival(char drive, WORD flags) {
    DEV_BROADCAST_VOLUME volume{sizeof volume, DBT_DEVTYP_VOLUME, 0, 1u << (drive - 'A'), flags};
    DWORD_PTR answer = 0;
    ::SendMessageTimeoutA(HWND_BROADCAST, WM_DEVICECHANGE, DBT_DEVICEARRIVAL,
                          reinterpret_cast<LPARAM>(&volume), SMTO_ABORTIFHUNG, 5000, &answer);
}

bool WaitForChild(HWND main, std::string_view text) {
    return PumpUntil([&] { return ChildWithText(main, text) != nullptr; });
}

struct DvdTest : ::testing::Test {
    void Configure(char drive, std::string_view more = "") {
        folder.WriteSettings(
            {Setting("Movie", 33, 44, 555, 333), Setting("Other", 1, 1, 200, 100)});
        folder.Write("KIV.ini",
                     "[KIV]\r\nDrive=" + std::string(1, drive) + "\r\n" + std::string(more));
    }
    KivFolder folder;
};

TEST_F(DvdTest, AKnownDiscSelectsItsSettingAtStartUpAndWhenAMediumArrives) {
    PlayerProcess player;
    ASSERT_TRUE(player.Started());
    Configure('R');
    folder.Write("KIVPlay.dat", kKnownDisc);
    KivProcess kiv(folder, "");
    HWND main = kiv.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(PumpUntil([&] { return kiv.Caption() == "KIV - Movie"; })) << kiv.Caption();
    EXPECT_TRUE(WaitForChild(main, "Current DVD: Test Film"));
    EXPECT_TRUE(PumpUntil([&] { return SameRect(WindowRectOf(player.Window()), kMovie); }));

    // "Other" chosen after a volume arrival that is not a medium: had the
    // arrival selected Movie first, the choice would read Movie back.
    HWND combo = ::FindWindowExA(main, nullptr, WC_COMBOBOXA, nullptr);
    ::SendMessageA(combo, CB_SETCURSEL, 1, 0);
    BroadcastArrival('R', 0);
    ::PostMessageA(main, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(combo), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(combo));
    EXPECT_TRUE(PumpUntil([&] { return kiv.Caption() == "KIV - Other"; })) << kiv.Caption();

    BroadcastArrival('R', DBTF_MEDIA);
    EXPECT_TRUE(PumpUntil([&] { return kiv.Caption() == "KIV - Movie"; })) << kiv.Caption();
    EXPECT_TRUE(PumpUntil([&] { return SameRect(WindowRectOf(player.Window()), kMovie); }));
    EXPECT_EQ(folder.Read("KIVPlay.dat"), std::string(kKnownDisc));
}

TEST_F(DvdTest, AnUnknownDiscIsAddedWithANoticeWhenItArrivesButNotAtStartUp) {
    Configure('T', "PlayListAutoAdd=1\r\nPlayListDefaultSetting=Movie\r\n");
    KivProcess kiv(folder, "");
    HWND main = kiv.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntilSteady([] { return ::GetForegroundWindow(); }, 500ms));
    EXPECT_FALSE(folder.Read("KIVPlay.dat").has_value()) << "start-up never adds";

    BroadcastArrival('T', DBTF_MEDIA);
    HWND notice = nullptr;
    ASSERT_TRUE(PumpUntil([&] {
        notice = FindProcessWindow(kiv.ProcessId(), "frmAddingTitle");
        return notice != nullptr;
    }));
    EXPECT_NE(ChildWithText(notice, "Adding 'My Dvd Title'"), nullptr);
    EXPECT_TRUE(WaitForChild(main, "Current DVD: My Dvd Title"));
    const std::optional<std::string> added = folder.Read("KIVPlay.dat");
    ASSERT_TRUE(added.has_value());
    EXPECT_TRUE(added->starts_with("S1=My Dvd Title;S2=Movie;S3=MY_DVD_TITLE;S4=")) << *added;
    EXPECT_EQ(kiv.Caption(), "KIV") << "the default setting is not applied";

    // Any key takes the notice away before its three seconds are up.
    ASSERT_TRUE(WaitUntilSteady([] { return ::GetForegroundWindow(); }, 300ms));
    ASSERT_EQ(::GetForegroundWindow(), notice);
    Tap(VK_SPACE);
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(notice); }, 2s));
}

TEST_F(DvdTest, StartUpStartsThePlayerAndPlacesItsWindowOnceItAppears) {
    Configure('R', "LaunchApplication=" + (ExeDirectory() / "kiv_player.exe").string() + "\r\n");
    folder.Write("KIVPlay.dat", kKnownDisc);
    KivProcess kiv(folder, "");
    ASSERT_NE(kiv.WaitForMainWindow(), nullptr);
    HWND player = nullptr;
    ASSERT_TRUE(PumpUntil([&] {
        player = ::FindWindowA("KivTestPlayer", nullptr);
        return player != nullptr;
    }));
    EXPECT_TRUE(PumpUntil([&] { return SameRect(WindowRectOf(player), kMovie); }))
        << RectText(WindowRectOf(player));
    ::PostMessageA(player, WM_CLOSE, 0, 0);
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(player); }));
}

} // namespace
} // namespace kiv::e2e
