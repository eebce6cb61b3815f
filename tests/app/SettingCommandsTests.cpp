// The commands on the named settings and the hot key page's working copy.
#include "ControllerFixture.h"

#include <algorithm>
#include <filesystem>
#include <tuple>

namespace kiv {
namespace {

using namespace test;

struct SettingCommands : ControllerFixture {
    CSettingCommands& commands = controller.Commands();

    // A, B and C for the player; A (Shift+F1) and C (Shift+Ctrl+A) with hot keys.
    void LoadThree(std::string_view selected = {}) {
        CWindowSetting c = Setting("C", {0, 0, 64, 48}, "1165");
        c.OrbitRangeVertical = 5;
        c.BlankingPadRight = 6;
        Load({Setting("A", {10, 20, 300, 200}, "10112"), Setting("B", {30, 40, 500, 400}), c},
             selected);
    }
    bool FileHas(const std::string& name) const {
        return ReadBytes(DataFile()).find("S1=" + name + ";") != std::string::npos;
    }
};

TEST_F(SettingCommands, DeleteRemovesTheSettingEverywhereAndLeavesNothingSelected) {
    LoadThree("C");
    const size_t moves = desktop.moves.size();
    // Were the hot key boxes' handling not suspended, clearing them would build "(None)".
    hotKeyFrame.onShow = [&] { commands.SetNewKeyCode(); };
    commands.HandleDeleteClick();

    EXPECT_FALSE(FileHas("C"));
    EXPECT_EQ(view.FindSettingListText("C"), -1);
    EXPECT_EQ(view.SettingListCount(), 2);
    EXPECT_EQ(view.listIndex, -1);
    EXPECT_EQ(view.caption, "KIV");
    EXPECT_EQ(desktop.moves.size(), moves); // no neighbour was applied in its place
    EXPECT_EQ(view.applicationName, "");
    EXPECT_EQ(position.labels, (std::array<std::string, 4>{"0", "0", "0", "0"}));
    const auto zero = [](const auto& shown) { return shown.second == "0"; };
    EXPECT_TRUE(std::ranges::all_of(orbiting.ranges, zero) &&
                std::ranges::all_of(blankingPage.pads, zero));
    EXPECT_EQ(
        std::tuple(hotKeyFrame.text, hotKeyFrame.shift, hotKeyFrame.ctrl, hotKeyFrame.keyIndex),
        std::tuple("", false, false, -1));
    EXPECT_FALSE(view.menus.Entries[2].Visible);
    EXPECT_FALSE(view.commands[MainCommand::Delete]);
    // Only A's Shift+F1 is still watched.
    EXPECT_EQ(keyboardLibrary.keyHooks.back().codes, (std::vector<int32_t>{65648}));
}

// Save reports a save that fails and keeps the old file; Delete skips it
// silently and goes on, reading the file back as it was.
TEST_F(SettingCommands, AFailedSaveIsReportedAndKeepsTheOldFileDeleteGoesOnSilently) {
    LoadThree("A");
    const std::string before = ReadBytes(DataFile());
    Current().WindowLeft = 11;
    // A folder where the save would write its temporary file.
    std::filesystem::create_directory(DataFile() + ".tmp");
    commands.HandleSaveClick();
    EXPECT_EQ(Reports(), (Texts{"HandleSaveClick: Error: 75. Path/File access error"}));
    EXPECT_EQ(ReadBytes(DataFile()), before);
    commands.HandleDeleteClick();
    EXPECT_EQ(view.SettingListCount(), 3);
    EXPECT_EQ(controller.CurrentSetting(), nullptr);
    EXPECT_FALSE(view.commands[MainCommand::Save]);
}

TEST_F(SettingCommands, SaveAsPutsThePendingEditsIntoTheCopyOnly) {
    LoadThree("A");
    Current().WindowWidth = 302;
    dialogs.nameAnswer = "A wide";
    commands.HandleSaveAsClick();
    EXPECT_TRUE(FileHas("A wide"));
    EXPECT_EQ(Current().SettingName, "A wide");
    EXPECT_EQ(Current().WindowWidth, 302);
    Select("A");
    EXPECT_EQ(Current().WindowWidth, 300);
}

// An added setting covers the screen, controls no window yet and waits for a
// save. "Aa" sorts before C and takes its place in the list: the refill keeps
// C, so B, now where C was, is never applied to the player.
TEST_F(SettingCommands, AnAddedSettingWaitsForSaveAppliesNoNeighbourAndAFailedRefillIsReported) {
    LoadThree("C");
    const size_t moves = desktop.moves.size();
    dialogs.nameAnswer = "Aa";
    commands.HandleAddSettingClick();
    EXPECT_EQ(std::tuple(Current().SettingName, Current().WindowClass, Current().WindowLeft,
                         Current().WindowWidth, Current().WindowHeight),
              std::tuple("Aa", "", 0, 1024, 768));
    EXPECT_FALSE(FileHas("Aa"));
    for (size_t i = moves; i < desktop.moves.size(); ++i) {
        EXPECT_NE(desktop.moves[i].leftTopWidthHeight, (Rect{30, 40, 500, 400}));
    }
    // A refill that fails is reported by the command that asked for it.
    view.listFails = true;
    dialogs.nameAnswer = "New";
    commands.HandleAddSettingClick();
    EXPECT_EQ(Reports(), (Texts{"HandleAddSettingClick: Error: 7. Out of memory"}));
}

TEST_F(SettingCommands, TheHotKeyBoxesEditOnlyTheWorkingCopy) {
    LoadThree();
    commands.SetNewKeyCode(); // no setting: nothing to edit
    EXPECT_EQ(hotKeyFrame.text, "");
    Select("C");
    EXPECT_EQ(hotKeyFrame.text, "Shift-Ctrl-A");
    const size_t keyHooks = keyboardLibrary.keyHooks.size();
    hotKeyFrame.ctrl = false;
    hotKeyFrame.keyIndex = 1; // F1
    commands.SetNewKeyCode();
    EXPECT_EQ(Current().HotKey, "10112");
    EXPECT_EQ(hotKeyFrame.text, "Shift-F1");
    EXPECT_EQ(controller.Settings().Item("C3")->HotKey, "1165");
    EXPECT_EQ(keyboardLibrary.keyHooks.size(), keyHooks); // the hook learns it at the save
}

// The lock watchdog runs while the name dialog is open; when it lets a closed
// player's setting go, the stored setting is renamed, and no freed copy.
TEST_F(SettingCommands, RenameAfterTheWatchdogDeselectedRenamesTheStoredSetting) {
    CWindowSetting locked = Setting("Locked", {10, 10, 200, 100});
    locked.LockPosition = 1;
    Load({locked}, "Locked");
    dialogs.nameAnswer = "Renamed";
    dialogs.whileOpen = [&] {
        desktop.Close(player);
        controller.tmrChecker_Timer();
    };
    commands.HandleRenameClick();
    EXPECT_TRUE(FileHas("Renamed"));
    EXPECT_EQ(Current().SettingName, "Renamed");
}

} // namespace
} // namespace kiv
