// The main window's play list command.
#include "ControllerFixture.h"

namespace kiv {
namespace {

using namespace test;

TEST_F(ControllerFixture, PlayListSelectAppliesTheChosenTitleExitAppliesNothing) {
    Load({Setting("Movie", {1, 1, 10, 10}), Setting("Wide", {2, 2, 20, 20})});
    Select("Movie");
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
    EXPECT_TRUE(reporter.messages.empty());
}

} // namespace
} // namespace kiv
