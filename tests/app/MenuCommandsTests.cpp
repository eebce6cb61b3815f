// The menus that list the settings, the blanking windows' menu and help.
#include "ControllerFixture.h"

namespace kiv {
namespace {

using namespace test;

struct MenuCommands : ControllerFixture {
    CMenuCommands& menus = controller.Menus();
};

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

TEST_F(MenuCommands, TheBlankingWindowsMenuActsOnTheCurrentSetting) {
    CWindowSetting movie = Setting("Movie", {1, 1, 10, 10});
    movie.BlankingOn = 1;
    Load({movie});
    Select("Movie");
    view.popupChoice = menu::kContextBlankingOff;
    menus.ShowContextMenu(12, 700);
    EXPECT_EQ(Current().BlankingOn, 0);
    EXPECT_FALSE(blanking.Strip(0).visible);
    Current().WindowLeft = 5;
    controller.AdjustWindow();
    menus.mnuContext_Click(menu::kContextApply); // the pending edit is discarded
    EXPECT_EQ(PlayerRect().left, 1);
}

TEST_F(MenuCommands, HelpOpensTheHelpFileElseTheUserGuideElseSaysSo) {
    ASSERT_TRUE(controller.Form_Load(""));
    menus.mnuHelp_Click(menu::kHelpOnKiv);
    EXPECT_EQ(Reports(),
              (Texts{"KIV: The KIV user guide " + appPath + "KIV.htm could not be opened."}));
    WriteBytes(appPath + "KIV.htm", "guide");
    menus.mnuHelp_Click(menu::kHelpOnKiv);
    EXPECT_EQ(view.opened, appPath + "KIV.htm");
    // The help file is looked for at start-up.
    WriteBytes(appPath + "kiv.hlp", "help");
    ASSERT_TRUE(controller.Form_Load(""));
    menus.mnuHelp_Click(menu::kHelpOnKiv);
    EXPECT_EQ(view.opened, appPath + "kiv.hlp");
    EXPECT_EQ(reporter.messages.size(), 1u);
}

} // namespace
} // namespace kiv
