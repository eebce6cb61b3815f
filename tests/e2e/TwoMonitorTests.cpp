// kiv.exe on a desktop of two monitors, as an HTPC drives a television beside
// its desk monitor (tests/wine/two-monitors.sh makes the desktop: a 1024x768
// primary and a 1280x720 television, arranged with xrandr). A setting on the
// television blanks the television around the player and leaves the desk
// monitor alone, grows the player past the television's height, and takes its
// strips away when the television is switched off.
#include "support/KivProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace kiv::e2e {
namespace {

// The displays as Wine lists them, sorted: "0,0 1024x768; 1024,0 1280x720; ".
std::string MonitorsText() {
    std::vector<std::string> rects;
    ::EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR, HDC, LPRECT rect, LPARAM list) -> BOOL {
            reinterpret_cast<std::vector<std::string>*>(list)->push_back(RectText(*rect));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&rects));
    std::sort(rects.begin(), rects.end());
    std::string text;
    for (const std::string& rect : rects) {
        text += rect + "; ";
    }
    return text;
}

// The television right or left of the primary, or switched off (nullptr).
bool ArrangeTelevision(const char* side) {
    const std::string arguments =
        side ? std::string("--output DUMMY1 --mode 1280x720_60 ") + side + " DUMMY0"
             : std::string("--output DUMMY1 --off");
    const std::string expected = side == nullptr ? "0,0 1024x768; "
                                 : std::string_view(side) == "--right-of"
                                     ? "0,0 1024x768; 1024,0 1280x720; "
                                     : "-1280,0 1280x720; 0,0 1024x768; ";
    return StartUnixProgram("/usr/bin/xrandr", arguments) &&
           PumpUntil([&] { return MonitorsText() == expected; });
}

struct TwoMonitorE2e : ::testing::Test {
    KivFolder folder;

    void SetUp() override { ASSERT_TRUE(ArrangeTelevision("--right-of")) << MonitorsText(); }
    void TearDown() override { ArrangeTelevision("--right-of"); }

    void WriteSetting(const RECT& r, bool blanking) {
        CWindowSetting tv = Setting("TV", r.left, r.top, r.right - r.left, r.bottom - r.top);
        tv.BlankingOn = blanking ? 1 : 0;
        folder.WriteSettings({tv});
        folder.Write("KIV.ini", "[KIV]\r\nShowTrayIcon=0\r\n");
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
        PlayerProcess player;
        ASSERT_TRUE(player.Started());
        WriteSetting(c.player, true);
        KivProcess kiv(folder, "/S TV");
        ASSERT_NE(kiv.WaitForMainWindow(), nullptr);
        EXPECT_TRUE(PumpUntil([&] { return SameRect(WindowRectOf(player.Window()), c.player); }))
            << RectText(WindowRectOf(player.Window()));
        const std::vector<std::string> expected = ExpectedStrips(c.television, c.player);
        EXPECT_TRUE(PumpUntil([&] { return VisibleStrips(kiv.ProcessId()) == expected; }))
            << ::testing::PrintToString(VisibleStrips(kiv.ProcessId()));
        // The strips above other windows and painted black are
        // BlankingWindowTests' (Wine); no strip lies on the desk monitor.
        EXPECT_TRUE(kiv.Close());
    }
}

// With the size hook a setting taller than the television, and than the desk
// monitor, grows past the bottom of the display it is on.
TEST_F(TwoMonitorE2e, ASettingTallerThanTheTelevisionGrowsPastIt) {
    PlayerProcess player;
    ASSERT_TRUE(player.Started());
    const RECT tall = {1090, -60, 1090 + 1100, -60 + 900};
    WriteSetting(tall, false);
    KivProcess kiv(folder, "/S TV");
    ASSERT_NE(kiv.WaitForMainWindow(), nullptr);
    EXPECT_TRUE(PumpUntil([&] { return SameRect(WindowRectOf(player.Window()), tall); }))
        << RectText(WindowRectOf(player.Window()));
}

// Switched off, the television takes its strips with it and KIV leaves the
// player where the system put it. Switched on again, the display change
// places the player as MainWindowTests' ADisplayChangeOrAResumePlacesThePlayerAgain
// checks (Wine), with the strips of the first test here.
TEST_F(TwoMonitorE2e, TheTelevisionSwitchedOffTakesItsStripsAndLeavesThePlayerAlone) {
    PlayerProcess player;
    ASSERT_TRUE(player.Started());
    const RECT onTelevision = {1100, 40, 2200, 660};
    WriteSetting(onTelevision, true);
    KivProcess kiv(folder, "/S TV");
    ASSERT_NE(kiv.WaitForMainWindow(), nullptr);
    ASSERT_TRUE(PumpUntil([&] { return VisibleStrips(kiv.ProcessId()).size() == 4; }));

    ASSERT_TRUE(ArrangeTelevision(nullptr)) << MonitorsText();
    EXPECT_TRUE(PumpUntil([&] { return VisibleStrips(kiv.ProcessId()).empty(); }))
        << ::testing::PrintToString(VisibleStrips(kiv.ProcessId()));
    // Windows moves the windows of a monitor that went onto the primary.
    const RECT onDesk = Ltwh(100, 100, 640, 480);
    ::MoveWindow(player.Window(), 100, 100, 640, 480, TRUE);
    EXPECT_TRUE(WaitUntilSteady([&] { return RectText(WindowRectOf(player.Window())); }, 1500ms));
    EXPECT_TRUE(SameRect(WindowRectOf(player.Window()), onDesk))
        << RectText(WindowRectOf(player.Window()));
}

} // namespace
} // namespace kiv::e2e
