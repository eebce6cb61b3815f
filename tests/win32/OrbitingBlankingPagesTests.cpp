// The "Orbiting" and "Blanking" pages of the real main window under a
// controller whose operating system is doubled: the tabs, and that each
// control reaches the controller and shows what it is told.
#include "RealMainWindow.h"
#include "store/WindowSettings.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>

namespace kiv::win32 {
namespace {

using namespace kiv::test;

struct PagesFixture : RealMainWindowFixture {
    WindowHandle player = desktop.Open("KivTestPlayer", "Test Player");

    void SetUp() override {
        CWindowSetting s;
        s.SettingName = "Movie";
        s.WindowClass = "Class:KivTestPlayer";
        s.WindowLeft = 100;
        s.WindowTop = 50;
        s.WindowWidth = 800;
        s.WindowHeight = 600;
        s.OrbitRangeHorizontal = 3;
        s.OrbitRangeVertical = -2;
        s.OrbitIncrement = 1;
        s.OrbitInterval = 0;
        s.BlankingPadBottom = 9;
        WriteBytes((dir.Path() / "KIV.dat").string(), SettingLine(s) + "\r\n");
        RealMainWindowFixture::SetUp();
        controller.SetListIndex(0);
    }
    void TearDown() override { window.Destroy(); }

    // The WindowPos control whose caption is `caption`, and its parts.
    HWND WindowPos(const char* caption) {
        return FindDescendant(window.Hwnd(), [caption](HWND child) {
            char name[32] = {};
            ::GetClassNameA(child, name, sizeof name);
            return std::string_view(name) == "KIVWindowPos" && TextOf(child) == caption;
        });
    }
    HWND Part(const char* caption, int id) { return ::GetDlgItem(WindowPos(caption), id); }
    CWindowSetting& Current() { return const_cast<CWindowSetting&>(*controller.CurrentSetting()); }
};

TEST_F(PagesFixture, TheTabsEndWithOrbitingAndBlanking) {
    HWND tabs = ::FindWindowExA(window.Hwnd(), nullptr, WC_TABCONTROLA, nullptr);
    ASSERT_NE(tabs, nullptr);
    std::vector<std::string> captions;
    int count = static_cast<int>(::SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[64] = {};
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        ::SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        captions.emplace_back(text);
    }
    ASSERT_GE(captions.size(), 3u);
    EXPECT_EQ(captions.front(), "&Window Position");
    EXPECT_EQ(captions[captions.size() - 2], "Orb&iting");
    EXPECT_EQ(captions.back(), "&Blanking");
}

TEST_F(PagesFixture, SelectionFillsThePagesControls) {
    EXPECT_EQ(window.WindowPosValue(WindowPosControl::OrbitHorizontal), "3");
    EXPECT_EQ(TextOf(Part("Vertical", CWindowPos::kValue)), "-2");
    EXPECT_EQ(TextOf(Part("Bottom", CWindowPos::kValue)), "9");
    EXPECT_EQ(TextOf(Part("Left", CWindowPos::kValue)), "0");
    EXPECT_EQ(window.OrbitText(OrbitTextBox::Increment), "1");
    EXPECT_EQ(window.OrbitText(OrbitTextBox::Interval), "0");
    EXPECT_FALSE(window.IsBlankingOnChecked());
    EXPECT_NE(Child("Orbit Increment (Pixels)"), nullptr);
    EXPECT_NE(Child("Orbit Interval (Seconds)"), nullptr);
    EXPECT_NE(Child("Test Orbiting"), nullptr);
}

TEST_F(PagesFixture, TheBlankingBoxSwitchesTheStripsOnAndOff) {
    HWND box = Child("Blan&king On");
    ASSERT_NE(box, nullptr);
    ::SendMessageA(box, BM_CLICK, 0, 0);
    EXPECT_TRUE(controller.Blanking()->BlankingOn());
    EXPECT_EQ(Current().BlankingOn, 1);
    EXPECT_EQ(blanking.Strip(0).ltwh, (Rect{0, 0, 104, 768}));
    EXPECT_FALSE(blanking.taskbar.visible);
    ::SendMessageA(box, BM_CLICK, 0, 0);
    EXPECT_FALSE(controller.Blanking()->BlankingOn());
    EXPECT_TRUE(blanking.taskbar.visible);
}

TEST_F(PagesFixture, APadArrowWidensItsStripAtOnceAndNegativeShowsZero) {
    ::SendMessageA(Child("Blan&king On"), BM_CLICK, 0, 0);
    ::SendMessageA(Part("Top", CWindowPos::kIncrease), BM_CLICK, 0, 0);
    EXPECT_EQ(Current().BlankingPadTop, 1);
    EXPECT_EQ(blanking.Strip(1).ltwh, (Rect{0, 0, 1024, 73}));
    ::SendMessageA(Part("Left", CWindowPos::kDecrease), BM_CLICK, 0, 0);
    EXPECT_EQ(TextOf(Part("Left", CWindowPos::kValue)), "0");
    EXPECT_EQ(Current().BlankingPadLeft, 0);
}

TEST_F(PagesFixture, ARangeArrowStoresNegativeValues) {
    ::SendMessageA(Part("Vertical", CWindowPos::kDecrease), BM_CLICK, 0, 0);
    EXPECT_EQ(Current().OrbitRangeVertical, -3);
    EXPECT_EQ(TextOf(Part("Vertical", CWindowPos::kValue)), "-3");
}

TEST_F(PagesFixture, LeavingAnOrbitBoxStoresItsNumber) {
    ::ShowWindow(window.Hwnd(), SW_SHOWNOACTIVATE);
    HWND increment = nullptr;
    HWND label = Child("Orbit Increment (Pixels)");
    ASSERT_NE(label, nullptr);
    increment = ::GetDlgItem(::GetParent(label), ::GetDlgCtrlID(label) + 1);
    ASSERT_NE(increment, nullptr);
    ::SetFocus(increment);
    // Letters are swallowed, digits taken.
    for (char c : std::string("4x2")) {
        ::SendMessageA(increment, WM_CHAR, static_cast<WPARAM>(c), 0);
    }
    ::SetFocus(Child("Test Orbiting"));
    EXPECT_EQ(Current().OrbitIncrement, 42);
}

TEST_F(PagesFixture, TheOrbitTimerMovesThePlayerEverySecondUntilSwitchedOff) {
    HWND orbiting = Child("Orbiting On");
    ASSERT_NE(orbiting, nullptr);
    ::SendMessageA(orbiting, BM_CLICK, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return desktop.Find(player)->rect.left == 101; }))
        << desktop.Find(player)->rect.left;
    ::SendMessageA(orbiting, BM_CLICK, 0, 0);
    EXPECT_EQ(desktop.Find(player)->rect, (Rect{100, 50, 900, 650}));
    size_t moves = desktop.moves.size();
    PumpUntil([] { return false; }, std::chrono::milliseconds(1200));
    EXPECT_EQ(desktop.moves.size(), moves);
}

TEST_F(PagesFixture, TheOrbitTestRunsOnItsTimerAndEnds) {
    ::SendMessageA(Child("Test Orbiting"), BM_CLICK, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return desktop.Find(player)->rect.left == 97; }));
    EXPECT_TRUE(PumpUntil([&] { return desktop.Find(player)->rect.top == 52; }));
}

} // namespace
} // namespace kiv::win32
