// The "..." button's exchange with the selection wizard, and the About command.
#include "ControllerFixture.h"

namespace kiv {
namespace {

using namespace test;

struct GetWindowInfo : ControllerFixture {
    void Choose(std::optional<ApplicationChoice> answer) {
        view.wizardAnswer = std::move(answer);
        controller.GetWindowInfo().cmdGetWindowInfo_Click();
    }
};

TEST_F(GetWindowInfo, FinishStoresTheChoiceShowsTheWindowAgainAndSaves) {
    CWindowSetting movie = Setting("Movie", {10, 20, 300, 200});
    movie.ApplicationName = "Old Player";
    Load({movie});
    Select("Movie");
    Current().WindowLeft = 11; // a pending edit goes with the save
    options.UseCaptionNotClass = true;
    options.PlayListAutoSelect = false;
    options.GlobalKeyHook = false;

    Choose(ApplicationChoice{"New Player", "Class:NewPlayer"});
    EXPECT_EQ(view.wizardOpened, "Old Player (caption)");
    EXPECT_FALSE(view.wizardSawMainVisible);
    EXPECT_TRUE(view.mainVisible);
    EXPECT_EQ(view.applicationName, "New Player");
    EXPECT_EQ(Current().WindowClass, "Class:NewPlayer");
    EXPECT_EQ(ReadBytes(DataFile()).rfind("S1=Movie;S2=Class:NewPlayer;S3=11;", 0), 0u)
        << ReadBytes(DataFile());
    EXPECT_NE(ReadBytes(DataFile()).find("S17=New Player;"), std::string::npos);
    EXPECT_FALSE(options.PlayListAutoSelect);
    EXPECT_FALSE(options.GlobalKeyHook);
}

TEST_F(GetWindowInfo, CancelOnlyShowsTheWindowAgain) {
    Load({Setting("Movie", {10, 20, 300, 200})});
    Select("Movie");
    const std::string before = ReadBytes(DataFile());
    Choose(std::nullopt);
    EXPECT_TRUE(view.mainVisible);
    EXPECT_EQ(Current().WindowClass, "Class:Player");
    EXPECT_EQ(ReadBytes(DataFile()), before);
}

TEST_F(GetWindowInfo, WithoutASettingOnlyTheShownNameChanges) {
    Load({Setting("Movie", {10, 20, 300, 200})});
    Choose(ApplicationChoice{"New Player", "Class:NewPlayer"});
    EXPECT_EQ(view.applicationName, "New Player");
    EXPECT_EQ(ReadBytes(DataFile()).find("NewPlayer"), std::string::npos);
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(GetWindowInfo, TheToolbarButtonAndTheHelpMenuOpenTheAboutBox) {
    Load({});
    controller.Commands().Invoke(MainCommand::About);
    controller.Menus().mnuHelp_Click(menu::kAbout);
    EXPECT_EQ(view.aboutShown, 2);
}

} // namespace
} // namespace kiv
