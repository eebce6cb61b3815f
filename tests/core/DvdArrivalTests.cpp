// A disc in the configured drive, from each caller, and the watch that places
// a player window appearing after its setting was applied.
#include "app/ControllerFixture.h"

namespace kiv {
namespace {

using namespace test;

enum class Call { MediaInserted, StartUp, PlayListWindow, OtherDrive };

using Texts = std::vector<std::string>;

struct Case {
    const char* name;
    Call call;
    DiscIdentity disc;
    bool autoAddOption;
    std::string caption;
    std::string label;
    Texts notices;
    std::string added; // the play list line written, "" when none
    size_t moves;      // of the player, the /S selection at start-up's one included
    int launches;
};

constexpr std::string_view kPlayList = "S1=Known Film;S2=Movie;S3=KNOWN;S4=ABC;\r\n"
                                       "S1=Lost;S2=Gone;S3=LOST;S4=1;\r\n";
const DiscIdentity kKnown{"KNOWN", "ABC"};
const DiscIdentity kUnknown{"MY_DVD_TITLE", "BEEF"};

struct DvdArrivalTest : ControllerFixture, ::testing::WithParamInterface<Case> {
    void SetUp() override {
        options.Drive = "d";
        options.PlayListDefaultSetting = "Default";
        // No window-size hook: its event passes would hide the arrival's own.
        options.SubClassWindowSize = false;
        options.LaunchApplication = appPath + "player.exe";
        WriteBytes(options.LaunchApplication, "");
        WriteBytes(appPath + "KIVPlay.dat", std::string(kPlayList));
        pump.onEvents = [this] { ++events; };
    }
    void StartWith(std::string_view commandLine) {
        WriteBytes(DataFile(), SettingLine(Setting("Movie", {10, 10, 300, 200})) + "\r\n" +
                                   SettingLine(Setting("Other", {20, 20, 300, 200})) + "\r\n");
        ASSERT_TRUE(controller.Form_Load(commandLine));
    }
    int events = 0;
};

TEST_P(DvdArrivalTest, SelectsAddsLabelsAndStartsThePlayerAsTheCallerAsks) {
    const Case& c = GetParam();
    options.PlayListAutoAdd = c.autoAddOption;
    if (c.call == Call::StartUp) {
        view.drives.discs["d:"] = c.disc;
    }
    StartWith("/S Other");
    view.drives.discs = {{"d:", c.disc}, {"D:", c.disc}, {"E:", c.disc}};
    switch (c.call) {
    case Call::MediaInserted:
        controller.MediaArrived();
        break;
    case Call::StartUp:
        break;
    case Call::PlayListWindow:
        controller.DriveArrival().DriveArriveSelectSetting("D:", true, false, true, false);
        break;
    case Call::OtherDrive:
        controller.DriveArrival().DriveArriveSelectSetting("E:", true, true, true, true);
        break;
    }
    EXPECT_EQ(view.caption, c.caption);
    EXPECT_EQ(view.dvdLabel, c.label);
    EXPECT_EQ(view.notices, c.notices);
    EXPECT_EQ(ReadBytes(appPath + "KIVPlay.dat"),
              std::string(kPlayList) + (c.added.empty() ? "" : c.added + "\r\n"));
    EXPECT_EQ(desktop.moves.size(), c.moves);
    EXPECT_EQ(view.launcher.started, Texts(c.launches, options.LaunchApplication));
    // Ten passes of events after a start, one more for the notice to show.
    EXPECT_EQ(events, 10 * c.launches + static_cast<int>(c.notices.size()));
    EXPECT_TRUE(reporter.messages.empty());
}

const Case kCases[] = {
    {"KnownDiscSelectsItsSetting",
     Call::MediaInserted,
     kKnown,
     true,
     "KIV - Movie",
     "Current DVD: Known Film",
     {},
     "",
     3,
     1},
    {"UnknownDiscIsAddedWithANotice",
     Call::MediaInserted,
     kUnknown,
     true,
     "KIV - Other",
     "Current DVD: My Dvd Title",
     {"Adding 'My Dvd Title'"},
     "S1=My Dvd Title;S2=Default;S3=MY_DVD_TITLE;S4=BEEF;",
     1,
     1},
    {"UnknownDiscLeftOutWithoutAutoAdd",
     Call::MediaInserted,
     kUnknown,
     false,
     "KIV - Other",
     "",
     {},
     "",
     1,
     1},
    {"DiscWithoutANameIsAnUnnamedVolume",
     Call::PlayListWindow,
     {"", "7"},
     false,
     "KIV - Other",
     "Current DVD: Unnamed Volume",
     {},
     "S1=Unnamed Volume;S2=Default;S3=;S4=7;",
     1,
     1},
    {"WithoutAutoSelectAKnownDiscIsAddedAgain",
     Call::PlayListWindow,
     kKnown,
     false,
     "KIV - Other",
     "Current DVD: Known",
     {},
     "S1=Known;S2=Default;S3=KNOWN;S4=ABC;",
     1,
     1},
    {"StartUpSelectsAKnownDisc",
     Call::StartUp,
     kKnown,
     true,
     "KIV - Movie",
     "Current DVD: Known Film",
     {},
     "",
     3,
     1},
    {"StartUpNeverAdds", Call::StartUp, kUnknown, true, "KIV - Other", "", {}, "", 1, 1},
    {"MissingSettingStillPlacesAndLabels",
     Call::MediaInserted,
     {"LOST", "1"},
     true,
     "KIV - Other",
     "Current DVD: Lost",
     {},
     "",
     2,
     1},
    {"EmptyDriveClearsTheLabelAndStartsNothing",
     Call::MediaInserted,
     {},
     true,
     "KIV - Other",
     "",
     {},
     "",
     1,
     0},
    {"AnotherDriveIsIgnored", Call::OtherDrive, kUnknown, true, "KIV - Other", "", {}, "", 1, 0},
};
INSTANTIATE_TEST_SUITE_P(Cases, DvdArrivalTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DvdArrivalTest, APlayerThatCannotStartIsReportedAndAMissingOneSkipped) {
    StartWith("");
    view.drives.discs["d:"] = kKnown;
    view.launcher.fails = true;
    controller.MediaArrived();
    EXPECT_EQ(Reports(), Texts{"DriveArriveSelectSetting: Error: 53. File not found"});
    EXPECT_EQ(controller.CurrentSetting(), nullptr) << "the rest is skipped";
    options.LaunchApplication = appPath + "gone.exe";
    controller.MediaArrived();
    EXPECT_EQ(view.caption, "KIV - Movie");
    EXPECT_EQ(view.launcher.started.size(), 1u);
}

TEST_F(DvdArrivalTest, APlayerWindowAppearingLaterIsPlacedOnceShownAndTheWatchEnds) {
    desktop.Close(player);
    StartWith("/S Movie");
    FakeWindowWatch& watch = view.windowWatch;
    ASSERT_NE(watch.events, nullptr) << "watching for the missing window";
    watch.events->WindowCreated();
    EXPECT_TRUE(watch.checkTimer);
    WindowHandle late = desktop.Open("Player", "");
    watch.hidden.insert(late);
    for (int i = 0; i < CWindowAppearance::kChecksAfterCreation; ++i) {
        watch.events->CheckTimer();
    }
    EXPECT_FALSE(watch.checkTimer) << "quiet until the next new window";
    EXPECT_TRUE(desktop.moves.empty());
    watch.hidden.clear();
    watch.events->WindowCreated();
    watch.events->CheckTimer();
    EXPECT_EQ(desktop.Find(late)->rect, (Rect{10, 10, 310, 210}));
    EXPECT_EQ(watch.events, nullptr);

    // A started player whose window is there needs no watch; one never shown is given up.
    view.drives.discs["d:"] = kKnown;
    controller.MediaArrived();
    EXPECT_EQ(watch.events, nullptr);
    desktop.Close(late);
    controller.MediaArrived();
    ASSERT_NE(watch.events, nullptr);
    watch.events->DeadlinePassed();
    EXPECT_EQ(watch.events, nullptr);
}

} // namespace
} // namespace kiv
