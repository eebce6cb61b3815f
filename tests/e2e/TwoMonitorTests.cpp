// kiv.exe on a desktop of two monitors, as an HTPC drives a television beside
// its desk monitor (tests/wine/two-monitors.sh makes the desktop: a 1024x768
// primary and a 1280x720 television, arranged with xrandr). A setting on the
// television blanks the television around the player and leaves the desk
// monitor alone, grows the player past the television's height, and takes its
// strips away when the television is switched off.
#include "support/KivProcess.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace kiv::e2e {
namespace {

// The desktop as Wine reports it: "2 monitors, 0,0 2304x768".
std::string MonitorsText() {
    const RECT all =
        Ltwh(::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_YVIRTUALSCREEN),
             ::GetSystemMetrics(SM_CXVIRTUALSCREEN), ::GetSystemMetrics(SM_CYVIRTUALSCREEN));
    return std::to_string(::GetSystemMetrics(SM_CMONITORS)) + " monitors, " + RectText(all);
}

// The television right or left of the primary, or switched off (nullptr).
bool ArrangeTelevision(const char* side) {
    const std::string arguments =
        side ? std::string("--output DUMMY1 --mode 1280x720_60 ") + side + " DUMMY0"
             : std::string("--output DUMMY1 --off");
    const std::string expected = side == nullptr ? "1 monitors, 0,0 1024x768"
                                 : std::string_view(side) == "--right-of"
                                     ? "2 monitors, 0,0 2304x768"
                                     : "2 monitors, -1280,0 2304x768";
    return StartUnixProgram("/usr/bin/xrandr", arguments) &&
           PumpUntil([&] { return MonitorsText() == expected; });
}

struct TwoMonitorE2e : ::testing::Test {
    KivFolder folder;
    PlayerProcess player;
    std::optional<KivProcess> kiv;

    void SetUp() override {
        ASSERT_TRUE(player.Started());
        ASSERT_TRUE(ArrangeTelevision("--right-of")) << MonitorsText();
    }
    void TearDown() override { ArrangeTelevision("--right-of"); }

    // KIV started (any earlier one closed) on the setting "TV" for the player at `r`.
    bool StartKiv(const RECT& r, bool blanking) {
        CWindowSetting tv = Setting("TV", r.left, r.top, r.right - r.left, r.bottom - r.top);
        tv.BlankingOn = blanking ? 1 : 0;
        folder.WriteSettings({tv});
        folder.Write("KIV.ini", "[KIV]\r\nShowTrayIcon=0\r\n");
        kiv.reset();
        kiv.emplace(folder, "/S TV");
        return kiv->WaitForMainWindow() != nullptr;
    }
};

TEST_F(TwoMonitorE2e, ASettingOnTheTelevisionBlanksItAloneOnEitherSideOfTheDesk) {
    const struct {
        const char* side;
        RECT television;
        RECT player;
    } cases[] = {
        {"--right-of", {1024, 0, 2304, 720}, {1100, 40, 2200, 660}},
        {"--left-of", {-1280, 0, 0, 720}, {-1180, 40, -80, 660}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.side);
        ASSERT_TRUE(ArrangeTelevision(c.side)) << MonitorsText();
        ASSERT_TRUE(StartKiv(c.player, true));
        EXPECT_TRUE(WaitForRect(player.Window(), c.player));
        EXPECT_TRUE(WaitForStrips(kiv->ProcessId(), c.television, c.player));
        // The strips above other windows and painted black are
        // BlankingWindowTests' (Wine); no strip lies on the desk monitor.
    }
}

// With the size hook a setting taller than the television, and than the desk
// monitor, grows past the bottom of the display it is on.
TEST_F(TwoMonitorE2e, ASettingTallerThanTheTelevisionGrowsPastIt) {
    const RECT tall = {1090, -60, 1090 + 1100, -60 + 900};
    ASSERT_TRUE(StartKiv(tall, false));
    EXPECT_TRUE(WaitForRect(player.Window(), tall));
}

// Switched off, the television takes its strips with it and KIV leaves the
// player where the system put it. Switched on again, the display change
// places the player as MainWindowTests' ADisplayChangeOrAResumePlacesThePlayerAgain
// checks (Wine), with the strips of the first test here.
TEST_F(TwoMonitorE2e, TheTelevisionSwitchedOffTakesItsStripsAndLeavesThePlayerAlone) {
    ASSERT_TRUE(StartKiv({1100, 40, 2200, 660}, true));
    ASSERT_TRUE(PumpUntil([&] { return VisibleStrips(kiv->ProcessId()).size() == 4; }));

    ASSERT_TRUE(ArrangeTelevision(nullptr)) << MonitorsText();
    EXPECT_TRUE(PumpUntil([&] { return VisibleStrips(kiv->ProcessId()).empty(); }))
        << ::testing::PrintToString(VisibleStrips(kiv->ProcessId()));
    // Windows moves the windows of a monitor that went onto the primary.
    ::MoveWindow(player.Window(), 100, 100, 640, 480, TRUE);
    EXPECT_TRUE(WaitUntilSteady([&] { return RectText(WindowRectOf(player.Window())); }, 1500ms));
    EXPECT_EQ(RectText(WindowRectOf(player.Window())), RectText(Ltwh(100, 100, 640, 480)));
}

} // namespace
} // namespace kiv::e2e
