#include "CommandFixture.h"

#include <gtest/gtest.h>

namespace kiv {
namespace {

using namespace test;

// The commands' fixture, with settings placed by any locator.
struct ControllerFixture : CommandFixture {
    static CWindowSetting Setting(std::string name, std::string locator, Rect ltwh,
                                  int16_t lock = 0) {
        CWindowSetting s = PlacedSetting(std::move(name), std::move(locator), ltwh);
        s.LockPosition = lock;
        return s;
    }

    void Select(std::string_view name) { controller.SetListIndex(view.FindSettingListText(name)); }
};

TEST_F(ControllerFixture, FirstRunShowsTheThreeInitialSettingsSortedAndWritesNothing) {
    ASSERT_TRUE(controller.Form_Load(""));
    EXPECT_EQ(view.Texts(), (std::vector<std::string>{"4x3", "Anamorphic", "Letterbox"}));
    EXPECT_EQ(view.listIndex, -1);
    EXPECT_EQ(controller.CurrentSetting(), nullptr);
    EXPECT_EQ(view.caption, "KIV");
    EXPECT_FALSE(std::filesystem::exists(DataFile()));
    // Entries carry the numbers of their keys, in insertion order C1..C3.
    EXPECT_EQ(view.SettingListItemData(0), 3);
    EXPECT_EQ(controller.Settings().Item("C2")->WindowHeight, 1021);
    EXPECT_EQ(view.shownAs, 0);
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(ControllerFixture, AFileWithOnlyABlankLineIsNotAFirstRun) {
    WriteBytes(DataFile(), "\r\n");
    controller.Form_Load("");
    EXPECT_EQ(view.SettingListCount(), 1);
    WriteBytes(DataFile(), "");
    CMainController second(view, Platform{desktop, sizeLibrary, keyboardLibrary, pump, reporter},
                           options, playList, appPath);
    second.Form_Load("");
    EXPECT_EQ(second.Settings().Count(), 3);
}

TEST_F(ControllerFixture, StartUpProbesBothLibrariesFirst) {
    controller.Form_Load("");
    EXPECT_EQ(sizeLibrary.removals, 1);
    ASSERT_FALSE(keyboardLibrary.keyHooks.empty());
    EXPECT_EQ(keyboardLibrary.keyHooks[0].window, 0u);
    // Then the key hook watches the first-run hot keys F1, F2, F3 with Shift.
    ASSERT_EQ(keyboardLibrary.keyHooks.size(), 2u);
    EXPECT_EQ(keyboardLibrary.keyHooks[1].codes, (std::vector<int32_t>{65648, 65649, 65650}));
    EXPECT_EQ(keyboardLibrary.mediaHooks, (std::vector<WindowHandle>{0x42}));
    EXPECT_EQ(keyboardLibrary.pcFriendly, (std::vector<bool>{true}));
}

TEST_F(ControllerFixture, MissingSizeLibraryEndsTheProgramWithItsMessage) {
    sizeLibrary.missing = true;
    EXPECT_FALSE(controller.Form_Load(""));
    EXPECT_TRUE(view.ended);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0].text, "Unable to load the required support DLL 'KIVUtil.dll'. "
                                         "Please insure that KIV is installed correctly.");
    EXPECT_EQ(reporter.messages[0].title, "KIV");
    EXPECT_EQ(view.SettingListCount(), 0);
}

TEST_F(ControllerFixture, MissingKeyboardLibraryEndsTheProgramWithItsMessage) {
    keyboardLibrary.missing = true;
    EXPECT_FALSE(controller.Form_Load(""));
    EXPECT_TRUE(view.ended);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0].text, "Unable to load the required support DLL 'KIVKbd.dll'. "
                                         "Please insure that KIV is installed correctly.");
}

TEST_F(ControllerFixture, CommandLineSelectsByWholeNameAndSetsReadOnly) {
    WindowHandle player = desktop.Open("KivTestPlayer", "Test Player");
    WriteSettings({Setting("My Setting", "Class:kivtestplayer", {10, 20, 300, 200}),
                   Setting("Anamorphic", "Test Player", {0, 0, 1024, 768})});
    controller.Form_Load("/S  my setting  /R");
    ASSERT_NE(controller.CurrentSetting(), nullptr);
    EXPECT_EQ(controller.CurrentSetting()->SettingName, "My Setting");
    EXPECT_EQ(view.caption, "KIV - My Setting");
    EXPECT_TRUE(controller.ReadOnly());
    ASSERT_EQ(desktop.moves.size(), 1u);
    EXPECT_EQ(desktop.moves[0].window, player);
    EXPECT_EQ(desktop.Find(player)->rect, (Rect{10, 20, 310, 220}));
    // The key hook is installed after the setting was applied.
    EXPECT_EQ(keyboardLibrary.keyHooks.size(), 1u);
}

TEST_F(ControllerFixture, CommandLineCasesThatSelectNothing) {
    const char* lines[] = {"/S Anam", "/R Yes", "", "/S", "/SAnamorphic"};
    for (const char* line : lines) {
        SCOPED_TRACE(line);
        FakeMainView freshView;
        CMainController fresh(freshView,
                              Platform{desktop, sizeLibrary, keyboardLibrary, pump, reporter},
                              options, playList, appPath);
        fresh.Form_Load(line);
        EXPECT_EQ(fresh.CurrentSetting(), nullptr);
        EXPECT_FALSE(fresh.ReadOnly());
    }
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(ControllerFixture, SelectionCopiesTheSettingAndReselectionDiscardsEdits) {
    WriteSettings({Setting("Wide", "Class:Player", {0, -126, 1024, 1021})});
    controller.Form_Load("");
    Select("Wide");
    ASSERT_NE(controller.CurrentSetting(), nullptr);
    EXPECT_EQ(controller.CurrentSetting()->ItemKey, "");
    EXPECT_EQ(view.shown.WindowHeight, 1021);
    const_cast<CWindowSetting*>(controller.CurrentSetting())->WindowLeft = 99;
    controller.cboSettingName_Click();
    EXPECT_EQ(controller.CurrentSetting()->WindowLeft, 0);
    EXPECT_EQ(controller.Settings().Item(1)->WindowLeft, 0);
}

TEST_F(ControllerFixture, LockBoxShowsOnlyOneAsCheckedAndRunsItsHandlingOnChange) {
    desktop.Open("Player", "");
    WriteSettings({Setting("Locked", "Class:Player", {0, 0, 100, 100}, 1),
                   Setting("Odd", "Class:Player", {0, 0, 100, 100}, -1),
                   Setting("Open", "Class:Player", {0, 0, 100, 100}, 0)});
    controller.Form_Load("");
    Select("Locked");
    EXPECT_TRUE(view.lockChecked);
    EXPECT_TRUE(view.TimerOn(MainTimer::Checker));
    Select("Odd");
    EXPECT_FALSE(view.lockChecked);
    // The box went from checked to unchecked: its click made the copy 0.
    EXPECT_EQ(controller.CurrentSetting()->LockPosition, 0);
    EXPECT_FALSE(view.TimerOn(MainTimer::Checker));

    view.lockChecked = true;
    controller.chkLockPosition_Click();
    EXPECT_EQ(controller.CurrentSetting()->LockPosition, 1);
    EXPECT_TRUE(view.TimerOn(MainTimer::Checker));
    EXPECT_EQ(controller.Settings().Item(2)->LockPosition, -1); // stored value untouched
}

TEST_F(ControllerFixture, LockClickWithoutCurrentSettingDoesNothing) {
    controller.Form_Load("");
    view.lockChecked = true;
    controller.chkLockPosition_Click();
    EXPECT_TRUE(desktop.moves.empty());
    EXPECT_FALSE(view.TimerOn(MainTimer::Checker));
}

TEST_F(ControllerFixture, PlacementWithoutSettingOrWindowMovesNothingAndClearsTheRecord) {
    WindowHandle player = desktop.Open("Player", "");
    WriteSettings({Setting("Here", "Class:Player", {5, 6, 70, 80}, 1),
                   Setting("Gone", "Class:Nowhere", {0, 0, 10, 10}, 1),
                   Setting("Unset", "", {0, 0, 10, 10}, 1)});
    controller.Form_Load("");
    Select("Here"); // the lock box's own handling places it once before the selection does
    EXPECT_EQ(desktop.moves.size(), 2u);
    EXPECT_EQ(controller.Placement().AppHwnd(), player);
    EXPECT_EQ(controller.Placement().AppRect(), (Rect{5, 6, 75, 86}));
    for (const char* name : {"Gone", "Unset"}) {
        Select(name);
        EXPECT_EQ(controller.Placement().AppHwnd(), 0u);
        EXPECT_EQ(controller.Placement().AppRect(), Rect{});
        EXPECT_FALSE(view.TimerOn(MainTimer::Checker));
    }
    EXPECT_EQ(desktop.moves.size(), 2u);
    controller.SetListIndex(-1);
    controller.AdjustWindow();
    EXPECT_EQ(desktop.moves.size(), 2u);
    EXPECT_EQ(view.caption, "KIV");
}

TEST_F(ControllerFixture, FarEdgesBeyond32BitsRaiseOverflowAfterTheMove) {
    desktop.Open("Player", "");
    WriteSettings({Setting("Huge", "Class:Player", {2000000000, 0, 2000000000, 10})});
    controller.Form_Load("");
    Select("Huge");
    EXPECT_EQ(desktop.moves.size(), 1u);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0].title, "AdjustWindow");
    EXPECT_EQ(reporter.messages[0].text, "Error: 6. Overflow");
    EXPECT_FALSE(view.TimerOn(MainTimer::Checker));
    // The busy flag did not stay set: the next placement runs.
    controller.AdjustWindow();
    EXPECT_EQ(desktop.moves.size(), 2u);
}

TEST_F(ControllerFixture, NestedPlacementDuringAMoveIsDropped) {
    desktop.Open("Player", "");
    WriteSettings({Setting("One", "Class:Player", {1, 2, 30, 40})});
    controller.Form_Load("");
    int nested = 0;
    desktop.onMove = [&] {
        if (nested++ == 0) {
            controller.AdjustWindow();
        }
    };
    Select("One");
    EXPECT_EQ(desktop.moves.size(), 1u);
    EXPECT_EQ(nested, 1);
}

TEST_F(ControllerFixture, WindowSizeHookFollowsTheSelectionWhenTheOptionIsOn) {
    WindowHandle player = desktop.Open("Player", "");
    desktop.Find(player)->thread = 555;
    WriteSettings({Setting("Small", "Class:Player", {0, 0, 640, 480}),
                   Setting("Tall", "Class:Player", {0, 0, 1400, 700})});
    controller.Form_Load("");
    int removalsAtStart = sizeLibrary.removals;
    Select("Small");
    Select("Tall");
    EXPECT_EQ(sizeLibrary.removals, removalsAtStart + 2);
    ASSERT_EQ(sizeLibrary.hooks.size(), 2u);
    EXPECT_EQ(sizeLibrary.hooks[0].thread, 555u);
    EXPECT_EQ(sizeLibrary.hooks[0].window, player);
    EXPECT_EQ(sizeLibrary.hooks[0].limit, (Rect{0, 0, 1024, 768}));
    EXPECT_EQ(sizeLibrary.hooks[1].limit, (Rect{0, 0, 1400, 768}));
    EXPECT_EQ(pump.messagesTaken, 2);
    EXPECT_EQ(pump.eventPasses, 200);

    options.SubClassWindowSize = false;
    Select("Small");
    EXPECT_EQ(sizeLibrary.hooks.size(), 2u);
}

TEST_F(ControllerFixture, WindowSizeHookLimitCasesAndFailures) {
    EXPECT_EQ(SizeLimitRect(options, {1024, 768}, 640, 480), (Rect{0, 0, 1024, 768}));
    EXPECT_EQ(SizeLimitRect(options, {1024, 768}, 1400, 700), (Rect{0, 0, 1400, 768}));
    options.SpecifyDimensions = true;
    options.AssumedWidth = 800;
    options.AssumedHeight = 600;
    EXPECT_EQ(SizeLimitRect(options, {1920, 1080}, 3000, 3000), (Rect{0, 0, 800, 600}));
    options.SpecifyDimensions = false;

    WindowHandle player = desktop.Open("Player", "");
    WriteSettings({Setting("One", "Class:Player", {0, 0, 640, 480}),
                   Setting("None", "Class:Missing", {0, 0, 640, 480})});
    controller.Form_Load("");
    Select("None"); // no window: no hook, no wait
    EXPECT_TRUE(sizeLibrary.hooks.empty());
    desktop.Find(player)->thread = 0;
    Select("One"); // no owning thread
    EXPECT_TRUE(sizeLibrary.hooks.empty());
    desktop.Find(player)->thread = 9;
    sizeLibrary.succeeds = false;
    controller.SetListIndex(-1);
    Select("One");
    EXPECT_EQ(sizeLibrary.hooks.size(), 1u);
    EXPECT_EQ(pump.messagesTaken, 0); // nothing to wait for after a failed hook
}

TEST_F(ControllerFixture, HookInstallIsNotReenteredFromPendingEvents) {
    desktop.Open("Player", "");
    WriteSettings({Setting("One", "Class:Player", {0, 0, 640, 480}),
                   Setting("Two", "Class:Player", {0, 0, 800, 600})});
    controller.Form_Load("");
    bool reentered = false;
    pump.onEvents = [&] {
        if (!reentered) {
            reentered = true;
            Select("Two"); // the user picks another setting while the hook settles
        }
    };
    Select("One");
    EXPECT_EQ(sizeLibrary.hooks.size(), 1u);
    EXPECT_EQ(controller.CurrentSetting()->SettingName, "Two");
}

TEST_F(ControllerFixture, WatchdogPutsAMovedWindowBackAndDeselectsAClosedOne) {
    WindowHandle player = desktop.Open("Player", "");
    WriteSettings({Setting("Locked", "Class:Player", {10, 10, 200, 100}, 1)});
    controller.Form_Load("");
    Select("Locked");
    size_t placed = desktop.moves.size();
    controller.tmrChecker_Timer();
    EXPECT_EQ(desktop.moves.size(), placed);

    desktop.Find(player)->rect = {50, 50, 240, 140};
    controller.tmrChecker_Timer();
    EXPECT_EQ(desktop.moves.size(), placed + 1);
    EXPECT_EQ(desktop.Find(player)->rect, (Rect{10, 10, 210, 110}));

    desktop.Close(player);
    controller.tmrChecker_Timer();
    EXPECT_EQ(controller.CurrentSetting(), nullptr);
    EXPECT_EQ(view.caption, "KIV");
    EXPECT_EQ(view.listIndex, -1);
    EXPECT_FALSE(view.TimerOn(MainTimer::Checker));
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(ControllerFixture, AWindowThatClosesBetweenFindAndMoveIsLetGo) {
    WindowHandle player = desktop.Open("Player", "");
    WriteSettings({Setting("Locked", "Class:Player", {10, 10, 200, 100}, 1)});
    options.SubClassWindowSize = false;
    controller.Form_Load("");
    bool closing = true;
    desktop.onFind = [&] {
        if (closing) {
            closing = false;
            // Found by this search, gone before the move.
            desktop.onMove = [&] { desktop.Close(player); };
        }
    };
    Select("Locked");
    EXPECT_TRUE(reporter.messages.empty());
    controller.tmrChecker_Timer();
    EXPECT_EQ(controller.CurrentSetting(), nullptr);
    EXPECT_EQ(view.caption, "KIV");
}

TEST_F(ControllerFixture, RefillReselectsTheRememberedEntryAndAppliesIt) {
    desktop.Open("Player", "");
    WriteSettings({Setting("B", "Class:Player", {1, 1, 10, 10}),
                   Setting("A", "Class:Player", {2, 2, 20, 20})});
    controller.Form_Load("");
    Select("B");
    size_t moves = desktop.moves.size();
    controller.FillSettingCombo();
    EXPECT_EQ(view.listIndex, 1);
    EXPECT_EQ(desktop.moves.size(), moves + 1);
    EXPECT_EQ(controller.CurrentItemKey(), "C1");
}

TEST_F(ControllerFixture, CheckWindowExistsAndSizeQueriesFollowTheCurrentSetting) {
    WindowHandle player = desktop.Open("Player", "Front");
    desktop.Open("Player", "Behind");
    std::swap(desktop.windows[0], desktop.windows[1]); // "Front" in front again
    WriteSettings({Setting("S", "Class:player", {0, 0, 333, 222})});
    controller.Form_Load("");
    EXPECT_EQ(controller.CheckWindowExists(), 0u);
    EXPECT_EQ(controller.CurrentSettingWindowWidth(), 0);
    Select("S");
    EXPECT_EQ(controller.CheckWindowExists(), player);
    EXPECT_EQ(controller.CurrentSettingWindowWidth(), 333);
    EXPECT_EQ(controller.CurrentSettingWindowHeight(), 222);
}

TEST_F(ControllerFixture, ShutdownRemovesEveryHook) {
    controller.Form_Load("");
    size_t keyCalls = keyboardLibrary.keyHooks.size();
    int removals = sizeLibrary.removals;
    controller.Form_Unload();
    EXPECT_EQ(sizeLibrary.removals, removals + 1);
    ASSERT_EQ(keyboardLibrary.keyHooks.size(), keyCalls + 1);
    EXPECT_TRUE(keyboardLibrary.keyHooks.back().codes.empty());
    EXPECT_EQ(keyboardLibrary.mediaHooks.back(), 0u);
    EXPECT_EQ(keyboardLibrary.mouseHooks.back(), 0u);
    EXPECT_EQ(keyboardLibrary.pcFriendly.back(), false);
}

TEST_F(ControllerFixture, OptionsDecideWhichHooksStartAndStop) {
    options.GlobalKeyHook = false;
    options.AutoMouseHide = false;
    options.DisableDVDRomContent = false;
    WindowHandle player = desktop.Open("Player", "");
    WriteSettings({Setting("One", "Class:Player", {0, 0, 10, 10})});
    controller.Form_Load("/S One");
    EXPECT_EQ(keyboardLibrary.keyHooks.size(), 1u); // only the load test
    EXPECT_EQ(keyboardLibrary.pcFriendly, (std::vector<bool>{false}));
    EXPECT_EQ(keyboardLibrary.mouseHooks, (std::vector<WindowHandle>{0}));
    options.AutoMouseHide = true;
    controller.cboSettingName_Click();
    EXPECT_EQ(keyboardLibrary.mouseHooks.back(), player);
    controller.Form_Unload();
    EXPECT_EQ(keyboardLibrary.keyHooks.size(), 1u);
}

TEST_F(ControllerFixture, StartModeAndHelpFile) {
    options.WindowStartMode = 2;
    WriteBytes(appPath + "kiv.hlp", "help");
    controller.Form_Load("");
    EXPECT_EQ(view.shownAs, 2);
    EXPECT_EQ(controller.HelpFile(), appPath + "kiv.hlp");
}

} // namespace
} // namespace kiv
