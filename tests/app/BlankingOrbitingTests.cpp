// The controller's blanking and orbiting: the strips around the placed window,
// the taskbar, the orbit timer and test on a simulated clock, and the pages'
// handlers.
#include "CommandFixture.h"
#include "app/MainController.h"
#include "store/WindowSettings.h"
#include "support/BlankingDoubles.h"
#include "support/Doubles.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace kiv {
namespace {

using namespace test;

constexpr const char* kPlayer = "Class:KivTestPlayer";

struct BlankingControllerFixture : ::testing::Test {
    TempDir dir;
    RecordingReporter reporter;
    FakeDesktop desktop;
    FakeSizeLibrary sizeLibrary;
    FakeKeyboardLibrary keyboardLibrary;
    FakePump pump;
    FakeMainView view;
    FakeBlankingPlatform blanking;
    COptions options{reporter};
    CPlayList playList{reporter};
    std::string appPath = (dir.Path() / "").string();
    std::unique_ptr<CMainController> controller = MakeController();
    WindowHandle player = desktop.Open("KivTestPlayer", "Test Player", {0, 0, 320, 240});

    // The simulated clock: when each enabled main-window timer fires next.
    uint64_t now = 0;
    std::map<MainTimer, uint64_t> due;

    std::unique_ptr<CMainController> MakeController() {
        return std::make_unique<CMainController>(
            view, Platform{desktop, sizeLibrary, keyboardLibrary, pump, reporter, &blanking},
            options, playList, appPath);
    }

    static CWindowSetting Setting(std::string name, Rect ltwh, int16_t blankingOn = 1) {
        CWindowSetting s = CommandFixture::PlacedSetting(std::move(name), kPlayer, ltwh);
        s.BlankingOn = blankingOn;
        return s;
    }

    void Load(std::initializer_list<CWindowSetting> settings) {
        std::string text;
        for (const CWindowSetting& s : settings) {
            text += SettingLine(s) + "\r\n";
        }
        WriteBytes(appPath + "KIV.dat", text);
        ASSERT_TRUE(controller->Form_Load(""));
    }
    void Select(std::string_view name) { controller->SetListIndex(view.FindSettingListText(name)); }
    CWindowSetting& Current() { return const_cast<CWindowSetting&>(*controller->CurrentSetting()); }
    Rect Strip(size_t index) { return blanking.Strip(index).ltwh; }
    Rect PlayerRect() { return desktop.Find(player)->rect; }

    // Runs the clock forward in steps of 10 ms, firing the timers that fall due.
    void Advance(uint64_t ms) {
        static const std::map<MainTimer, uint64_t> intervals = {{MainTimer::Orbit, 1000},
                                                                {MainTimer::TestOrbit, 2000}};
        for (uint64_t end = now + ms; now < end;) {
            now += 10;
            for (const auto& [timer, interval] : intervals) {
                if (!view.TimerOn(timer)) {
                    due.erase(timer);
                    continue;
                }
                auto it = due.try_emplace(timer, now - 10 + interval).first;
                if (now >= it->second) {
                    it->second += interval;
                    if (timer == MainTimer::Orbit) {
                        controller->tmrOrbit_Timer();
                    } else {
                        controller->tmrTestOrbit_Timer();
                    }
                }
            }
        }
    }
    // The player's left edge after each of `seconds` seconds.
    std::vector<int32_t> LeftsEachSecond(int seconds) {
        std::vector<int32_t> lefts;
        for (int i = 0; i < seconds; ++i) {
            Advance(1000);
            lefts.push_back(PlayerRect().left);
        }
        return lefts;
    }
    void SwitchOrbiting(bool on) {
        view.orbitingChecked = on;
        controller->chkOrbitingOn_Click();
    }
};

// --- Blanking around the placed window ---------------------------------------

TEST_F(BlankingControllerFixture, SelectingABlankedSettingFramesTheWindowAndHidesTheTaskbar) {
    Load({Setting("Movie", {100, 50, 800, 600})});
    Select("Movie");
    EXPECT_TRUE(view.blankingChecked);
    ASSERT_NE(controller->Blanking(), nullptr);
    EXPECT_TRUE(controller->Blanking()->BlankingOn());
    EXPECT_EQ(Strip(0), (Rect{0, 0, 104, 768}));
    EXPECT_EQ(Strip(1), (Rect{0, 0, 1024, 72}));
    EXPECT_EQ(Strip(2), (Rect{896, 0, 128, 768}));
    EXPECT_EQ(Strip(3), (Rect{0, 646, 1024, 122}));
    for (auto& window : blanking.windows) {
        EXPECT_TRUE(window->visible && window->onTop) << window->index;
    }
    EXPECT_FALSE(blanking.taskbar.visible);
    EXPECT_TRUE(std::filesystem::exists(appPath + "KIV.taskbar"));
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(BlankingControllerFixture, WindowsAreTopmostAndVisibleBeforeTheyMoveAndToTopComesLast) {
    Load({Setting("Movie", {100, 50, 800, 600})});
    blanking.log.clear();
    Select("Movie");
    auto position = [&](const std::string& entry) {
        return std::find(blanking.log.begin(), blanking.log.end(), entry) - blanking.log.begin();
    };
    EXPECT_LT(position("w0 ontop 1"), position("w0 visible 1"));
    EXPECT_LT(position("w3 visible 1"), position("taskbar hide"));
    EXPECT_LT(position("taskbar hide"), position("w0 move 0,0,104,768"));
    EXPECT_EQ(blanking.log.back(), "w3 ontop 1");
}

TEST_F(BlankingControllerFixture, PadsAndMarginOptionsWidenTheStrips) {
    CWindowSetting padded = Setting("Padded", {100, 50, 800, 600});
    padded.BlankingPadLeft = 10;
    padded.BlankingPadRight = 20;
    padded.BlankingPadTop = 30;
    padded.BlankingPadBottom = 40;
    options.TitleBarMargin = 0;
    options.SideMargin = 1;
    Load({padded});
    Select("Padded");
    EXPECT_EQ(blanking.Strip(0).ltwh.right, 100 + 1 + 10);
    EXPECT_EQ(blanking.Strip(1).ltwh.bottom, 50 + 4 + 0 + 30);
    EXPECT_EQ(blanking.Strip(2).ltwh.right, 1024 - 900 + 1 + 20);
    EXPECT_EQ(blanking.Strip(3).ltwh.bottom, 768 - 650 + 4 + 40);
}

TEST_F(BlankingControllerFixture, AWindowReachingTheBottomKeepsTheTaskbarMarginStrip) {
    Load({Setting("Full", {0, 0, 1024, 772})});
    Select("Full");
    EXPECT_EQ(controller->Blanking()->BottomBlankPixels(), 3);
    EXPECT_EQ(Strip(3), (Rect{0, 765, 1024, 3}));
    EXPECT_EQ(controller->Blanking()->LeftBlankPixels(), 4);
}

TEST_F(BlankingControllerFixture, UncheckingSwitchesOffAndStoresItInTheSetting) {
    Load({Setting("Movie", {100, 50, 800, 600})});
    Select("Movie");
    controller->SetBlankingOnCheck(false);
    EXPECT_FALSE(controller->Blanking()->BlankingOn());
    EXPECT_EQ(Current().BlankingOn, 0);
    for (auto& window : blanking.windows) {
        EXPECT_FALSE(window->visible || window->onTop) << window->index;
    }
    EXPECT_TRUE(blanking.taskbar.visible);
    EXPECT_FALSE(std::filesystem::exists(appPath + "KIV.taskbar"));
    controller->SetBlankingOnCheck(true);
    EXPECT_TRUE(controller->Blanking()->BlankingOn());
    EXPECT_EQ(Current().BlankingOn, 1);
}

TEST_F(BlankingControllerFixture, CheckingWhileTheWindowIsMissingStoresOnButBlanksNothing) {
    desktop.Close(player);
    Load({Setting("Movie", {100, 50, 800, 600}, 0)});
    Select("Movie");
    controller->SetBlankingOnCheck(true);
    EXPECT_FALSE(controller->Blanking()->BlankingOn());
    EXPECT_EQ(Current().BlankingOn, 1);
    EXPECT_TRUE(blanking.taskbar.visible);
    // Without a current setting the box changes nothing at all.
    controller->SetListIndex(-1);
    controller->SetBlankingOnCheck(false);
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(BlankingControllerFixture, AVanishedWindowSwitchesOffAndItsReturnSwitchesOnAgain) {
    Load({Setting("Movie", {100, 50, 800, 600})});
    Select("Movie");
    desktop.Close(player);
    controller->AdjustWindow(); // finds nothing: blanking is left as it was
    int32_t pad = 0;
    controller->WindowPos_ValueIncremented(WindowPosControl::BlankTop, pad);
    EXPECT_FALSE(controller->Blanking()->BlankingOn());
    EXPECT_EQ(Current().BlankingOn, 1);
    EXPECT_TRUE(blanking.taskbar.visible);
    player = desktop.Open("KivTestPlayer", "Test Player");
    controller->AdjustWindow();
    EXPECT_TRUE(controller->Blanking()->BlankingOn());
    EXPECT_EQ(Strip(0), (Rect{0, 0, 104, 768}));
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(BlankingControllerFixture, DeselectingTakesTheBlankingAway) {
    Load({Setting("Movie", {100, 50, 800, 600})});
    Select("Movie");
    controller->SetListIndex(-1);
    EXPECT_FALSE(controller->Blanking()->BlankingOn());
    EXPECT_TRUE(blanking.taskbar.visible);
}

TEST_F(BlankingControllerFixture, AStoredValueOtherThanOneShowsUncheckedAndBlanksNothing) {
    Load({Setting("Odd", {100, 50, 800, 600}, -1)});
    Select("Odd");
    EXPECT_FALSE(view.blankingChecked);
    EXPECT_FALSE(controller->Blanking()->BlankingOn());
    EXPECT_EQ(Current().BlankingOn, 0); // placement's blanking update stores what the box says
}

TEST_F(BlankingControllerFixture, AbsurdPadsAreReportedAndKivCarriesOn) {
    CWindowSetting absurd = Setting("Absurd", {100, 50, 800, 600});
    absurd.BlankingPadLeft = 2147483647;
    Load({absurd, Setting("Movie", {100, 50, 800, 600})});
    Select("Absurd");
    ASSERT_FALSE(reporter.messages.empty());
    EXPECT_EQ(reporter.messages[0].title, "AdjustBlanking");
    EXPECT_EQ(reporter.messages[0].text, "Error: 6. Overflow");
    reporter.messages.clear();
    Select("Movie");
    EXPECT_EQ(Strip(0), (Rect{0, 0, 104, 768}));
    EXPECT_TRUE(reporter.messages.empty());
}

// --- The taskbar at start and end -------------------------------------------

TEST_F(BlankingControllerFixture, UnloadReleasesTheWindowsAndShowsTheTaskbar) {
    Load({Setting("Movie", {100, 50, 800, 600})});
    Select("Movie");
    controller->Form_Unload();
    for (auto& window : blanking.windows) {
        EXPECT_TRUE(window->destroyed);
    }
    EXPECT_EQ(controller->Blanking(), nullptr);
    EXPECT_TRUE(blanking.taskbar.visible);
    EXPECT_FALSE(std::filesystem::exists(appPath + "KIV.taskbar"));
}

TEST_F(BlankingControllerFixture, TheEndOfTheSessionShowsTheTaskbar) {
    Load({Setting("Movie", {100, 50, 800, 600})});
    Select("Movie");
    controller->EndSession();
    EXPECT_TRUE(blanking.taskbar.visible);
    EXPECT_FALSE(std::filesystem::exists(appPath + "KIV.taskbar"));
}

TEST_F(BlankingControllerFixture, AControllerThatGoesWithoutUnloadStillShowsTheTaskbar) {
    Load({Setting("Movie", {100, 50, 800, 600})});
    Select("Movie");
    controller.reset();
    EXPECT_TRUE(blanking.taskbar.visible);
}

TEST_F(BlankingControllerFixture, TheNextStartAfterAKillShowsTheTaskbarAndRemovesTheMarker) {
    WriteBytes(appPath + "KIV.taskbar", "left by a killed run");
    blanking.taskbar.visible = false;
    Load({Setting("Movie", {100, 50, 800, 600})});
    EXPECT_TRUE(blanking.taskbar.visible);
    EXPECT_FALSE(std::filesystem::exists(appPath + "KIV.taskbar"));
    EXPECT_FALSE(controller->Blanking()->BlankingOn());
}

TEST_F(BlankingControllerFixture, ARecreatedTaskbarIsHiddenAgainWhileBlanking) {
    Load({Setting("Movie", {100, 50, 800, 600})});
    Select("Movie");
    blanking.taskbar.visible = true;
    controller->TaskbarCreated();
    EXPECT_FALSE(blanking.taskbar.visible);
    controller->SetBlankingOnCheck(false);
    controller->TaskbarCreated();
    EXPECT_TRUE(blanking.taskbar.visible);
}

TEST_F(BlankingControllerFixture, AKeyOnABlankingWindowReachesTheMainWindowsKeyHandling) {
    Load({Setting("Movie", {100, 50, 800, 600})});
    int16_t key = 0x76; // F7
    int16_t shift = 3;
    blanking.Strip(2).events->BlankingFormKeyDown(key, shift);
    EXPECT_EQ(controller->LastKeyDown().keyCode, 0x76);
    EXPECT_EQ(controller->LastKeyDown().shift, 3);
    EXPECT_EQ(controller->LastKeyDown().count, 1);
}

TEST_F(BlankingControllerFixture, NoTimerRunsWhileBlankingAndOrbitingAreOff) {
    Load({Setting("Movie", {100, 50, 800, 600}), Setting("Plain", {0, 0, 640, 480}, 0)});
    Select("Movie");
    Select("Plain");
    for (MainTimer timer :
         {MainTimer::Checker, MainTimer::Repeater, MainTimer::Orbit, MainTimer::TestOrbit}) {
        EXPECT_FALSE(view.TimerOn(timer));
    }
}

// --- The pad and range controls ---------------------------------------------

TEST_F(BlankingControllerFixture, SelectionFillsTheOrbitAndBlankingControls) {
    CWindowSetting s = Setting("Movie", {100, 50, 800, 600});
    s.OrbitRangeHorizontal = 3;
    s.OrbitRangeVertical = -2;
    s.OrbitInterval = 5;
    s.OrbitIncrement = 1;
    s.BlankingPadLeft = 7;
    s.BlankingPadBottom = 9;
    Load({s});
    Select("Movie");
    EXPECT_EQ(view.WindowPosValue(WindowPosControl::OrbitHorizontal), "3");
    EXPECT_EQ(view.WindowPosValue(WindowPosControl::OrbitVertical), "-2");
    EXPECT_EQ(view.OrbitText(OrbitTextBox::Interval), "5");
    EXPECT_EQ(view.OrbitText(OrbitTextBox::Increment), "1");
    EXPECT_EQ(view.WindowPosValue(WindowPosControl::BlankLeft), "7");
    EXPECT_EQ(view.WindowPosValue(WindowPosControl::BlankRight), "0");
    EXPECT_EQ(view.WindowPosValue(WindowPosControl::BlankBottom), "9");
}

TEST_F(BlankingControllerFixture, APadChangeIsStoredAndTheStripsFollowAtOnce) {
    Load({Setting("Movie", {100, 50, 800, 600})});
    Select("Movie");
    view.ShowWindowPosValue(WindowPosControl::BlankTop, "15");
    int32_t value = 15;
    controller->WindowPos_ValueIncremented(WindowPosControl::BlankTop, value);
    EXPECT_EQ(Current().BlankingPadTop, 15);
    EXPECT_EQ(Strip(1), (Rect{0, 0, 1024, 72 + 15}));
}

TEST_F(BlankingControllerFixture, ANegativePadShowsZeroAndStoresZero) {
    Load({Setting("Movie", {100, 50, 800, 600})});
    Select("Movie");
    view.ShowWindowPosValue(WindowPosControl::BlankLeft, "-1");
    int32_t value = -1;
    controller->WindowPos_ValueIncremented(WindowPosControl::BlankLeft, value);
    EXPECT_EQ(view.windowPosTexts[WindowPosControl::BlankLeft], "0");
    EXPECT_EQ(Current().BlankingPadLeft, 0);
    EXPECT_EQ(Strip(0), (Rect{0, 0, 104, 768}));
}

TEST_F(BlankingControllerFixture, APadWithoutASettingStillRunsTheBlankingUpdate) {
    Load({Setting("Movie", {100, 50, 800, 600})});
    Select("Movie");
    controller->SetListIndex(-1);
    int32_t value = 5;
    controller->WindowPos_ValueIncremented(WindowPosControl::BlankRight, value);
    EXPECT_FALSE(controller->Blanking()->BlankingOn());
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(BlankingControllerFixture, OrbitRangesKeepNegativeValues) {
    Load({Setting("Movie", {100, 50, 800, 600})});
    Select("Movie");
    int32_t value = -3;
    controller->WindowPos_ValueIncremented(WindowPosControl::OrbitHorizontal, value);
    EXPECT_EQ(Current().OrbitRangeHorizontal, -3);
    value = 4;
    controller->WindowPos_ValueIncremented(WindowPosControl::OrbitVertical, value);
    EXPECT_EQ(Current().OrbitRangeVertical, 4);
    EXPECT_EQ(view.windowPosTexts.count(WindowPosControl::OrbitHorizontal), 1u);
}

TEST_F(BlankingControllerFixture, OrbitTextBoxesStoreTheirNumbers) {
    Load({Setting("Movie", {100, 50, 800, 600})});
    Select("Movie");
    view.ShowOrbitText(OrbitTextBox::Interval, "");
    controller->txtOrbitInterval_Validate();
    EXPECT_EQ(Current().OrbitInterval, 0);
    view.ShowOrbitText(OrbitTextBox::Increment, "12");
    controller->txtOrbitIncrement_Validate();
    EXPECT_EQ(Current().OrbitIncrement, 12);
    view.ShowOrbitText(OrbitTextBox::Increment, "99999999999");
    controller->txtOrbitIncrement_Validate();
    EXPECT_EQ(Current().OrbitIncrement, 12);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0].title, "txtOrbitIncrement_Validate");
    EXPECT_EQ(reporter.messages[0].text, "Error: 6. Overflow");
}

// --- Orbiting on the simulated clock ----------------------------------------

struct OrbitFixture : BlankingControllerFixture {
    void Start(int32_t range, int32_t increment, int32_t interval = 0, int32_t verticalRange = 0) {
        CWindowSetting s = Setting("Movie", {100, 50, 800, 600});
        s.OrbitRangeHorizontal = range;
        s.OrbitRangeVertical = verticalRange;
        s.OrbitIncrement = increment;
        s.OrbitInterval = interval;
        Load({s});
        Select("Movie");
        SwitchOrbiting(true);
    }
};

TEST_F(OrbitFixture, RangeThreeIncrementOneZigzagsTheWindow) {
    Start(3, 1);
    EXPECT_TRUE(view.TimerOn(MainTimer::Orbit));
    EXPECT_EQ(LeftsEachSecond(12),
              (std::vector<int32_t>{101, 102, 103, 103, 102, 101, 100, 99, 98, 97, 97, 98}));
    EXPECT_EQ(PlayerRect().top, 50);
    EXPECT_EQ(PlayerRect().right - PlayerRect().left, 800);
}

TEST_F(OrbitFixture, RangeThreeIncrementTwoTurnsEarly) {
    Start(3, 2);
    EXPECT_EQ(LeftsEachSecond(6), (std::vector<int32_t>{102, 102, 100, 98, 98, 100}));
}

TEST_F(OrbitFixture, BothRangesZeroNeverMoveTheWindow) {
    Start(0, 5);
    size_t moves = desktop.moves.size();
    Advance(10000);
    EXPECT_EQ(desktop.moves.size(), moves);
}

TEST_F(OrbitFixture, IncrementZeroNeverMovesOrTurns) {
    Start(3, 0);
    EXPECT_EQ(LeftsEachSecond(8), std::vector<int32_t>(8, 100));
}

TEST_F(OrbitFixture, IntervalOneStepsEveryTwoSeconds) {
    Start(3, 1, 1);
    EXPECT_EQ(LeftsEachSecond(6), (std::vector<int32_t>{100, 101, 101, 102, 102, 103}));
}

TEST_F(OrbitFixture, VerticalAxisMovesIndependently) {
    Start(0, 1, 0, 1);
    std::vector<int32_t> tops;
    for (int i = 0; i < 5; ++i) {
        Advance(1000);
        tops.push_back(PlayerRect().top);
    }
    EXPECT_EQ(tops, (std::vector<int32_t>{51, 51, 50, 49, 49}));
    EXPECT_EQ(PlayerRect().left, 100);
}

TEST_F(OrbitFixture, TheStripsShiftWithEachStep) {
    Start(3, 1, 0, 3);
    Advance(1000);
    EXPECT_EQ(PlayerRect(), (Rect{101, 51, 901, 651}));
    EXPECT_EQ(Strip(0), (Rect{0, 0, 105, 768}));
    EXPECT_EQ(Strip(2), (Rect{897, 0, 127, 768}));
    EXPECT_EQ(Strip(1), (Rect{0, 0, 1024, 73}));
    EXPECT_EQ(Strip(3), (Rect{0, 647, 1024, 121}));
}

TEST_F(OrbitFixture, SwitchingOffPutsTheWindowAndTheStripsBack) {
    Start(3, 1, 0, 3);
    Advance(2000);
    ASSERT_EQ(PlayerRect().left, 102);
    SwitchOrbiting(false);
    EXPECT_FALSE(view.TimerOn(MainTimer::Orbit));
    EXPECT_EQ(PlayerRect(), (Rect{100, 50, 900, 650}));
    EXPECT_EQ(Strip(0), (Rect{0, 0, 104, 768}));
    EXPECT_EQ(Strip(3), (Rect{0, 646, 1024, 122}));
    size_t moves = desktop.moves.size();
    Advance(5000);
    EXPECT_EQ(desktop.moves.size(), moves);
}

TEST_F(OrbitFixture, SwitchingTakesTheRangesFromTheControls) {
    Start(0, 1);
    view.ShowWindowPosValue(WindowPosControl::OrbitHorizontal, "2.5");
    SwitchOrbiting(true);
    EXPECT_EQ(Current().OrbitRangeHorizontal, 2);
    EXPECT_EQ(LeftsEachSecond(3), (std::vector<int32_t>{101, 102, 102}));
}

TEST_F(OrbitFixture, ATickWithoutASettingDoesNothingAndReportsNothing) {
    Start(3, 1);
    controller->SetListIndex(-1);
    size_t moves = desktop.moves.size();
    Advance(5000);
    EXPECT_EQ(desktop.moves.size(), moves);
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(OrbitFixture, AMissingWindowSkipsTheStep) {
    Start(3, 1);
    desktop.Close(player);
    Advance(3000);
    EXPECT_TRUE(reporter.messages.empty());
    player = desktop.Open("KivTestPlayer", "Test Player");
    Advance(1000);
    EXPECT_EQ(PlayerRect().left, 101);
}

TEST_F(OrbitFixture, WithoutASettingTheBoxStartsNoTimer) {
    Load({Setting("Movie", {100, 50, 800, 600})});
    SwitchOrbiting(true);
    EXPECT_FALSE(view.TimerOn(MainTimer::Orbit));
}

TEST_F(OrbitFixture, TheTestShowsEachExtremeForTwoSecondsAndEndsInPlace) {
    CWindowSetting s = Setting("Movie", {100, 50, 800, 600});
    s.OrbitRangeHorizontal = 5;
    s.OrbitRangeVertical = 3;
    Load({s});
    Select("Movie");
    controller->cmdTestOrbiting_Click();
    EXPECT_TRUE(view.TimerOn(MainTimer::TestOrbit));
    std::vector<Rect> seen;
    std::vector<int32_t> leftStrips;
    for (int i = 0; i < 5; ++i) {
        Advance(2000);
        seen.push_back(PlayerRect());
        leftStrips.push_back(Strip(0).right);
    }
    EXPECT_EQ(seen, (std::vector<Rect>{{95, 50, 895, 650},
                                       {100, 47, 900, 647},
                                       {105, 50, 905, 650},
                                       {100, 53, 900, 653},
                                       {100, 50, 900, 650}}));
    EXPECT_EQ(leftStrips, (std::vector<int32_t>{99, 104, 109, 104, 104}));
    EXPECT_FALSE(view.TimerOn(MainTimer::TestOrbit));
}

TEST_F(OrbitFixture, TheTestEndsWhenThereIsNoSetting) {
    Load({Setting("Movie", {100, 50, 800, 600})});
    controller->cmdTestOrbiting_Click();
    Advance(2000);
    EXPECT_FALSE(view.TimerOn(MainTimer::TestOrbit));
    EXPECT_TRUE(reporter.messages.empty());
}

} // namespace
} // namespace kiv
