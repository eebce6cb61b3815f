// A disc in the configured drive, from each caller, the watch that places a
// player window appearing after its setting was applied, and the play list
// window's rules.
#include "app/ControllerFixture.h"
#include "playlist/DiscSerial.h"
#include "playlist/ProgramLauncher.h"
#include "playlist/VolumeName.h"

#include <utility>

namespace kiv {
namespace {

using namespace test;

enum class Call { Media, MediaNoAutoAdd, MediaElsewhere, StartUp, PlayListWindow };

// The system's unit masks: the configured drive D:, and E:.
constexpr uint32_t kDriveD = 1u << 3;
constexpr uint32_t kDriveE = 1u << 4;

struct Case {
    const char* name;
    Call call;
    DiscIdentity disc;
    const char* setting; // selected afterwards; "Other" came from /S at start-up
    std::string title;   // shown after "Current DVD: "; "" for an empty label
    std::string added;   // the play list line written, "" when none
    size_t moves;        // of the player, the /S selection's included
};

constexpr std::string_view kPlayList = "S1=Known Film;S2=Movie;S3=KNOWN;S4=ABC;\r\n"
                                       "S1=Lost;S2=Gone;S3=LOST;S4=1;\r\n";
const DiscIdentity kKnown{"KNOWN", "ABC"};
const DiscIdentity kUnknown{"MY_DVD_TITLE", "BEEF"};
const DiscIdentity kUnnamed{"", "7"};

struct DvdArrivalTest : ControllerFixture, ::testing::WithParamInterface<Case> {
    void SetUp() override {
        options.Drive = "d";
        options.PlayListAutoAdd = true;
        options.PlayListDefaultSetting = "Default";
        options.SubClassWindowSize = false; // its event passes would hide the arrival's
        options.LaunchApplication = appPath + "player.exe";
        WriteBytes(options.LaunchApplication, "");
        WriteBytes(appPath + "KIVPlay.dat", std::string(kPlayList));
        WriteBytes(DataFile(), SettingLine(Setting("Movie", {10, 10, 300, 200})) + "\r\n" +
                                   SettingLine(Setting("Other", {20, 20, 300, 200})) + "\r\n");
        pump.onEvents = [this] { ++events; };
    }
    int events = 0;
};

TEST_P(DvdArrivalTest, SelectsAddsLabelsAndStartsThePlayerAsTheCallerAsks) {
    const Case& c = GetParam();
    dvd.disc = c.call == Call::StartUp ? c.disc : DiscIdentity{};
    ASSERT_TRUE(controller.Form_Load("/S Other"));
    dvd.disc = c.disc;
    options.PlayListAutoAdd = c.call != Call::MediaNoAutoAdd;
    if (c.call == Call::PlayListWindow) {
        // The open play list window's timer finds a disc it does not list.
        dialogs.playListUser = [](CPlayListWindow& window) {
            FakePlayListView shown;
            window.Attach(shown);
            window.tmrCurrentDVD_Timer();
            window.Detach();
            return false;
        };
        controller.MainCommands().Invoke(MainCommand::PlayList);
    } else if (c.call != Call::StartUp) {
        controller.MediaArrived(c.call == Call::MediaElsewhere ? kDriveE : kDriveD);
    }
    const bool notice = c.call == Call::Media && !c.added.empty();
    EXPECT_EQ(view.caption, std::string("KIV - ") + c.setting);
    EXPECT_EQ(view.dvdLabel, c.title.empty() ? "" : "Current DVD: " + c.title);
    EXPECT_EQ(view.notices, notice ? Texts{"Adding '" + c.title + "'"} : Texts{});
    EXPECT_EQ(ReadBytes(appPath + "KIVPlay.dat"),
              std::string(kPlayList) + (c.added.empty() ? "" : c.added + "\r\n"));
    EXPECT_EQ(desktop.moves.size(), c.moves);
    EXPECT_EQ(dvd.started, Texts{}) << "the player's window is there: it runs already";
    // One pass of events for the notice to show.
    EXPECT_EQ(events, notice ? 1 : 0);
}

const Case kCases[] = {
    {"KnownDisc", Call::Media, kKnown, "Movie", "Known Film", "", 3},
    {"UnknownDiscAdded", Call::Media, kUnknown, "Other", "My Dvd Title",
     "S1=My Dvd Title;S2=Default;S3=MY_DVD_TITLE;S4=BEEF;", 1},
    {"UnknownDiscWithoutAutoAdd", Call::MediaNoAutoAdd, kUnknown, "Other", "", "", 1},
    {"UnnamedVolume", Call::PlayListWindow, kUnnamed, "Other", "Unnamed Volume",
     "S1=Unnamed Volume;S2=Default;S3=;S4=7;", 1},
    {"StartUpSelects", Call::StartUp, kKnown, "Movie", "Known Film", "", 3},
    {"StartUpNeverAdds", Call::StartUp, kUnknown, "Other", "", "", 1},
    {"MissingSettingStillPlacesAndLabels", Call::Media, {"LOST", "1"}, "Other", "Lost", "", 2},
    {"EmptyDrive", Call::Media, {}, "Other", "", "", 1},
    {"MediaInAnotherDriveIgnored", Call::MediaElsewhere, kKnown, "Other", "", "", 1},
};
INSTANTIATE_TEST_SUITE_P(Cases, DvdArrivalTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The player is started once per disc: not while its process runs or the
// disc's setting finds its window, and after a failed start not again (nor
// its error shown again) until another disc, or none, is in the drive.
TEST_F(DvdArrivalTest, OneDiscStartsOnePlayer) {
    ASSERT_TRUE(controller.Form_Load(""));
    const std::string program = options.LaunchApplication;
    struct Step {
        const char* what;
        DiscIdentity disc;
        bool windowShown, processRuns, launchFails;
        size_t starts, errors; // so far
        int events;            // ten passes after a start, one for the adding notice
    };
    const Step steps[] = {
        {"window shown", kKnown, true, false, false, 0, 0, 0},
        {"process runs", kKnown, false, true, false, 0, 0, 0},
        {"started", kKnown, false, false, false, 1, 0, 10},
        {"start fails", kUnknown, false, false, true, 2, 1, 0},
        {"same disc again, added", kUnknown, false, false, true, 2, 1, 1},
        {"drive empty", {}, false, false, true, 2, 1, 0},
        {"back in", kUnknown, false, false, true, 3, 2, 0},
        {"another disc", kKnown, false, false, false, 4, 2, 10},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        if (!step.windowShown && desktop.Find(player)) {
            desktop.Close(player);
        }
        dvd.running = step.processRuns ? std::set<std::string>{program} : std::set<std::string>{};
        dvd.launchFails = step.launchFails;
        dvd.disc = step.disc;
        events = 0;
        controller.MediaArrived(kDriveD);
        EXPECT_EQ(dvd.started.size(), step.starts);
        EXPECT_EQ(reporter.messages.size(), step.errors);
        EXPECT_EQ(events, step.events);
        EXPECT_EQ(view.caption, "KIV - Movie");
    }
    EXPECT_EQ(Reports(), (Texts{"DriveArriveSelectSetting: Error: 53. File not found",
                                "DriveArriveSelectSetting: Error: 53. File not found"}));
}

TEST_F(DvdArrivalTest, APlayerWindowAppearingLaterIsPlacedOrGivenUp) {
    desktop.Close(player);
    ASSERT_TRUE(controller.Form_Load("/S Movie"));
    ASSERT_NE(dvd.events, nullptr);
    WindowHandle late = desktop.Open("Player", "");
    dvd.events->CheckTimer();
    EXPECT_EQ(desktop.Find(late)->rect, (Rect{10, 10, 310, 210}));
    // Hooked as a selection would have hooked it; the size hook is off here.
    EXPECT_TRUE(sizeLibrary.limits.empty());
    ASSERT_FALSE(keyboardLibrary.mouseHooks.empty());
    EXPECT_EQ(keyboardLibrary.mouseHooks.back(), late);
    EXPECT_EQ(dvd.events, nullptr);

    desktop.Close(late);
    dvd.disc = kKnown;
    controller.MediaArrived(kDriveD);
    ASSERT_NE(dvd.events, nullptr) << "the player just started";
    dvd.events->DeadlinePassed();
    EXPECT_EQ(dvd.events, nullptr);
    controller.MediaArrived(kDriveD);
    ASSERT_NE(dvd.events, nullptr);
    controller.SetListIndex(-1); // another selection: the old watch has nothing to place
    EXPECT_EQ(dvd.events, nullptr);
}

// A desk monitor and a television: the notice shows where the player does.
TEST_F(DvdArrivalTest, TheAddingNoticeShowsOnThePlayersDisplay) {
    const Rect desk{0, 0, 1024, 768}, tv{1024, 0, 2304, 720};
    desktop.monitors = {{desk, true}, {tv, false}};
    ASSERT_TRUE(controller.Form_Load("/S Other"));
    const struct {
        const char* what;
        std::optional<Rect> window; // none: the player is closed
        int32_t settingLeft;
        std::optional<Rect> display;
    } cases[] = {
        {"the window's display", Rect{1100, 40, 2200, 660}, 20, tv},
        {"closed: the setting's display", std::nullopt, 1100, tv},
        {"closed, the setting on no display", std::nullopt, 5000, std::nullopt},
    };
    uint32_t serial = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.window) {
            desktop.Find(player)->rect = *c.window;
        } else if (desktop.Find(player)) {
            desktop.Close(player);
        }
        Current().WindowLeft = c.settingLeft;
        dvd.disc = {"MY_DVD_TITLE", std::to_string(serial++)};
        view.noticeDisplays.clear();
        controller.MediaArrived(kDriveD);
        EXPECT_EQ(view.noticeDisplays, (std::vector<std::optional<Rect>>{c.display}));
    }
}

TEST(ProgramLauncherRule, OnlyAFileNamedExeStartsAsAProgram) {
    const std::pair<std::string_view, bool> cases[] = {
        {"C:\\Players\\Player.exe", true},  {"player.EXE", true},
        {"C:\\Players\\Player.lnk", false}, {"C:\\x.exe\\movie.mkv", false},
        {"C:\\Players\\.exe", false},       {"", false}};
    for (const auto& [path, program] : cases) {
        EXPECT_EQ(StartsAsProgram(path), program) << path;
    }
}

// The play list window's rules over the fake view, a fake drive and a play list
// file.
struct Harness {
    TempDir dir;
    RecordingReporter reporter;
    CPlayList list{reporter};
    FakeDriveReader drive;
    AddingDriveArrival arrival{list, drive};
    FakePlayListView view;
    CPlayListWindow window{{list, "R:", {"4x3", "Anamorphic"}, drive, arrival, reporter}};

    void Open(bool autoAdd = false) {
        list.PlayListFile = dir.File("KIVPlay.dat");
        window.AutoAdd = autoAdd;
        window.Attach(view);
        window.InitializeSettings();
    }
    void Type(std::string title, int setting) {
        view.title = std::move(title);
        view.setting = setting;
        window.txtAddTitle_Change();
    }
};
struct PlayListWindowFixture : ::testing::Test, Harness {};

TEST_F(PlayListWindowFixture, OpeningSelectsTheDiscInTheDriveElseTheFirstRow) {
    for (bool inDrive : {true, false}) {
        Harness f;
        f.list.Add("Alien", "4x3", "ALIEN", "1A");
        f.list.Add("Heat", "anamorphic", "HEAT", "2B");
        f.drive.disc = inDrive ? DiscIdentity{"HEAT", "2B"} : DiscIdentity{};
        f.Open();
        EXPECT_EQ(f.view.status,
                  inDrive ? "Current Volume: HEAT, Serial Number: 2B" : "Drive is empty");
        EXPECT_EQ(f.view.selected, inDrive ? "C2" : "C1");
        EXPECT_EQ(f.view.title, inDrive ? "Heat" : "Alien");
        EXPECT_EQ(f.view.SelectedSettingText(), inDrive ? "Anamorphic" : "4x3");
        EXPECT_EQ(f.window.CurrentSetting(), inDrive ? "anamorphic" : "4x3");
    }
}

TEST_F(PlayListWindowFixture, AddRefusesWhatIsIncompleteOrAlreadyListedDeletedOrNot) {
    Open();                          // an empty drive
    EXPECT_EQ(view.buttons, "1000"); // Add, Update, Select, Delete
    Type("", 0);
    EXPECT_EQ(view.buttons, "0000");
    window.cmdAdd_Click();
    Type("Movie", -1);
    window.cmdAdd_Click();
    EXPECT_EQ(view.titleFocused, 2);
    Type("Movie", 1);
    window.cmdAdd_Click();
    EXPECT_EQ(window.CurrentSetting(), "Anamorphic");
    window.cmdAdd_Click(); // the empty pair is listed now

    drive.disc = {"HEAT", "2B"};
    window.tmrCurrentDVD_Timer();
    window.cmdAdd_Click(); // the added row is the highlighted one
    EXPECT_EQ(view.selected, "C2");
    EXPECT_EQ(view.buttons, "1111");
    window.cmdDelete_Click();
    EXPECT_EQ(view.title, "");
    EXPECT_EQ(view.buttons, "1000");
    Type("Heat", 1);
    window.cmdAdd_Click(); // deleted, but still found until the window closes

    const std::string need =
        "KIV: Please enter a title for the DVD and select a setting from the list";
    const std::string listed = "KIV: This DVD is already on the PlayList. Please place the DVD you "
                               "wish to add into the DVD-ROM drive at this time and try again.";
    EXPECT_EQ(reporter.Said(), (Texts{need, need, listed, listed}));
    ASSERT_EQ(list.Count(), 2);
    EXPECT_TRUE(list.Item("C2")->LogicalDelete);
    EXPECT_EQ(view.rows.size(), 1u);
    window.Form_Unload();
    EXPECT_EQ(ReadBytes(list.PlayListFile), "S1=Movie;S2=Anamorphic;S3=;S4=;\r\n");
    EXPECT_EQ(list.Count(), 1);
}

TEST_F(PlayListWindowFixture, DriveWatchAddsOnlyAnUnlistedDiscInAutomaticMode) {
    struct Case {
        bool autoAdd;
        DiscIdentity disc;
        size_t arrivals;
    };
    for (const Case& c : {Case{true, {"NEW", "3C"}, 1}, Case{true, {"ALIEN", "1A"}, 0},
                          Case{true, {}, 0}, Case{false, {"NEW", "3C"}, 0}}) {
        Harness f;
        f.list.Add("Alien", "4x3", "ALIEN", "1A");
        f.Open(c.autoAdd);
        f.drive.disc = c.disc;
        EXPECT_EQ(f.view.buttons, c.autoAdd ? "0111" : "1111"); // no Add in automatic mode
        f.window.tmrCurrentDVD_Timer();
        ASSERT_EQ(f.arrival.calls.size(), c.arrivals);
        if (c.arrivals == 1) {
            EXPECT_EQ(f.arrival.calls[0], "R: 1010");
            EXPECT_EQ(f.view.selected, "C2");
            EXPECT_EQ(f.view.title, "NEW");
            EXPECT_EQ(f.view.titleFocused, 1);
        }
    }
}

TEST(DiscIdentity, SerialTextAndTitleFromTheVolumeName) {
    EXPECT_EQ(DiscSerialText(0), "0");
    EXPECT_EQ(DiscSerialText(0x00AB12CDu), "AB12CD");
    EXPECT_EQ(DiscSerialText(0x8000000Fu), "8000000F");
    // An underscored name and an empty one are the arrival cases' titles.
    EXPECT_EQ(FixVolumeName("sTAR wARS_2"), "Star Wars 2");
}

} // namespace
} // namespace kiv
