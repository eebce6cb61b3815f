// The options command: after the dialog, the key hook follows the options
// and the current setting is applied again.
#include "ControllerFixture.h"

namespace kiv {
namespace {

using namespace test;

struct OptionsCommand : ControllerFixture {};

TEST_F(OptionsCommand, AfterTheOptionsTheKeyHookFollowsThemAndTheSettingIsReapplied) {
    Load({Setting("Player", {10, 20, 200, 150}, "10114")});
    Select("Player");
    std::vector<std::string> names;
    dialogs.optionsAnswer = [&](const OptionsDialogInput& input) {
        names = input.settingNames;
        input.options.GlobalKeyHook = !input.options.GlobalKeyHook;
    };
    Current().WindowLeft = 99; // a pending edit the re-applied setting drops

    controller.Menus().mnuFeature_Click(menu::kOptions);
    EXPECT_EQ(names, std::vector<std::string>{"Player"});
    ASSERT_FALSE(keyboardLibrary.keyHooks.empty());
    EXPECT_EQ(keyboardLibrary.keyHooks.back().window, 0); // removed
    EXPECT_EQ(Current().WindowLeft, 10);

    const size_t calls = keyboardLibrary.keyHooks.size();
    controller.MainCommands().Invoke(MainCommand::Options); // the toolbar button
    // One hand-over, no off before it: a key pressed between would be lost.
    ASSERT_EQ(keyboardLibrary.keyHooks.size(), calls + 1);
    EXPECT_EQ(keyboardLibrary.keyHooks.back().window, view.Handle());
    EXPECT_EQ(keyboardLibrary.keyHooks.back().codes, std::vector<int32_t>{65650});
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(OptionsCommand, UntickingLargerWindowsTakesTheSizeHookOutAtOnce) {
    Load({Setting("Tall", {0, 0, 200, 5000})});
    Select("Tall");
    const int removals = sizeLibrary.removals;
    dialogs.optionsAnswer = [](const OptionsDialogInput& input) {
        input.options.SubClassWindowSize = false;
    };
    controller.MainCommands().Invoke(MainCommand::Options);
    EXPECT_EQ(sizeLibrary.removals, removals + 1);
}

} // namespace
} // namespace kiv
