// The menus that list settings, the menu entries' actions, the tray icon and
// help, against doubles of the window and the operating system.
#include "CommandFixture.h"

namespace kiv {
namespace {

using namespace test;

struct MenuCommands : CommandFixture {
    WindowHandle player = 0;

    void LoadSettings(std::initializer_list<CWindowSetting> settings) {
        player = desktop.Open("Player", "");
        WriteSettings(settings);
        ASSERT_TRUE(controller.Form_Load(""));
    }
    void LoadThree() {
        LoadSettings({Setting("Zoom", {1, 1, 10, 10}), Setting("Anamorphic", {2, 2, 20, 20}),
                      Setting("Letterbox", {3, 3, 30, 30})});
    }
};

// --- Setting entries ---

TEST_F(MenuCommands, TheMenusListTheFirstTenSettingsInTheListsOrder) {
    // Eleven settings, stored out of alphabetical order.
    const char* names[] = {"K", "C", "A", "J", "E", "B", "I", "D", "H", "F", "G"};
    std::string text;
    for (const char* name : names) {
        text += SettingLine(Setting(name, {0, 0, 1, 1})) + "\r\n";
    }
    WriteBytes(DataFile(), text);
    controller.Form_Load("");

    const AspectMenuState& menus = view.menus;
    EXPECT_TRUE(menus.SeparatorVisible);
    const std::string sorted = "ABCDEFGHIJ";
    for (size_t n = 1; n <= 10; ++n) {
        SCOPED_TRACE(n);
        const SettingMenuEntry& entry = menus.Entries[n - 1];
        EXPECT_TRUE(entry.Visible);
        EXPECT_EQ(entry.Caption, "&" + std::to_string(n) + ". " + sorted.substr(n - 1, 1));
        // The tag is the key of the setting of that name.
        EXPECT_EQ(controller.Settings().Item(entry.Tag)->SettingName, sorted.substr(n - 1, 1));
    }
    EXPECT_EQ(menus.Entries[9].Caption, "&10. J");
    // The eleventh, "K", is in the list but in no menu.
    EXPECT_EQ(view.SettingListText(10), "K");
    EXPECT_EQ(controller.AspectMenu(), menus);
}

TEST_F(MenuCommands, ChoosingASettingEntryAppliesItAndPlacesTheWindowOnceMore) {
    LoadThree();
    const size_t moves = desktop.moves.size();
    controller.mnuSetting_Click(52); // "&2. Letterbox"
    EXPECT_EQ(controller.CurrentSetting()->SettingName, "Letterbox");
    EXPECT_EQ(view.caption, "KIV - Letterbox");
    EXPECT_EQ(desktop.moves.size(), moves + 2);
    EXPECT_EQ(LastMove(), (Rect{3, 3, 30, 30}));

    controller.mnuTrayIcon_Click(53);
    EXPECT_EQ(controller.CurrentSetting()->SettingName, "Zoom");
    controller.mnuContext_Click(51);
    EXPECT_EQ(controller.CurrentSetting()->SettingName, "Anamorphic");
    EXPECT_EQ(LastMove(), (Rect{2, 2, 20, 20}));
}

TEST_F(MenuCommands, IndexesOutsideTheTablesDoNothing) {
    LoadThree();
    Select("Zoom");
    const size_t moves = desktop.moves.size();
    for (int32_t index : {-1, 3, 45, 50, 61, 99, 101}) {
        controller.mnuSetting_Click(index);
        controller.mnuTrayIcon_Click(index);
        controller.mnuContext_Click(index);
    }
    EXPECT_EQ(desktop.moves.size(), moves);
    EXPECT_EQ(view.unloads, 0);
    EXPECT_FALSE(view.mainVisible.has_value());
    EXPECT_EQ(controller.CurrentSetting()->SettingName, "Zoom");
}

TEST_F(MenuCommands, TheSettingMenuReachesTheSettingCommands) {
    LoadThree();
    Select("Zoom");
    view.nameAnswers = {std::nullopt, std::nullopt, std::nullopt};
    controller.mnuSetting_Click(0);
    controller.mnuSetting_Click(20);
    controller.mnuSetting_Click(40);
    EXPECT_EQ(view.askedNames, (std::vector<std::string>{"", "Zoom", "Copy of Zoom"}));
    controller.mnuSetting_Click(30);
    EXPECT_FALSE(DataText().empty());
    controller.mnuSetting_Click(10);
    EXPECT_EQ(controller.Settings().Count(), 2);
}

// --- Exit, show, hide, apply ---

TEST_F(MenuCommands, ExitFromEitherMenuUnloadsTheMainWindow) {
    LoadThree();
    controller.mnuSetting_Click(100);
    EXPECT_EQ(view.unloads, 1);
    controller.mnuTrayIcon_Click(2);
    EXPECT_EQ(view.unloads, 2);
}

TEST_F(MenuCommands, TrayEntriesShowHideAndApplyTheCurrentSetting) {
    LoadThree();
    controller.mnuTrayIcon_Click(1);
    EXPECT_EQ(view.mainVisible, false);
    controller.mnuTrayIcon_Click(0);
    EXPECT_EQ(view.mainVisible, true);
    EXPECT_EQ(view.broughtToFront, 0); // made visible only

    Select("Zoom");
    controller.cmdSize_Click(1); // an edit that "Apply Current Setting" discards
    controller.mnuTrayIcon_Click(11);
    EXPECT_EQ(controller.CurrentSetting()->WindowLeft, 1);
    EXPECT_EQ(LastMove(), (Rect{1, 1, 10, 10}));
}

TEST_F(MenuCommands, ContextEntriesTurnBlankingOffAndBringKivForward) {
    LoadThree();
    Select("Zoom");
    controller.SetBlankingOnCheck(true);
    controller.mnuContext_Click(0);
    EXPECT_FALSE(view.blankingChecked);
    EXPECT_EQ(controller.CurrentSetting()->BlankingOn, 0);
    controller.mnuContext_Click(10);
    EXPECT_EQ(view.broughtToFront, 1);
    controller.cmdSize_Click(3);
    controller.mnuContext_Click(25);
    EXPECT_EQ(controller.CurrentSetting()->WindowTop, 1);
    EXPECT_TRUE(reporter.messages.empty());
}

// --- Tray icon ---

TEST_F(MenuCommands, TheTrayMenuOpensAtThePointerOnARightPressOnly) {
    LoadThree();
    view.popupChoice = 1;                // "Hide KIV"
    controller.TrayIcon_MouseEvent(515); // left double click
    controller.TrayIcon_MouseEvent(512);
    EXPECT_TRUE(view.popups.empty());
    controller.TrayIcon_MouseEvent(516);
    ASSERT_EQ(view.popups.size(), 1u);
    EXPECT_EQ(view.popups[0].popup, MainPopup::TrayIcon);
    EXPECT_FALSE(view.popups[0].at.has_value());
    EXPECT_EQ(view.mainVisible, false);

    view.popupChoice = -1; // dismissed by a click elsewhere
    controller.TrayIcon_MouseEvent(516);
    EXPECT_EQ(view.popups.size(), 2u);
    EXPECT_EQ(view.mainVisible, false);
}

TEST_F(MenuCommands, TheContextMenuOpensWhereTheBlankingWindowAsks) {
    LoadThree();
    view.popupChoice = 52;
    controller.ShowContextMenu(12, 700);
    ASSERT_EQ(view.popups.size(), 1u);
    EXPECT_EQ(view.popups[0].popup, MainPopup::Context);
    ASSERT_TRUE(view.popups[0].at.has_value());
    EXPECT_EQ(view.popups[0].at->x, 12);
    EXPECT_EQ(view.popups[0].at->y, 700);
    EXPECT_EQ(controller.CurrentSetting()->SettingName, "Letterbox");
}

TEST_F(MenuCommands, TheTrayIconLivesFromStartUpToShutdownAndSurvivesANewTaskbar) {
    LoadThree();
    EXPECT_EQ(view.trayAdds, 1);
    controller.TaskbarCreated();
    EXPECT_EQ(view.trayAdds, 2);
    controller.Form_Unload();
    EXPECT_EQ(view.trayDeletes, 1);
    EXPECT_FALSE(view.trayIcon);
}

TEST_F(MenuCommands, WithoutTheOptionThereIsNoTrayIcon) {
    options.ShowTrayIcon = false;
    LoadThree();
    controller.TaskbarCreated();
    controller.Form_Unload();
    EXPECT_EQ(view.trayAdds, 0);
    EXPECT_EQ(view.trayDeletes, 0);
}

// --- Help ---

TEST_F(MenuCommands, HelpOpensTheHelpFileWhenThereIsOne) {
    WriteBytes(appPath + "kiv.hlp", "help");
    LoadThree();
    controller.mnuHelp_Click(10);
    EXPECT_EQ(view.helpShown, appPath + "kiv.hlp");
    EXPECT_TRUE(view.openedDocuments.empty());
}

TEST_F(MenuCommands, WithoutAHelpFileHelpOpensTheUserGuide) {
    WriteBytes(appPath + "KIV.htm", "<html></html>");
    LoadThree();
    controller.mnuHelp_Click(10);
    EXPECT_EQ(view.helpShown, "");
    EXPECT_EQ(view.openedDocuments, (std::vector<std::string>{appPath + "KIV.htm"}));
    EXPECT_TRUE(reporter.messages.empty());
    controller.mnuHelp_Click(0); // "&About..." has no window yet
    EXPECT_EQ(view.openedDocuments.size(), 1u);
}

TEST_F(MenuCommands, AMissingUserGuideIsSaidSo) {
    LoadThree();
    controller.mnuHelp_Click(10);
    EXPECT_TRUE(view.openedDocuments.empty());
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0].title, "KIV");
    EXPECT_NE(reporter.messages[0].text.find("KIV.htm"), std::string::npos);
}

} // namespace
} // namespace kiv
