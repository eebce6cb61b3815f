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
    bool placed;
};

// The player's window is "Class:Player"; the screen is 1024 x 768.
const EarlyCase kEarlyCases[] = {
    {"/S wide", "S1=Wide;S2=Class:Player;S3=-10;S4=20;S5=1024;S6=700;\r\n", true},
    {"/S Wi", "S1=Wide;S2=Class:Player;S3=-10;S4=20;S5=1024;S6=700;\r\n", false},
    {"", "S1=Wide;S2=Class:Player;S3=-10;S4=20;S5=1024;S6=700;\r\n", false},
    // Which of two equal names is selected is left to the setting list.
    {"/S wide", "S1=Wide;S2=Class:Player;S5=1024;S6=700;\r\nS1=WIDE;S2=Class:Other;\r\n", false},
    // Larger than the screen: only the size hook lets it keep that size.
    {"/S tall", "S1=Tall;S2=Class:Player;S5=1024;S6=769;\r\n", false},
    {"/S wide", "S1=Wide;S2=Class:Player;S3=x;\r\n", false},
    {"/S wide", "", false},
    // Not running yet: the window watch places it once it appears.
    {"/S wide", "S1=Wide;S2=Class:Other;S5=1024;S6=700;\r\n", false},
};

TEST(StartPlacement, OnlyAnUnambiguousSettingThatFitsTheScreenIsPlacedEarly) {
    for (const EarlyCase& c : kEarlyCases) {
        SCOPED_TRACE(std::string(c.commandLine) + " | " + c.settingsFile);
        TempDir dir;
        WriteBytes(dir.File("KIV.dat"), c.settingsFile);
        FakeDesktop desktop;
        WindowHandle player = desktop.Open("Player", "Film");

        PlaceCommandLineSettingEarly(desktop, c.commandLine, dir.File("KIV.dat"));
        if (c.placed) {
            ASSERT_EQ(desktop.moves.size(), 1u);
            EXPECT_EQ(desktop.moves[0].window, player);
            EXPECT_EQ(desktop.moves[0].leftTopWidthHeight, (Rect{-10, 20, 1024, 700}));
        } else {
            EXPECT_TRUE(desktop.moves.empty());
        }
    }
}

} // namespace
} // namespace kiv
