#include "playlist/DiscSerial.h"
#include "playlist/PlayListWindow.h"
#include "playlist/VolumeName.h"
#include "support/PlayListDoubles.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace kiv {
namespace {

using namespace test;

// The window's rules over the fake view, a fake drive and a play list file.
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
    std::vector<std::string> Messages() const {
        std::vector<std::string> shown;
        for (const auto& m : reporter.messages) {
            shown.push_back(m.title + ": " + m.text.substr(0, 24));
        }
        return shown;
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

    const std::string need = "KIV: Please enter a title for",
                      listed = "KIV: This DVD is already on t";
    EXPECT_EQ(Messages(), (std::vector<std::string>{need, need, listed, listed}));
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
    EXPECT_EQ(FixVolumeName("MY_DVD_TITLE"), "My Dvd Title");
    EXPECT_EQ(FixVolumeName("sTAR wARS_2"), "Star Wars 2");
    EXPECT_EQ(FixVolumeName(""), "Unnamed Volume");
}

// Folders by name; copies are recorded, not made.

} // namespace
} // namespace kiv
