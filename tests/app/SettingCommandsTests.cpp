// The setting commands, their enable rules, the toolbar and the hot key page,
// against doubles of the window and the operating system.
#include "CommandFixture.h"

#include "hotkeys/HotKeyText.h"

#include <filesystem>

namespace kiv {
namespace {

using namespace test;

struct SettingCommands : CommandFixture {
    WindowHandle player = 0;

    // A, B and C for the player; A and C with hot keys.
    void LoadThree() {
        player = desktop.Open("Player", "");
        CWindowSetting a = Setting("A", {10, 20, 300, 200}, "10112");
        a.OrbitRangeHorizontal = 5;
        a.BlankingPadLeft = 6;
        WriteSettings({a, Setting("B", {30, 40, 500, 400}), Setting("C", {0, 0, 64, 48}, "1165")});
        ASSERT_TRUE(controller.Form_Load(""));
    }
    std::vector<std::string> FileNames() const {
        std::vector<std::string> names;
        CWindowSettings reread(const_cast<RecordingReporter&>(reporter));
        reread.AppDataFile = DataFile();
        reread.LoadItems();
        for (const CWindowSettings::Pointer& s : reread) {
            names.push_back(s->SettingName);
        }
        return names;
    }
    const std::vector<int32_t>& LastHookCodes() const {
        return keyboardLibrary.keyHooks.back().codes;
    }
};

// --- Add ---

TEST_F(SettingCommands, AddAsksForANameAndSelectsTheNewScreenSizedSetting) {
    LoadThree();
    view.nameAnswers = {"Projector"};
    controller.HandleAddSettingClick();

    EXPECT_EQ(view.askedNames, (std::vector<std::string>{""}));
    ASSERT_NE(controller.CurrentSetting(), nullptr);
    const CWindowSetting& added = Stored("Projector");
    EXPECT_EQ(added.WindowClass, "");
    EXPECT_EQ(added.ApplicationName, "");
    EXPECT_EQ(added.HotKey, "");
    EXPECT_EQ((Rect{added.WindowLeft, added.WindowTop, added.WindowWidth, added.WindowHeight}),
              (Rect{0, 0, 1024, 768}));
    EXPECT_EQ(controller.CurrentSetting()->SettingName, "Projector");
    EXPECT_EQ(view.caption, "KIV - Projector");
    EXPECT_EQ(view.Texts(), (std::vector<std::string>{"A", "B", "C", "Projector"}));
    EXPECT_EQ(view.menus.Entries[3].Caption, "&4. Projector");
    EXPECT_EQ(view.getWindowInfoFocused, 1);
    EXPECT_TRUE(view.Enabled(MainCommand::Delete));
    // Not written until the next save of some kind.
    EXPECT_EQ(FileNames(), (std::vector<std::string>{"A", "B", "C"}));
}

TEST_F(SettingCommands, CancelledAddChangesNothing) {
    LoadThree();
    Select("B");
    int menusShown = view.menusShown;
    view.nameAnswers = {std::nullopt};
    controller.HandleAddSettingClick();
    EXPECT_EQ(controller.Settings().Count(), 3);
    EXPECT_EQ(controller.CurrentSetting()->SettingName, "B");
    EXPECT_EQ(view.menusShown, menusShown);
    EXPECT_EQ(view.getWindowInfoFocused, 0);
}

TEST_F(SettingCommands, DuplicateNamesAreAcceptedAndTheFirstMatchIsSelected) {
    LoadThree();
    view.nameAnswers = {"B"};
    controller.HandleAddSettingClick();
    EXPECT_EQ(controller.Settings().Count(), 4);
    EXPECT_EQ(view.Texts(), (std::vector<std::string>{"A", "B", "B", "C"}));
    // The first "B" is the one that was there before.
    EXPECT_EQ(controller.CurrentSetting()->WindowWidth, 500);
    EXPECT_EQ(controller.CurrentItemKey(), "C2");
}

// --- Delete ---

TEST_F(SettingCommands, DeleteRewritesTheFileAndLeavesNoSettingSelected) {
    LoadThree();
    Select("B");
    controller.cmdSize_Click(1); // a pending edit, lost with the setting
    const size_t moves = desktop.moves.size();
    const int removals = sizeLibrary.removals;
    view.enableCalls.clear();

    controller.HandleDeleteClick();

    EXPECT_EQ(FileNames(), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(view.Texts(), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(view.listIndex, -1);
    EXPECT_EQ(controller.CurrentSetting(), nullptr);
    EXPECT_EQ(view.caption, "KIV");
    // The displays are blanked and stay blank: no neighbour was applied.
    EXPECT_EQ(desktop.moves.size(), moves);
    EXPECT_EQ(view.applicationName, "");
    EXPECT_EQ(view.positionLabels, (std::array<std::string, 4>{"0", "0", "0", "0"}));
    for (WindowPosControl c : {WindowPosControl::OrbitHorizontal, WindowPosControl::OrbitVertical,
                               WindowPosControl::BlankLeft, WindowPosControl::BlankRight,
                               WindowPosControl::BlankTop, WindowPosControl::BlankBottom}) {
        EXPECT_EQ(view.windowPosTexts[c], "0");
    }
    EXPECT_EQ(view.hotKeyFrame.text, "");
    EXPECT_FALSE(view.hotKeyFrame.shift);
    EXPECT_FALSE(view.hotKeyFrame.ctrl);
    EXPECT_EQ(view.hotKeyFrame.keyIndex, -1);
    // Two settings are left in the menus.
    EXPECT_TRUE(view.menus.Entries[1].Visible);
    EXPECT_FALSE(view.menus.Entries[2].Visible);
    // The window-size hook is stopped, the key hook watches what is left.
    EXPECT_EQ(sizeLibrary.removals, removals + 1);
    EXPECT_EQ(LastHookCodes(), (std::vector<int32_t>{65648, 196673}));
    for (MainCommand c : {MainCommand::Delete, MainCommand::Rename, MainCommand::Save,
                          MainCommand::SaveAs, MainCommand::GetWindowInfo, MainCommand::HotKeyShift,
                          MainCommand::HotKeyCtrl, MainCommand::HotKeyKey}) {
        EXPECT_FALSE(view.Enabled(c));
    }
    for (const FakeMainView::EnableCall& call : view.enableCalls) {
        EXPECT_NE(call.command, MainCommand::Add) << "Add is left as it is";
    }
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(SettingCommands, DeleteWithoutASettingDoesNothing) {
    LoadThree();
    controller.HandleDeleteClick();
    EXPECT_EQ(controller.Settings().Count(), 3);
    EXPECT_FALSE(std::filesystem::exists(DataFile() + ".tmp"));
    EXPECT_EQ(FileNames(), (std::vector<std::string>{"A", "B", "C"}));
}

TEST_F(SettingCommands, DeleteSkipsAFailingSaveSilentlyAndGoesOn) {
    LoadThree();
    Select("A");
    std::filesystem::create_directory(DataFile() + ".tmp"); // the save cannot write
    controller.HandleDeleteClick();
    EXPECT_TRUE(reporter.messages.empty());
    // The file was read back as it was, so A is listed again; nothing is selected.
    EXPECT_EQ(view.Texts(), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(controller.CurrentSetting(), nullptr);
    EXPECT_EQ(view.caption, "KIV");
    EXPECT_FALSE(view.Enabled(MainCommand::Save));
}

TEST_F(SettingCommands, DeleteClearsTheHotKeyBoxesWithTheirHandlingSuspended) {
    LoadThree();
    Select("C"); // Shift+Ctrl+A
    // Were the boxes' handling not suspended, clearing them would build "(None)".
    view.hotKeyFrame.onShow = [&] { controller.SetNewKeyCode(); };
    controller.HandleDeleteClick();
    EXPECT_EQ(view.hotKeyFrame.text, "");
    EXPECT_FALSE(view.hotKeyFrame.shift);
}

TEST_F(SettingCommands, DeletingEverySettingEmptiesTheMenus) {
    LoadThree();
    for (const char* name : {"A", "B", "C"}) {
        Select(name);
        controller.HandleDeleteClick();
    }
    EXPECT_EQ(view.SettingListCount(), 0);
    EXPECT_FALSE(view.menus.SeparatorVisible);
    for (const SettingMenuEntry& entry : view.menus.Entries) {
        EXPECT_FALSE(entry.Visible);
    }
    EXPECT_EQ(DataText(), "");
}

// --- Rename ---

TEST_F(SettingCommands, RenameSavesEveryPendingEditUnderTheNewName) {
    LoadThree();
    Select("B");
    controller.cmdSize_Click(1);
    view.nameAnswers = {"Zed"};
    controller.HandleRenameClick();

    EXPECT_EQ(view.askedNames, (std::vector<std::string>{"B"}));
    EXPECT_EQ(FileNames(), (std::vector<std::string>{"A", "Zed", "C"}));
    EXPECT_EQ(Stored("Zed").WindowLeft, 31);
    EXPECT_EQ(controller.CurrentSetting()->SettingName, "Zed");
    EXPECT_EQ(view.caption, "KIV - Zed");
    EXPECT_EQ(view.menus.Entries[2].Caption, "&3. Zed");
    EXPECT_EQ(LastMove(), (Rect{31, 40, 500, 400}));
}

TEST_F(SettingCommands, RenameToTheSameNameStillRewritesTheFile) {
    LoadThree();
    Select("A");
    controller.cmdSize_Click(3);
    view.nameAnswers = {"A"};
    controller.HandleRenameClick();
    CWindowSetting expected = Setting("A", {10, 21, 300, 200}, "10112");
    expected.OrbitRangeHorizontal = 5;
    expected.BlankingPadLeft = 6;
    EXPECT_EQ(DataText().substr(0, DataText().find("\r\n")), SettingLine(expected));
}

TEST_F(SettingCommands, CancelledRenameKeepsTheEditsPending) {
    LoadThree();
    Select("A");
    const std::string before = DataText();
    controller.cmdSize_Click(3);
    view.nameAnswers = {std::nullopt};
    controller.HandleRenameClick();
    EXPECT_EQ(DataText(), before);
    EXPECT_EQ(controller.CurrentSetting()->WindowTop, 21);
    EXPECT_EQ(Stored("A").WindowTop, 20);
}

// --- Save ---

TEST_F(SettingCommands, SaveStoresTheWorkingCopyAndRestartsTheHooks) {
    LoadThree();
    Select("B");
    controller.cmdSize_Click(8); // expand
    const size_t keyHookCalls = keyboardLibrary.keyHooks.size();
    const size_t sizeHooks = sizeLibrary.hooks.size();
    controller.HandleSaveClick();

    const CWindowSetting& stored = Stored("B");
    EXPECT_EQ((Rect{stored.WindowLeft, stored.WindowTop, stored.WindowWidth, stored.WindowHeight}),
              (Rect{29, 39, 502, 402}));
    EXPECT_EQ(stored.ItemKey, "C2");
    EXPECT_NE(DataText().find("S1=B;S2=Class:Player;S3=29;S4=39;"), std::string::npos);
    // The refill applied the entry again, then each hook was started anew.
    EXPECT_EQ(controller.CurrentSetting()->WindowWidth, 502);
    EXPECT_EQ(sizeLibrary.hooks.size(), sizeHooks + 2);
    EXPECT_EQ(keyboardLibrary.mouseHooks.back(), player);
    EXPECT_EQ(keyboardLibrary.keyHooks.size(), keyHookCalls + 2);
    EXPECT_EQ(LastHookCodes(), (std::vector<int32_t>{65648, 196673}));
}

TEST_F(SettingCommands, SaveWithoutASelectedEntryWritesNothing) {
    LoadThree();
    controller.HandleSaveClick();
    Select("A");
    view.listIndex = -1; // the list lost its selection behind the controller's back
    controller.HandleSaveClick();
    EXPECT_EQ(FileNames(), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_FALSE(std::filesystem::exists(DataFile() + ".tmp"));
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(SettingCommands, AFailedSaveIsReportedAndKeepsTheOldFile) {
    LoadThree();
    Select("A");
    const std::string before = DataText();
    controller.cmdSize_Click(0);
    std::filesystem::create_directory(DataFile() + ".tmp");
    controller.HandleSaveClick();
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0].title, "HandleSaveClick");
    EXPECT_EQ(reporter.messages[0].text, "Error: 75. Path/File access error");
    EXPECT_EQ(DataText(), before);
}

// --- Save As ---

TEST_F(SettingCommands, SaveAsPutsThePendingEditsIntoTheCopyOnly) {
    LoadThree();
    Select("A");
    controller.cmdSize_Click(5); // wider
    view.nameAnswers = {"A wide"};
    controller.HandleSaveAsClick();

    EXPECT_EQ(view.askedNames, (std::vector<std::string>{"Copy of A"}));
    EXPECT_EQ(FileNames(), (std::vector<std::string>{"A", "B", "C", "A wide"}));
    EXPECT_EQ(Stored("A").WindowWidth, 300);
    const CWindowSetting& copy = Stored("A wide");
    EXPECT_EQ(copy.WindowWidth, 302);
    EXPECT_EQ(copy.WindowLeft, 9);
    EXPECT_EQ(copy.OrbitRangeHorizontal, 5);
    EXPECT_EQ(copy.BlankingPadLeft, 6);
    EXPECT_EQ(controller.CurrentSetting()->SettingName, "A wide");
    EXPECT_EQ(view.menus.Entries[1].Caption, "&2. A wide");
    // Both carry Shift+F1, and the key hook watches both.
    EXPECT_EQ(copy.HotKey, "10112");
    EXPECT_EQ(LastHookCodes(), (std::vector<int32_t>{65648, 196673, 65648}));
}

TEST_F(SettingCommands, CancelledSaveAsOnlyUpdatesTheButtons) {
    LoadThree();
    Select("A");
    view.enableCalls.clear();
    view.nameAnswers = {std::nullopt};
    controller.HandleSaveAsClick();
    EXPECT_EQ(controller.Settings().Count(), 3);
    EXPECT_FALSE(view.enableCalls.empty());
    EXPECT_TRUE(view.Enabled(MainCommand::SaveAs));
}

// --- Enable rules ---

TEST_F(SettingCommands, CommandsNeedASelectedSettingAndAddIsLeftAlone) {
    LoadThree();
    EXPECT_FALSE(view.Enabled(MainCommand::Delete));
    EXPECT_FALSE(view.Enabled(MainCommand::HotKeyKey));
    EXPECT_EQ(view.enabled.count(MainCommand::Add), 0u);
    Select("A");
    for (MainCommand c : {MainCommand::Delete, MainCommand::Rename, MainCommand::Save,
                          MainCommand::SaveAs, MainCommand::GetWindowInfo, MainCommand::HotKeyShift,
                          MainCommand::HotKeyCtrl, MainCommand::HotKeyKey}) {
        EXPECT_TRUE(view.Enabled(c));
    }
    EXPECT_EQ(view.enabled.count(MainCommand::Add), 0u);
}

TEST_F(SettingCommands, ReadOnlyDisablesTheCommandsForTheWholeRunButNotTheHotKeyControls) {
    player = desktop.Open("Player", "");
    WriteSettings({Setting("A", {1, 2, 3, 4})});
    ASSERT_TRUE(controller.Form_Load("/R /S A"));
    ASSERT_NE(controller.CurrentSetting(), nullptr);
    for (MainCommand c : {MainCommand::Add, MainCommand::Delete, MainCommand::Rename,
                          MainCommand::Save, MainCommand::SaveAs, MainCommand::GetWindowInfo}) {
        ASSERT_EQ(view.enabled.count(c), 1u);
        EXPECT_FALSE(view.Enabled(c));
    }
    controller.cboSettingName_Click();
    for (const FakeMainView::EnableCall& call : view.enableCalls) {
        EXPECT_FALSE(call.enabled);
        EXPECT_NE(call.command, MainCommand::HotKeyKey);
        EXPECT_NE(call.command, MainCommand::HotKeyShift);
        EXPECT_NE(call.command, MainCommand::HotKeyCtrl);
    }
}

// --- Toolbar ---

TEST_F(SettingCommands, ToolbarButtonsReachTheirCommandsByKey) {
    LoadThree();
    Select("B");
    view.nameAnswers = {std::nullopt, std::nullopt, std::nullopt};
    controller.tlbMain_ButtonClick("btnAdd");
    controller.tlbMain_ButtonClick("btnRename");
    controller.tlbMain_ButtonClick("btnSaveAs");
    EXPECT_EQ(view.askedNames, (std::vector<std::string>{"", "B", "Copy of B"}));
    controller.tlbMain_ButtonClick("btnUnknown");
    controller.tlbMain_ButtonClick("btnOptions");
    EXPECT_EQ(view.askedNames.size(), 3u);
    controller.cmdSize_Click(0);
    controller.tlbMain_ButtonClick("btnSave");
    EXPECT_EQ(Stored("B").WindowLeft, 29);
    controller.tlbMain_ButtonClick("btnDelete");
    EXPECT_EQ(FileNames(), (std::vector<std::string>{"A", "C"}));
}

// --- Hot key page ---

TEST_F(SettingCommands, TheKeyListHoldsTheSelectableKeysAndASelectionShowsItsHotKey) {
    LoadThree();
    ASSERT_EQ(view.hotKeyFrame.keys.size(), kSelectableKeyCount);
    EXPECT_EQ(view.hotKeyFrame.keys[1].text, "F1");
    EXPECT_EQ(view.hotKeyFrame.keys[1].code, 112);
    Select("C");
    EXPECT_TRUE(view.hotKeyFrame.shift);
    EXPECT_TRUE(view.hotKeyFrame.ctrl);
    EXPECT_EQ(view.hotKeyFrame.keyIndex, 13);
    EXPECT_EQ(view.hotKeyFrame.text, "Shift-Ctrl-A");
    Select("B"); // none: the main window clears its boxes
    EXPECT_FALSE(view.hotKeyFrame.shift);
    EXPECT_FALSE(view.hotKeyFrame.ctrl);
    EXPECT_EQ(view.hotKeyFrame.keyIndex, 0);
    EXPECT_EQ(view.hotKeyFrame.text, "(None)");
}

TEST_F(SettingCommands, BuildingAHotKeyChangesOnlyTheWorkingCopy) {
    LoadThree();
    Select("A");
    const size_t keyHookCalls = keyboardLibrary.keyHooks.size();
    view.hotKeyFrame.ctrl = true;
    controller.SetNewKeyCode();
    EXPECT_EQ(controller.CurrentSetting()->HotKey, "11112");
    EXPECT_EQ(view.hotKeyFrame.text, "Shift-Ctrl-F1");
    EXPECT_EQ(Stored("A").HotKey, "10112");
    EXPECT_EQ(keyboardLibrary.keyHooks.size(), keyHookCalls);

    view.hotKeyFrame.keyIndex = 0; // "None" wins over the boxes
    controller.SetNewKeyCode();
    EXPECT_EQ(controller.CurrentSetting()->HotKey, "");
    EXPECT_EQ(view.hotKeyFrame.text, "(None)");
}

TEST_F(SettingCommands, HotKeyBoxesChangeNothingWithoutASetting) {
    LoadThree();
    view.hotKeyFrame.shift = true;
    view.hotKeyFrame.keyIndex = 3;
    view.hotKeyFrame.text = "untouched";
    controller.SetNewKeyCode();
    EXPECT_EQ(view.hotKeyFrame.text, "untouched");
}

TEST_F(SettingCommands, ShowingAHotKeyDoesNotRunTheBoxesHandling) {
    LoadThree();
    Select("A");
    // As if every change of a box ran its click handler.
    view.hotKeyFrame.onShow = [&] { controller.SetNewKeyCode(); };
    Select("C");
    EXPECT_EQ(controller.CurrentSetting()->HotKey, "1165");
    EXPECT_EQ(view.hotKeyFrame.text, "Shift-Ctrl-A");
}

TEST_F(SettingCommands, AKeyCodeOutsideTheListKeepsTheListSelection) {
    player = desktop.Open("Player", "");
    WriteSettings({Setting("Five", {0, 0, 1, 1}, "0053"), Setting("Space", {0, 0, 1, 1}, "1032")});
    controller.Form_Load("");
    Select("Five");
    const int32_t fiveIndex = view.hotKeyFrame.keyIndex;
    EXPECT_EQ(view.hotKeyFrame.keys[static_cast<size_t>(fiveIndex)].text, "5");
    Select("Space");
    EXPECT_TRUE(view.hotKeyFrame.shift);
    EXPECT_EQ(view.hotKeyFrame.keyIndex, fiveIndex);
    EXPECT_EQ(view.hotKeyFrame.text, "Shift-?");
}

// --- Start-up and shutdown ---

TEST_F(SettingCommands, StartUpPreparesPagesMenusKeysAndTipsBeforeTheCommandLine) {
    player = desktop.Open("Player", "");
    WriteSettings({Setting("A", {1, 2, 3, 4})});
    int menusWhenSelected = -1;
    desktop.onMove = [&] { menusWhenSelected = view.menusShown; };
    ASSERT_TRUE(controller.Form_Load("/S A"));
    ASSERT_EQ(view.tabPages.size(), 1u);
    EXPECT_TRUE(view.tabPages[0].initialize);
    EXPECT_EQ(view.tabPages[0].key, "WP");
    EXPECT_EQ(view.toolTipsSet, 1);
    EXPECT_EQ(view.hotKeyFrame.keys.size(), kSelectableKeyCount);
    EXPECT_EQ(menusWhenSelected, 1);
    EXPECT_EQ(view.menus.Entries[0].Caption, "&1. A");
}

} // namespace
} // namespace kiv
