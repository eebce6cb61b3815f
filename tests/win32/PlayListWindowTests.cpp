// The real "KIV Play List" window over a fake drive, driven step by step
// while it runs its own message loop.
#include "playlist/win32/frmPlayList.h"
#include "support/PlayListDoubles.h"
#include "support/TestSupport.h"
#include "support/Win32TestSupport.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

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
std::string Cell(int row, int column) {
    char text[64] = {};
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ::SendMessageA(Item(Id::lvwTitles), LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&item));
    return text;
}
// Column 0 of every row, in the order shown.
std::string Titles() {
    std::string titles;
    const auto rows = ::SendMessageA(Item(Id::lvwTitles), LVM_GETITEMCOUNT, 0, 0);
    for (int row = 0; row < rows; ++row) {
        titles += Cell(row, 0) + "|";
    }
    return titles;
}
bool IsDefault(int id) {
    return (::GetWindowLongA(Item(id), GWL_STYLE) & BS_DEFPUSHBUTTON) != 0;
}

// One step a tick, each once the window has the focus; the last ends it.
std::vector<std::function<void()>> gSteps;
size_t gNext = 0;

void CALLBACK RunStep(HWND, UINT, UINT_PTR, DWORD) {
    HWND focus = ::GetFocus();
    if (Dialog() == nullptr || focus == nullptr || !::IsChild(Dialog(), focus) ||
        gNext >= gSteps.size()) {
        return;
    }
    gSteps[gNext++]();
}

struct PlayListWindow : ::testing::Test {
    TempDir dir;
    RecordingReporter reporter;
    CPlayList list{reporter};
    FakeDriveReader drive;
    AddingDriveArrival arrival{list, drive};
    CPlayListWindow rules{{list, "R:", {"4x3", "Wide"}, drive, arrival, reporter}};

    bool Show(std::vector<std::function<void()>> steps) {
        gSteps = std::move(steps);
        gNext = 0;
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, &RunStep);
        const bool chosen = frmPlayList::Show(nullptr, rules);
        ::KillTimer(nullptr, timer);
        EXPECT_EQ(gNext, gSteps.size()) << "steps left undone";
        return chosen;
    }
};

TEST_F(PlayListWindow, RefusesAListedDiscUpdatesSortsByTextDeletesAndSelects) {
    list.Add("Alien", "4x3", "ALIEN", "9");
    list.Add("Heat", "Wide", "HEAT", "2B");
    list.Add("Zed", "4x3", "ZED", "10");
    drive.disc = {"HEAT", "2B"};
    const bool chosen = Show({
        [] {
            EXPECT_EQ(TextOf(Item(Id::txtAddTitle)), "Heat");
            EXPECT_EQ(TextOf(Item(Id::lblStatus)), "Current Volume: HEAT, Serial Number: 2B");
            Click(Id::cmdAdd); // the disc in the drive is listed
            ::SetFocus(Item(Id::txtAddTitle));
            ::SetWindowTextA(Item(Id::txtAddTitle), "Heat;2");
        },
        [] {
            EXPECT_TRUE(IsDefault(Id::cmdUpdate));
            HWND title = Item(Id::txtAddTitle);
            ::PostMessageA(title, WM_KEYDOWN, VK_RETURN, 0); // Enter presses Update
        },
        [] {
            EXPECT_TRUE(IsDefault(Id::cmdSelect));
            NMLISTVIEW click{};
            click.hdr = {Item(Id::lvwTitles), Id::lvwTitles, LVN_COLUMNCLICK};
            click.iSubItem = 3; // "Serial", as text: 10, 2B, 9
            ::SendMessageA(Dialog(), WM_NOTIFY, Id::lvwTitles, reinterpret_cast<LPARAM>(&click));
            EXPECT_EQ(Titles(), "Zed|Heat2|Alien|");
            Click(Id::cmdDelete);
            EXPECT_EQ(Titles(), "Zed|Alien|");
            EXPECT_FALSE(::IsWindowEnabled(Item(Id::cmdSelect)));
            ListView_SetItemState(Item(Id::lvwTitles), 1, LVIS_SELECTED, LVIS_SELECTED);
            EXPECT_EQ(TextOf(Item(Id::txtAddTitle)), "Alien");
            Click(Id::cmdSelect);
        },
    });
    EXPECT_TRUE(chosen);
    EXPECT_EQ(rules.CurrentSetting(), "4x3");
    EXPECT_EQ(list.Item("C2")->Title, "Heat2");
    EXPECT_TRUE(list.Item("C2")->LogicalDelete);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0].text.substr(0, 31), "This DVD is already on the Play");
    EXPECT_FALSE(Show({[] { Click(Id::cmdExit); }}));
}

} // namespace
} // namespace kiv::win32
