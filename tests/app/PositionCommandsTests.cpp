// Nudges with their auto-repeat, capture and the in-place editing of a
// position, against doubles of the window and the operating system.
#include "CommandFixture.h"

#include <limits>

namespace kiv {
namespace {

using namespace test;

struct PositionCommands : CommandFixture {
    WindowHandle player = 0;

    void LoadPlayerSetting(Rect ltwh = {100, 50, 640, 480}) {
        player = desktop.Open("Player", "");
        WriteSettings({Setting("Wide", ltwh), Setting("Other", {0, 0, 10, 10})});
        ASSERT_TRUE(controller.Form_Load(""));
        Select("Wide");
    }
    // Ticks of the repeat timer, as the window delivers them while it runs.
    void Ticks(int count) {
        for (int i = 0; i < count; ++i) {
            if (view.TimerOn(MainTimer::Repeater)) {
                controller.tmrRepeater_Timer();
            }
        }
    }
};

// --- Nudges ---

TEST_F(PositionCommands, ANudgeChangesTheWorkingCopyAndMovesTheWindowAtOnce) {
    LoadPlayerSetting();
    const size_t hooks = sizeLibrary.hooks.size();
    controller.cmdSize_Click(1);
    EXPECT_EQ(controller.CurrentSetting()->WindowLeft, 101);
    EXPECT_EQ(view.positionLabels, (std::array<std::string, 4>{"101", "50", "640", "480"}));
    EXPECT_EQ(LastMove(), (Rect{101, 50, 640, 480}));
    EXPECT_EQ(desktop.Find(player)->rect, (Rect{101, 50, 741, 530}));
    // The size limit follows the new size; the stored setting waits for Save.
    EXPECT_EQ(sizeLibrary.hooks.size(), hooks + 1);
    EXPECT_EQ(Stored("Wide").WindowLeft, 100);
}

TEST_F(PositionCommands, EachNudgeKeepsTheCentreOfASizeChange) {
    LoadPlayerSetting();
    controller.cmdSize_Click(9); // shrink
    EXPECT_EQ(LastMove(), (Rect{101, 51, 638, 478}));
    controller.cmdSize_Click(6); // lower height
    EXPECT_EQ(LastMove(), (Rect{101, 52, 638, 476}));
}

TEST_F(PositionCommands, AnIndexOutsideTheButtonsChangesNothingButPlacesAgain) {
    LoadPlayerSetting();
    const size_t moves = desktop.moves.size();
    controller.cmdSize_Click(10);
    controller.cmdSize_Click(-1);
    EXPECT_EQ(desktop.moves.size(), moves + 2);
    EXPECT_EQ(LastMove(), (Rect{100, 50, 640, 480}));
}

TEST_F(PositionCommands, NudgesWithoutASettingDoNothing) {
    player = desktop.Open("Player", "");
    controller.Form_Load("");
    controller.cmdSize_Click(1);
    controller.cmdCapture_Click();
    EXPECT_TRUE(desktop.moves.empty());
    EXPECT_EQ(view.positionLabels, (std::array<std::string, 4>{"0", "0", "0", "0"}));
}

TEST_F(PositionCommands, ANudgePastThe32BitRangeIsReportedAndMovesNothing) {
    LoadPlayerSetting({std::numeric_limits<int32_t>::min(), 0, 10, 10});
    const size_t moves = desktop.moves.size();
    reporter.messages.clear();
    controller.cmdSize_Click(0);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0].title, "cmdSize_Click");
    EXPECT_EQ(reporter.messages[0].text, "Error: 6. Overflow");
    EXPECT_EQ(desktop.moves.size(), moves);
    EXPECT_EQ(controller.CurrentSetting()->WindowLeft, std::numeric_limits<int32_t>::min());
}

// --- Auto-repeat ---

TEST_F(PositionCommands, HoldingANudgeRepeatsFromTheSixthTickAndTheReleaseAddsOne) {
    LoadPlayerSetting();
    controller.cmdSize_MouseDown(1);
    EXPECT_TRUE(view.TimerOn(MainTimer::Repeater));
    Ticks(5); // 1.25 s: nothing yet
    EXPECT_EQ(controller.CurrentSetting()->WindowLeft, 100);
    Ticks(3); // 1.5, 1.75 and 2.0 s
    EXPECT_EQ(controller.CurrentSetting()->WindowLeft, 103);
    controller.cmdSize_MouseUp();
    EXPECT_FALSE(view.TimerOn(MainTimer::Repeater));
    controller.cmdSize_Click(1); // the click the release delivers
    EXPECT_EQ(LastMove(), (Rect{104, 50, 640, 480}));
    Ticks(10);
    EXPECT_EQ(controller.CurrentSetting()->WindowLeft, 104);
}

TEST_F(PositionCommands, EachPressStartsTheCountAgainForItsOwnButton) {
    LoadPlayerSetting();
    controller.cmdSize_MouseDown(1);
    Ticks(7);
    controller.cmdSize_MouseUp();
    EXPECT_EQ(controller.CurrentSetting()->WindowLeft, 102);
    controller.cmdSize_MouseDown(3);
    Ticks(5);
    EXPECT_EQ(controller.CurrentSetting()->WindowTop, 50);
    Ticks(1);
    EXPECT_EQ(controller.CurrentSetting()->WindowTop, 51);
    EXPECT_EQ(controller.CurrentSetting()->WindowLeft, 102);
}

TEST_F(PositionCommands, ATickDuringAStepWaitsForIt) {
    LoadPlayerSetting();
    controller.cmdSize_MouseDown(1);
    Ticks(5);
    // The window-size hook lets pending events run, a tick among them.
    int nested = 0;
    pump.onEvents = [&] {
        if (nested++ == 0) {
            controller.tmrRepeater_Timer();
        }
    };
    Ticks(1);
    EXPECT_EQ(nested, 100); // every pass ran, the nested tick made no step
    EXPECT_EQ(controller.CurrentSetting()->WindowLeft, 101);
}

TEST_F(PositionCommands, ARepeatedStepThatFailsStopsTheRepeat) {
    LoadPlayerSetting({std::numeric_limits<int32_t>::max() - 1, 0, 0, 10});
    reporter.messages.clear();
    controller.cmdSize_MouseDown(1);
    Ticks(6);
    EXPECT_EQ(controller.CurrentSetting()->WindowLeft, std::numeric_limits<int32_t>::max());
    EXPECT_TRUE(reporter.messages.empty());
    Ticks(1);
    EXPECT_EQ(reporter.messages.size(), 1u);
    EXPECT_FALSE(view.TimerOn(MainTimer::Repeater));
    Ticks(5);
    EXPECT_EQ(reporter.messages.size(), 1u);
}

// --- Capture ---

TEST_F(PositionCommands, CaptureTakesTheWindowsRectangle) {
    LoadPlayerSetting({0, 0, 320, 240});
    desktop.Find(player)->rect = {100, 50, 740, 530};
    keyboardLibrary.mouseHooks.clear();
    controller.cmdCapture_Click();
    const CWindowSetting& s = *controller.CurrentSetting();
    EXPECT_EQ((Rect{s.WindowLeft, s.WindowTop, s.WindowWidth, s.WindowHeight}),
              (Rect{100, 50, 640, 480}));
    EXPECT_EQ(view.positionLabels, (std::array<std::string, 4>{"100", "50", "640", "480"}));
    EXPECT_EQ(keyboardLibrary.mouseHooks, (std::vector<WindowHandle>{0, player}));
    EXPECT_EQ(LastMove(), (Rect{100, 50, 640, 480}));
}

TEST_F(PositionCommands, CaptureWithoutTheWindowChangesNothing) {
    LoadPlayerSetting();
    desktop.Close(player);
    const size_t moves = desktop.moves.size();
    controller.cmdCapture_Click();
    EXPECT_EQ(controller.CurrentSetting()->WindowLeft, 100);
    EXPECT_EQ(desktop.moves.size(), moves);
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(PositionCommands, CaptureOfAWindowThatVanishesAfterItWasFoundChangesNothing) {
    struct VanishingDesktop : FakeDesktop {
        std::optional<Rect> WindowRect(WindowHandle) override { return std::nullopt; }
    } vanishing;
    vanishing.Open("Player", "");
    CMainController local(view, Platform{vanishing, sizeLibrary, keyboardLibrary, pump, reporter},
                          options, playList, appPath);
    WriteSettings({Setting("Wide", {7, 8, 9, 10})});
    local.Form_Load("");
    local.SetListIndex(0);
    local.cmdCapture_Click();
    EXPECT_EQ(local.CurrentSetting()->WindowLeft, 7);
    EXPECT_TRUE(reporter.messages.empty());
}

// --- In-place editing of a position ---

TEST_F(PositionCommands, EditingTheWidthWithEnterStoresItAndMovesTheWindow) {
    LoadPlayerSetting();
    view.popupChoice = 0; // "Edit"
    controller.lblPosition_MouseUp(PositionLabel::Width);
    ASSERT_EQ(view.popups.size(), 1u);
    EXPECT_EQ(view.popups[0].popup, MainPopup::PositionEdit);
    EXPECT_FALSE(view.popups[0].at.has_value()); // at the pointer
    ASSERT_EQ(view.editing, PositionLabel::Width);
    EXPECT_EQ(view.editText, "640");

    // Digits and the minus sign pass; a decimal point and letters do not.
    EXPECT_EQ(controller.txtPositionEdit_KeyPress('8'), '8');
    EXPECT_EQ(controller.txtPositionEdit_KeyPress('-'), '-');
    EXPECT_EQ(controller.txtPositionEdit_KeyPress(8), 8);
    EXPECT_EQ(controller.txtPositionEdit_KeyPress('.'), 0);
    EXPECT_EQ(controller.txtPositionEdit_KeyPress('x'), 0);
    // Enter moves the focus on, and leaving the box takes its value.
    view.onFocusMove = [&] { controller.txtPositionEdit_Validate("800"); };
    EXPECT_EQ(controller.txtPositionEdit_KeyPress(13), 0);
    EXPECT_EQ(view.focusMoves, 1);
    EXPECT_FALSE(view.editing.has_value());
    EXPECT_EQ(controller.CurrentSetting()->WindowWidth, 800);
    EXPECT_EQ(view.positionLabels[2], "800");
    EXPECT_EQ(LastMove(), (Rect{100, 50, 800, 480}));
}

TEST_F(PositionCommands, EditedTextReadsAsItsLeadingNumber) {
    LoadPlayerSetting();
    struct Case {
        const char* text;
        int32_t stored;
        const char* shown;
    };
    const Case cases[] = {{"", 0, "0"},       {"0012", 12, "12"}, {"-5x", -5, "-5"},
                          {"  42", 42, "42"}, {"2.5", 2, "2"},    {"-", 0, "0"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        view.popupChoice = 0;
        controller.lblPosition_MouseUp(PositionLabel::Top);
        controller.txtPositionEdit_Validate(c.text);
        EXPECT_EQ(controller.CurrentSetting()->WindowTop, c.stored);
        EXPECT_EQ(view.positionLabels[1], c.shown);
    }
}

TEST_F(PositionCommands, ANumberBeyond32BitsLeavesTheFieldAsItWas) {
    LoadPlayerSetting();
    view.popupChoice = 0;
    controller.lblPosition_MouseUp(PositionLabel::Left);
    controller.txtPositionEdit_Validate("99999999999");
    EXPECT_EQ(controller.CurrentSetting()->WindowLeft, 100);
    EXPECT_EQ(view.positionLabels[0], "100");
    EXPECT_FALSE(view.editing.has_value());
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(PositionCommands, NoEditWithoutTheEditChoiceOrWithoutASetting) {
    LoadPlayerSetting();
    view.popupChoice = -1; // the menu was dismissed
    controller.lblPosition_MouseUp(PositionLabel::Left);
    EXPECT_FALSE(view.editing.has_value());
    controller.mnuPositionEdit_Click(1);
    EXPECT_FALSE(view.editing.has_value());

    controller.SetListIndex(-1);
    view.popups.clear();
    view.popupChoice = 0;
    controller.lblPosition_MouseUp(PositionLabel::Left);
    EXPECT_TRUE(view.popups.empty());
    EXPECT_FALSE(view.editing.has_value());
}

TEST_F(PositionCommands, EscapeLeavesTheLabelAndTheSettingAsTheyWere) {
    LoadPlayerSetting();
    view.popupChoice = 0;
    controller.lblPosition_MouseUp(PositionLabel::Height);
    ASSERT_TRUE(view.editing.has_value());
    const size_t moves = desktop.moves.size();
    controller.txtPositionEdit_Cancel();
    EXPECT_FALSE(view.editing.has_value());
    // The focus leaving the hidden box afterwards takes nothing.
    controller.txtPositionEdit_Validate("1");
    EXPECT_EQ(controller.CurrentSetting()->WindowHeight, 480);
    EXPECT_EQ(view.positionLabels[3], "480");
    EXPECT_EQ(desktop.moves.size(), moves);
}

} // namespace
} // namespace kiv
