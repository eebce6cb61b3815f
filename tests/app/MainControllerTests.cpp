// Start-up's placement from the command line, the selection, placement, the
// size hook, the lock watchdog and the one command at a time.
#include "ControllerFixture.h"
#include "app/StartPlacement.h"

namespace kiv {
namespace {

using namespace test;

TEST_F(ControllerFixture, ChoosingAnEntryRunsTheSelectionOnceAndARefillRunsItAgain) {
    Load({Setting("B", {1, 1, 10, 10}), Setting("A", {2, 2, 20, 20})}, "B");
    EXPECT_EQ(desktop.moves.size(), 1u);
    Select("B"); // already selected: nothing runs
    EXPECT_EQ(desktop.moves.size(), 1u);
    Current().WindowLeft = 99;
    controller.FillSettingCombo();
    EXPECT_EQ(view.listIndex, 1);
    EXPECT_EQ(desktop.moves.size(), 2u);
    EXPECT_EQ(Current().WindowLeft, 1); // the working copy renewed from the stored setting
    EXPECT_THROW(controller.SetListIndex(2), CRuntimeError);
}

// A name finds the first list entry of a setting with exactly that name; a
// key, its setting's entry. The list is the main window's, sorted.
TEST_F(ControllerFixture, LocateSelectsTheFirstListEntryByExactNameOrByKey) {
    Load({Setting("Anamorphic", {}), Setting("Letterbox", {}), Setting("4x3", {}),
          Setting("Anamorphic", {})});
    CWindowSettings& settings = controller.Settings();
    settings.LocateItem("letterbox", controller); // the name must match exactly
    settings.LocateItemByKey("C9", controller);   // not in the collection
    EXPECT_EQ(view.listIndex, -1);
    settings.LocateItem("Anamorphic", controller);
    EXPECT_EQ(view.listIndex, 1); // after "4x3", the first of the two
    settings.LocateItemByKey("C3", controller);
    EXPECT_EQ(view.listIndex, 0);
    settings.LocateItem("Letterbox", controller);
    EXPECT_EQ(view.listIndex, 3);
}

// No settings file is a first run, with the three first settings; a file not
// read in full is not, whatever it held (SaveFaultTests: one held open by
// another program, or one with a number that does not convert).
TEST_F(ControllerFixture, OnlyAMissingSettingsFileIsAFirstRun) {
    ASSERT_TRUE(controller.Form_Load(""));
    EXPECT_EQ(view.SettingListCount(), 3);
    WriteBytes(DataFile(), "S1=Bad;S3=x;\r\n");
    ASSERT_TRUE(controller.Form_Load(""));
    EXPECT_EQ(view.SettingListCount(), 0);
    EXPECT_EQ(Reports(), Texts{"LoadItems: Error: 13. Type mismatch"});
}

constexpr std::string_view kWillNotMove =
    " (the window will not move: run KIV as administrator to place it)";

// A move the system refuses is said once, however often the watchdog or a hot
// key places the window again, and taken back when a move works.
TEST_F(ControllerFixture, TheLockWatchdogPutsAMovedWindowBackSaysARefusalOnceAndLetsAClosedOneGo) {
    CWindowSetting locked = Setting("Locked", {10, 10, 200, 100});
    locked.LockPosition = 1;
    Load({locked}, "Locked");
    EXPECT_TRUE(view.checker);
    desktop.Find(player)->rect = {50, 50, 240, 140};
    controller.tmrChecker_Timer();
    EXPECT_EQ(PlayerRect(), (Rect{10, 10, 210, 110}));
    desktop.refuseMoves = true;
    desktop.Find(player)->rect = {50, 50, 240, 140};
    view.captions.clear();
    controller.tmrChecker_Timer();
    controller.AdjustWindow(); // a hot key
    const std::string refused = "KIV - Locked" + std::string(kWillNotMove);
    EXPECT_EQ(view.captions, (Texts{refused}));
    desktop.refuseMoves = false;
    controller.tmrChecker_Timer();
    EXPECT_EQ(view.captions, (Texts{refused, "KIV - Locked"}));
    desktop.Close(player);
    controller.tmrChecker_Timer();
    EXPECT_EQ(controller.CurrentSetting(), nullptr);
    EXPECT_EQ(view.caption, "KIV");
    EXPECT_FALSE(view.checker);
    // Nothing is selected, so nothing acts on a setting; "..." runs no wizard.
    for (MainCommand command : {MainCommand::Delete, MainCommand::Rename, MainCommand::Save,
                                MainCommand::SaveAs, MainCommand::GetWindowInfo}) {
        EXPECT_FALSE(view.commands[command]) << static_cast<int>(command);
    }
    controller.MainCommands().Invoke(MainCommand::GetWindowInfo);
    EXPECT_EQ(dialogs.wizardOpened, "");
}

TEST_F(ControllerFixture, AWindowLeftElsewhereIsRefusedAndOneOnlyResizedIsNot) {
    Load({Setting("A", {10, 10, 200, 900}), Setting("B", {20, 20, 200, 100})});
    auto alreadyThere = [&] {
        desktop.Find(player)->rect = {Current().WindowLeft, Current().WindowTop};
    };
    struct Case {
        bool refuse;
        std::function<void()> afterMove;
        bool notice;
    } cases[] = {
        {false, nullptr, false},
        {false, [&] { desktop.Find(player)->rect.bottom = 768; }, false}, // the screen's clamp
        {true, nullptr, true},                                            // the system said no
        {false, [&] { desktop.Find(player)->rect.left = 0; }, true},      // the player said no
        {true, alreadyThere, true}, // the system said no to a window at the corner already
    };
    // Each selection says it afresh, though the one before said it too.
    for (const Case& c : cases) {
        desktop.refuseMoves = c.refuse;
        desktop.onMove = c.afterMove;
        const std::string name = view.listIndex == 0 ? "B" : "A";
        Select(name);
        EXPECT_EQ(view.caption, "KIV - " + name + (c.notice ? std::string(kWillNotMove) : ""));
    }
}

// A placement asked for while the window moves (by a message box or the moved
// window's own handling) is dropped; far edges beyond 32 bits are reported
// after the move and leave nothing busy.
TEST_F(ControllerFixture, APlacementAskedForDuringAMoveIsDroppedAndAnOverflowLeavesNothingBusy) {
    desktop.monitors = {{kHugestDisplay, true}};
    Load({Setting("Huge", {2000000000, 0, 2000000000, 10})});
    desktop.onMove = [&] { controller.AdjustWindow(); };
    Select("Huge");
    controller.AdjustWindow();
    EXPECT_EQ(desktop.moves.size(), 2u);
    EXPECT_EQ(Reports(), Texts(2, "AdjustWindow: Error: 6. Overflow"));
}

TEST_F(ControllerFixture, TheSizeHookIsInstalledAgainOnlyWhenItsLimitOrWindowChanges) {
    Load({Setting("One", {0, 0, 640, 480}), Setting("Two", {0, 0, 800, 600}),
          Setting("Big", {0, 0, 1400, 600}), Setting("Huge", {0, 0, 2000, 600})},
         "One");
    Select("Two"); // the same window, still within the screen
    EXPECT_EQ(sizeLibrary.limits.size(), 1u);
    desktop.Close(player);
    player = desktop.Open("Player", "");
    Select("One"); // a new window of the player's class
    EXPECT_EQ(sizeLibrary.limits.size(), 2u);
    Select("Big");
    ASSERT_EQ(sizeLibrary.limits.size(), 3u);
    EXPECT_EQ(sizeLibrary.limits[2].right, 1400);
    controller.ScreenChanged(); // the same screen
    EXPECT_EQ(sizeLibrary.limits.size(), 3u);
    desktop.screen = {1600, 900};
    controller.ScreenChanged();
    EXPECT_EQ(sizeLibrary.limits.back(), (Rect{0, 0, 1600, 900}));
    // Not from the events it lets run while it settles, either.
    desktop.Close(player);
    player = desktop.Open("Player", "");
    bool chosen = false;
    pump.onEvents = [&] {
        if (!std::exchange(chosen, true)) {
            Select("Huge"); // the user picks another setting while the hook settles
        }
    };
    Select("One");
    ASSERT_EQ(sizeLibrary.limits.size(), 5u);
    EXPECT_EQ(sizeLibrary.limits[4], (Rect{0, 0, 1600, 900})); // the screen at least
    EXPECT_EQ(Current().SettingName, "Huge");
    options.SpecifyDimensions = true;
    options.AssumedWidth = 800;
    options.AssumedHeight = 600;
    EXPECT_EQ(SizeLimitRect(options, {1920, 1080}, 3000, 3000), (Rect{0, 0, 800, 600}));
}

// Each way a command arrives, while each kind of modal window or the wait for
// the size hook runs: the command waits for it, then runs once.
TEST_F(ControllerFixture, ACommandArrivingWhileAModalWindowOrAWaitIsOpenRunsOnceAfterIt) {
    Load({Setting("A", {0, 0, 640, 480}), Setting("B", {5, 5, 300, 200}, "1066"),
          Setting("Big", {0, 0, 1400, 600})});
    playList.Add("Movie", "B", "MOVIE", "1234");
    dvd.disc = {"MOVIE", "1234"};
    view.popupChoice = 52;    // the tray menu's "B"
    dialogs.nameAnswer = "A"; // Rename answers OK, writing through the working copy
    using Step = std::function<void()>;
    // Each with whether only the latest of two counts.
    const std::pair<Step, bool> arrivals[] = {
        {[&] { controller.HotKeyMessage(0); }, false},
        {[&] { controller.MediaArrived(1u << 3); }, true}, // D:
        {[&] { controller.Menus().TrayIcon_MouseEvent(516); }, false},
        {[&] { controller.SecondCopyStarted("/S b"); }, true}};
    auto invoke = [&](MainCommand command) {
        return [&, command] { controller.MainCommands().Invoke(command); };
    };
    const Step modals[] = {
        invoke(MainCommand::Rename),
        invoke(MainCommand::Options),
        invoke(MainCommand::About),
        invoke(MainCommand::PlayList),
        [&] {
            controller.Queue().Run([&] { controller.GetWindowInfo().cmdGetWindowInfo_Click(); });
        },
        [&] { controller.Menus().mnuHelp_Click(menu::kHelpOnKiv); }, // the guide's message box
        [&] { controller.Queue().Run([&] { Select("Big"); }); }};    // the size hook's wait
    const std::pair<Step, bool>* arrival = nullptr;
    std::string during;
    bool armed = false;
    dialogs.whileOpen = reporter.whileShown = pump.onEvents = [&] {
        if (std::exchange(armed, false)) {
            for (int n = arrival->second ? 2 : 1; n > 0; --n) {
                arrival->first();
            }
            during = Current().SettingName;
        }
    };
    for (const auto& arrive : arrivals) {
        for (const Step& modal : modals) {
            Select("A");
            view.captions.clear();
            arrival = &arrive;
            armed = true;
            modal();
            EXPECT_FALSE(armed);
            // The play list window keeps a disc from choosing a setting.
            const bool paused = &arrive == &arrivals[1] && &modal == &modals[3];
            EXPECT_NE(during, "B");
            EXPECT_EQ(std::count(view.captions.begin(), view.captions.end(), "KIV - B"), !paused);
            EXPECT_EQ(Current().SettingName, paused ? "A" : "B");
        }
    }
    EXPECT_EQ(Reports().size(), std::size(arrivals)); // the missing guide's, one per arrival
}

// Leaving while a dialog is open: it closes, its own follow-up runs, then the
// program ends, and a command that was waiting is dropped.
TEST_F(ControllerFixture, LeavingDuringADialogWaitsForItAndDropsWaitingCommands) {
    Load({Setting("A", {0, 0, 640, 480}), Setting("B", {5, 5, 300, 200}, "1066")}, "A");
    size_t hooksAtExit = 0;
    dialogs.whileOpen = [&] {
        controller.HotKeyMessage(0);
        controller.Queue().Exit([&] {
            hooksAtExit = keyboardLibrary.keyHooks.size();
            controller.Form_Unload();
        });
        EXPECT_EQ(view.cancels, 1);
        EXPECT_EQ(hooksAtExit, 0u);
    };
    const size_t hooksBefore = keyboardLibrary.keyHooks.size();
    controller.MainCommands().Invoke(MainCommand::Options);
    EXPECT_GT(hooksAtExit, hooksBefore);                        // the dialog's follow-up ran first
    EXPECT_TRUE(keyboardLibrary.keyHooks.back().codes.empty()); // and off it stays
    controller.HotKeyMessage(0);
    EXPECT_EQ(Current().SettingName, "A");
}

struct EarlyCase {
    const char* commandLine;
    const char* settingsFile;
    std::optional<Rect> placed; // where the window ends: left, top, right, bottom
};

// The player's window is "Class:Player"; a 1024 x 768 desk monitor and a
// 1280 x 720 television to its right.
constexpr const char* kWide = "S1=Wide;S2=Class:Player;S3=-10;S4=20;S5=1024;S6=700;\r\n";
const EarlyCase kEarlyCases[] = {
    {"/S wide", kWide, Rect{-10, 20, 1014, 720}},
    // Wider than the desk monitor, but it fits the television that shows it.
    {"/S tv", "S1=TV;S2=Class:Player;S3=1100;S4=40;S5=1100;S6=620;\r\n", Rect{1100, 40, 2200, 660}},
    {"/S Wi", kWide, std::nullopt},
    {"", kWide, std::nullopt},
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

// A setting found to need the size hook or to be on no display is moved and
// put back (the displays are asked after the move): what counts is where the
// window ends.
TEST(StartPlacement, OnlyAnUnambiguousSettingThatFitsTheScreenIsPlacedEarly) {
    const Rect shown{5, 6, 645, 486};
    for (const EarlyCase& c : kEarlyCases) {
        SCOPED_TRACE(std::string(c.commandLine) + " | " + c.settingsFile);
        TempDir dir;
        WriteBytes(dir.File("KIV.dat"), c.settingsFile);
        FakeDesktop desktop;
        desktop.monitors = {{{0, 0, 1024, 768}, true}, {{1024, 0, 2304, 720}, false}};
        WindowHandle player = desktop.Open("Player", "Film", shown);

        PlaceCommandLineSettingEarly(desktop, c.commandLine, dir.File("KIV.dat"));
        EXPECT_EQ(desktop.Find(player)->rect, c.placed.value_or(shown));
    }
}

} // namespace
} // namespace kiv
