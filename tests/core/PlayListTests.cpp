#include "playlist/DiscSerial.h"
#include "playlist/VolumeName.h"
#include "store/PlayList.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace kiv {
namespace {

using namespace test;

struct PlayListFixture : ::testing::Test {
    TempDir dir;
    RecordingReporter reporter;
    CPlayList list{reporter};
    PlayListFixture() { list.PlayListFile = dir.File("KIVPlay.dat"); }

    void SaveAndReload() {
        list.SaveItems();
        list.LoadItems();
    }
};

TEST_F(PlayListFixture, OlderFormAndBlankLinesThroughTwoSaveLoadCycles) {
    WriteBytes(list.PlayListFile, "Casablanca=Letterbox\r\n\r\nS1=Alien; Cut;S2=4x3;S3=VOL;S4=FF;");
    list.LoadItems();
    SaveAndReload();
    EXPECT_EQ(ReadBytes(list.PlayListFile), "S1=Casablanca;S2=Letterbox;S3=;S4=;\r\n"
                                            "S1=;S2=;S3=;S4=;\r\n"
                                            "S1=Alien;S2=4x3;S3=VOL;S4=FF;\r\n");
    ASSERT_EQ(list.Count(), 3);
    // The blank entry, now written with an empty title, keeps its empty fields.
    EXPECT_EQ(list.Item(2)->Title, "");
    EXPECT_EQ(list.Item(2)->Setting, "");
    // A title holding a field key's text is only text: the disc is still known.
    list.Item(3)->Title = "PS3 Game";
    SaveAndReload();
    EXPECT_EQ(list.Item(3)->Title, "PS3 Game");
    EXPECT_EQ(list.LocatePlayListItem("VOL", "FF"), list.Item(3));
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(PlayListFixture, LogicallyDeletedEntriesStayUntilSavedAndLoaded) {
    list.Add("Gone", "A", "VOL", "1");
    list.Add("Dup", "B", "VOL", "1");
    list.Item(1)->LogicalDelete = true;
    EXPECT_EQ(list.LocatePlayListItem("VOL", "1")->Title, "Gone");
    EXPECT_EQ(list.LocatePlayListItem("vol", "1"), nullptr); // exact comparison
    SaveAndReload();
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.LocatePlayListItem("VOL", "1")->Title, "Dup");
    EXPECT_EQ(list.Item(1)->ItemKey, "C3");
}

TEST_F(PlayListFixture, AfterTheLastKeyEveryLineReportsItsFailedAddAndIsSkipped) {
    std::string text;
    for (int i = 0; i < 32767 + 3; ++i) {
        text += "S1=t;S2=s;S3=v;S4=1;\n";
    }
    list.LoadFromText(text);
    EXPECT_EQ(list.Count(), 32767);
    ASSERT_EQ(reporter.messages.size(), 3u);
    EXPECT_EQ(reporter.messages[2].title, "Add");
    EXPECT_EQ(list.Add("x", "", "", ""), nullptr);
}

TEST(DiscIdentity, SerialTextAndTitleFromTheVolumeName) {
    EXPECT_EQ(DiscSerialText(0), "0");
    EXPECT_EQ(DiscSerialText(0x00AB12CDu), "AB12CD");
    EXPECT_EQ(DiscSerialText(0x8000000Fu), "8000000F");
    EXPECT_EQ(FixVolumeName("MY_DVD_TITLE"), "My Dvd Title");
    EXPECT_EQ(FixVolumeName("sTAR wARS_2"), "Star Wars 2");
    EXPECT_EQ(FixVolumeName(""), "Unnamed Volume");
}

} // namespace
} // namespace kiv
