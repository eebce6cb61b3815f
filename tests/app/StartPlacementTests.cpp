// Placing the player from "/S name" before the main window is built.
#include "app/StartPlacement.h"
#include "support/Doubles.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace kiv {
namespace {

using namespace test;

struct EarlyCase {
    const char* commandLine;
    const char* settingsFile;
    std::optional<Rect> placed; // left, top, width, height
};

// The player's window is "Class:Player"; a 1024 x 768 desk monitor and a
// 1280 x 720 television to its right.
const EarlyCase kEarlyCases[] = {
    {"/S wide", "S1=Wide;S2=Class:Player;S3=-10;S4=20;S5=1024;S6=700;\r\n",
     Rect{-10, 20, 1024, 700}},
    // Wider than the desk monitor, but it fits the television that shows it.
    {"/S tv", "S1=TV;S2=Class:Player;S3=1100;S4=40;S5=1100;S6=620;\r\n", Rect{1100, 40, 1100, 620}},
    {"/S Wi", "S1=Wide;S2=Class:Player;S3=-10;S4=20;S5=1024;S6=700;\r\n", std::nullopt},
    {"", "S1=Wide;S2=Class:Player;S3=-10;S4=20;S5=1024;S6=700;\r\n", std::nullopt},
    // Which of two equal names is selected is left to the setting list.
    {"/S wide", "S1=Wide;S2=Class:Player;S5=1024;S6=700;\r\nS1=WIDE;S2=Class:Other;\r\n",
     std::nullopt},
    // Larger than the screen: only the size hook lets it keep that size.
    {"/S tall", "S1=Tall;S2=Class:Player;S5=1024;S6=769;\r\n", std::nullopt},
    // On no display (the television switched off): nowhere to place it.
    {"/S off", "S1=Off;S2=Class:Player;S3=3000;S5=640;S6=480;\r\n", std::nullopt},
    {"/S wide", "S1=Wide;S2=Class:Player;S3=x;\r\n", std::nullopt},
    {"/S wide", "", std::nullopt},
    // Not running yet: the window watch places it once it appears.
    {"/S wide", "S1=Wide;S2=Class:Other;S5=1024;S6=700;\r\n", std::nullopt},
};

TEST(StartPlacement, OnlyAnUnambiguousSettingThatFitsTheScreenIsPlacedEarly) {
    for (const EarlyCase& c : kEarlyCases) {
        SCOPED_TRACE(std::string(c.commandLine) + " | " + c.settingsFile);
        TempDir dir;
        WriteBytes(dir.File("KIV.dat"), c.settingsFile);
        FakeDesktop desktop;
        desktop.monitors = {{{0, 0, 1024, 768}, true}, {{1024, 0, 2304, 720}, false}};
        WindowHandle player = desktop.Open("Player", "Film");

        PlaceCommandLineSettingEarly(desktop, c.commandLine, dir.File("KIV.dat"));
        if (c.placed) {
            ASSERT_EQ(desktop.moves.size(), 1u);
            EXPECT_EQ(desktop.moves[0].window, player);
            EXPECT_EQ(desktop.moves[0].leftTopWidthHeight, *c.placed);
        } else {
            EXPECT_TRUE(desktop.moves.empty());
        }
    }
}

} // namespace
} // namespace kiv
