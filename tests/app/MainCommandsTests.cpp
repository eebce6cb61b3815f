// The main window's commands beyond the settings': the menus that list the
// settings, help, options, the play list and the "..." button's exchange with
// the selection wizard.
#include "ControllerFixture.h"

namespace kiv {
namespace {

using namespace test;

using MenuCommands = ControllerFixture;

TEST_F(MenuCommands, TheMenusListTheFirstTenSettingsInTheListsOrder) {
    std::vector<CWindowSetting> eleven;
    for (const char* name : {"K", "C", "A", "J", "E", "B", "I", "D", "H", "F", "G"}) {
        eleven.push_back(Setting(name, {0, 0, 1, 1}));
    }
    Load(eleven);
    // The eleventh, "K", has no entry.
    for (size_t n = 1; n <= view.menus.Entries.size(); ++n) {
        const SettingMenuEntry& entry = view.menus.Entries[n - 1];
        const std::string name(1, static_cast<char>('A' + n - 1));
        EXPECT_TRUE(entry.Visible);
        EXPECT_EQ(entry.Caption, "&" + std::to_string(n) + ". " + name);
        EXPECT_EQ(controller.Settings().Item(entry.Tag)->SettingName, name);
    }
}

TEST_F(MenuCommands, HelpOpensTheHelpFileElseTheUserGuideElseSaysSo) {
    ASSERT_TRUE(controller.Form_Load(""));
    controller.Menus().mnuHelp_Click(menu::kHelpOnKiv);
    EXPECT_EQ(Reports(),
              (Texts{"KIV: The KIV user guide " + appPath + "KIV.htm could not be opened."}));
    WriteBytes(appPath + "KIV.htm", "guide");
    controller.Menus().mnuHelp_Click(menu::kHelpOnKiv);
    EXPECT_EQ(view.opened, appPath + "KIV.htm");
    // The help file is looked for at start-up.
    WriteBytes(appPath + "kiv.hlp", "help");
    ASSERT_TRUE(controller.Form_Load(""));
    controller.Menus().mnuHelp_Click(menu::kHelpOnKiv);
    EXPECT_EQ(view.opened, appPath + "kiv.hlp");
}

// Taller than the screen, so the size hook is in until "Larger windows" is unticked.
TEST_F(ControllerFixture, AfterTheOptionsTheHooksFollowThemAndTheSettingIsReapplied) {
    Load({Setting("Player", {10, 20, 200, 5000}, "10114")}, "Player");
    std::vector<std::string> names;
    dialogs.optionsAnswer = [&](const OptionsDialogInput& input) {
        names = input.settingNames;
        input.options.GlobalKeyHook = !input.options.GlobalKeyHook;
        input.options.SubClassWindowSize = false;
    };
    Current().WindowLeft = 99; // a pending edit the re-applied setting drops
    const int removals = sizeLibrary.removals;

    controller.Menus().mnuFeature_Click(menu::kOptions);
    EXPECT_EQ(names, std::vector<std::string>{"Player"});
    EXPECT_EQ(sizeLibrary.removals, removals + 1); // the size hook taken out at once
    ASSERT_FALSE(keyboardLibrary.keyHooks.empty());
    EXPECT_EQ(keyboardLibrary.keyHooks.back().window, 0); // removed
    EXPECT_EQ(Current().WindowLeft, 10);

    const size_t calls = keyboardLibrary.keyHooks.size();
    controller.MainCommands().Invoke(MainCommand::Options); // the toolbar button
    // One hand-over, no off before it: a key pressed between would be lost.
    ASSERT_EQ(keyboardLibrary.keyHooks.size(), calls + 1);
    EXPECT_EQ(keyboardLibrary.keyHooks.back().window, view.Handle());
    EXPECT_EQ(keyboardLibrary.keyHooks.back().codes, std::vector<int32_t>{65650});
}

TEST_F(ControllerFixture, PlayListSelectAppliesTheChosenTitleExitAppliesNothing) {
    Load({Setting("Movie", {1, 1, 10, 10}), Setting("Wide", {2, 2, 20, 20})}, "Movie");
    playList.Add("Heat", "Wide", "HEAT", "2B");
    options.PlayListAutoAdd = true;
    for (bool chosen : {false, true}) {
        FakePlayListView window;
        std::string during;
        dialogs.playListUser = [&](CPlayListWindow& rules) {
            during = std::to_string(options.PlayListAutoSelect) +
                     std::to_string(options.PlayListAutoAdd) + std::to_string(rules.AutoAdd);
            rules.Attach(window);
            rules.InitializeSettings(); // selects the first title
            rules.Detach();
            return chosen;
        };
        // The toolbar button and the menu entry alike.
        if (chosen) {
            controller.Menus().mnuFeature_Click(menu::kPlayList);
        } else {
            controller.MainCommands().Invoke(MainCommand::PlayList);
        }
        EXPECT_EQ(during, "001");
        EXPECT_EQ(window.settings, (Texts{"Movie", "Wide"}));
        EXPECT_TRUE(options.PlayListAutoSelect && options.PlayListAutoAdd);
        EXPECT_EQ(PlayerRect(), chosen ? (Rect{2, 2, 22, 22}) : (Rect{1, 1, 11, 11}));
    }
    // Closing saved the play list.
    EXPECT_EQ(ReadBytes(appPath + "KIVPlay.dat"), "S1=Heat;S2=Wide;S3=HEAT;S4=2B;\r\n");
}

TEST_F(ControllerFixture, FinishingTheWizardStoresTheChoiceShowsTheWindowAgainAndSaves) {
    CWindowSetting movie = Setting("Movie", {10, 20, 300, 200});
    movie.ApplicationName = "Old Player";
    Load({movie}, "Movie");
    Current().WindowLeft = 11; // a pending edit goes with the save
    options.UseCaptionNotClass = true;
    dialogs.wizardAnswer = ApplicationChoice{"New Player", "Class:NewPlayer"};
    dialogs.whileOpen = [&] { EXPECT_FALSE(view.mainVisible); };

    controller.GetWindowInfo().cmdGetWindowInfo_Click();
    EXPECT_EQ(dialogs.wizardOpened, "Old Player (caption)");
    EXPECT_TRUE(view.mainVisible);
    EXPECT_EQ(view.applicationName, "New Player");
    EXPECT_EQ(ReadBytes(DataFile()).rfind("S1=Movie;S2=Class:NewPlayer;S3=11;", 0), 0u);
    EXPECT_NE(ReadBytes(DataFile()).find("S17=New Player;"), std::string::npos);
}

} // namespace
} // namespace kiv
