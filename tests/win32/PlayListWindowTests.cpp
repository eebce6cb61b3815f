// The real "KIV Play List" window over a fake drive, driven while it runs its
// own message loop.
#include "playlist/win32/frmPlayList.h"
#include "support/ModalDriver.h"
#include "support/PlayListDoubles.h"
#include "support/TestSupport.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace kiv::win32 {
namespace {

using namespace test;
using Id = frmPlayList::ControlId;

HWND Dialog() {
    return ::FindWindowA("frmPlayList", "KIV Play List");
}
HWND Item(int id) {
    return ::GetDlgItem(Dialog(), id);
}
void Click(int id) {
    ::SendMessageA(Item(id), BM_CLICK, 0, 0);
}
// The titles in the order shown.
std::string Titles() {
    std::string titles;
    char text[64] = {};
    for (int row = 0; row < ListView_GetItemCount(Item(Id::lvwTitles)); ++row) {
        ListView_GetItemText(Item(Id::lvwTitles), row, 0, text, sizeof text);
        titles += std::string(text) + "|";
    }
    return titles;
}
// What the title list tells the dialog of a click on `row` (-1: on no row)
// or on the heading of `column`.
void ListNotifies(UINT code, int row, int column = 0) {
    NMITEMACTIVATE click{};
    click.hdr = {Item(Id::lvwTitles), Id::lvwTitles, code};
    click.iItem = row;
    click.iSubItem = column;
    ::SendMessageA(Dialog(), WM_NOTIFY, Id::lvwTitles, reinterpret_cast<LPARAM>(&click));
}
bool IsDefault(int id) {
    return (::GetWindowLongA(Item(id), GWL_STYLE) & BS_DEFPUSHBUTTON) != 0;
}

struct PlayListWindow : ::testing::Test {
    RecordingReporter reporter;
    CPlayList list{reporter};
    FakeDriveReader drive;
    AddingDriveArrival arrival{list, drive};
    CPlayListWindow rules{{list, "R:", {"4x3", "Wide"}, drive, arrival, reporter}};

    bool Show(ModalStep user) {
        return RunModalWith(Dialog, {user}, [&] { return frmPlayList::Show(nullptr, rules); });
    }
};

TEST_F(PlayListWindow, RefusesAListedDiscUpdatesSortsByTextDeletesAndSelects) {
    list.Add("Alien", "4x3", "ALIEN", "9");
    list.Add("Heat", "Wide", "HEAT", "2B");
    list.Add("Zed", "4x3", "ZED", "10");
    drive.disc = {"HEAT", "2B"};
    const bool chosen = Show([](HWND) {
        EXPECT_EQ(TextOf(Item(Id::txtAddTitle)), "Heat"); // the disc in the drive
        Click(Id::cmdAdd);                                // is listed already
        ::SetFocus(Item(Id::txtAddTitle));
        EXPECT_TRUE(IsDefault(Id::cmdUpdate));
        ::SetWindowTextA(Item(Id::txtAddTitle), "Heat;2");
        ::SendMessageA(Dialog(), WM_COMMAND, IDOK, 0); // Enter presses Update
        EXPECT_TRUE(IsDefault(Id::cmdSelect));

        ListNotifies(LVN_COLUMNCLICK, -1, 3); // "Serial", as text: 10, 2B, 9
        EXPECT_EQ(Titles(), "Zed|Heat2|Alien|");
        Click(Id::cmdDelete);
        EXPECT_EQ(Titles(), "Zed|Alien|");
        ListView_SetItemState(Item(Id::lvwTitles), 1, LVIS_SELECTED, LVIS_SELECTED);
        EXPECT_EQ(TextOf(Item(Id::txtAddTitle)), "Alien");
        // A click on the highlighted row loads it again; one on empty space,
        // which takes the highlight away, runs the enable rules.
        ::SetWindowTextA(Item(Id::txtAddTitle), "Edited");
        ListNotifies(NM_CLICK, 1);
        EXPECT_EQ(TextOf(Item(Id::txtAddTitle)), "Alien");
        ListView_SetItemState(Item(Id::lvwTitles), -1, 0, LVIS_SELECTED);
        ListNotifies(NM_CLICK, -1);
        EXPECT_FALSE(::IsWindowEnabled(Item(Id::cmdDelete)));
        ListView_SetItemState(Item(Id::lvwTitles), 1, LVIS_SELECTED, LVIS_SELECTED);
        Click(Id::cmdSelect);
    });
    EXPECT_TRUE(chosen);
    EXPECT_EQ(rules.CurrentSetting(), "4x3");
    EXPECT_EQ(list.Item("C2")->Title, "Heat2");
    EXPECT_EQ(reporter.messages.size(), 1u); // Add, refused
    EXPECT_FALSE(Show([](HWND) { ::SendMessageA(Dialog(), WM_COMMAND, IDCANCEL, 0); })); // Esc
}

} // namespace
} // namespace kiv::win32
