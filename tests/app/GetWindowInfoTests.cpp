// The "..." button's exchange with the selection wizard, and the About command.
#include "ControllerFixture.h"

namespace kiv {
namespace {

using namespace test;

TEST_F(ControllerFixture, FinishingTheWizardStoresTheChoiceShowsTheWindowAgainAndSaves) {
    CWindowSetting movie = Setting("Movie", {10, 20, 300, 200});
    movie.ApplicationName = "Old Player";
    Load({movie});
    Select("Movie");
    Current().WindowLeft = 11; // a pending edit goes with the save
    options.UseCaptionNotClass = true;
    dialogs.wizardAnswer = ApplicationChoice{"New Player", "Class:NewPlayer"};

    controller.GetWindowInfo().cmdGetWindowInfo_Click();
    EXPECT_EQ(dialogs.wizardOpened, "Old Player (caption), main window hidden");
    EXPECT_TRUE(view.mainVisible);
    EXPECT_EQ(view.applicationName, "New Player");
    EXPECT_EQ(ReadBytes(DataFile()).rfind("S1=Movie;S2=Class:NewPlayer;S3=11;", 0), 0u);
    EXPECT_NE(ReadBytes(DataFile()).find("S17=New Player;"), std::string::npos);
}

TEST_F(ControllerFixture, TheToolbarButtonAndTheHelpMenuOpenTheAboutBox) {
    Load({});
    controller.MainCommands().Invoke(MainCommand::About);
    controller.Menus().mnuHelp_Click(menu::kAbout);
    EXPECT_EQ(dialogs.aboutShown, 2);
}

} // namespace
} // namespace kiv
