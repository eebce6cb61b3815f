// The real main window under a controller whose operating system is doubled:
// what the window shows and which of its changes run handling.
#include "RealMainWindow.h"
#include "util/win32/FormUtilsWin32.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace kiv::win32 {
namespace {

using namespace kiv::test;

struct MainWindowFixture : RealMainWindowFixture {
    HWND Combo() const { return ::FindWindowExA(window.Hwnd(), nullptr, "ComboBox", nullptr); }
};

TEST_F(MainWindowFixture, ListIsSortedAndCarriesKeyNumbers) {
    EXPECT_EQ(window.SettingListCount(), 3);
    EXPECT_EQ(window.SettingListText(0), "4x3");
    EXPECT_EQ(window.SettingListText(1), "Anamorphic");
    EXPECT_EQ(window.SettingListItemData(0), 3);
    EXPECT_EQ(window.FindSettingListText("LETTERBOX"), 2);
    EXPECT_EQ(window.SettingListIndex(), -1);
    EXPECT_EQ(TextOf(window.Hwnd()), "KIV");
    EXPECT_FALSE(::IsWindowVisible(window.Hwnd()));
}

TEST_F(MainWindowFixture, SelectingFromCodeOrByTheUserShowsTheSetting) {
    controller.SetListIndex(1);
    EXPECT_EQ(TextOf(window.Hwnd()), "KIV - Anamorphic");
    EXPECT_NE(ChildWithText(window.Hwnd(), "Your Application"), nullptr);
    EXPECT_NE(ChildWithText(window.Hwnd(), "1024"), nullptr);

    // The user picks another entry: the list notifies the window, which runs the selection.
    ::SendMessageA(Combo(), CB_SETCURSEL, 2, 0);
    ::SendMessageA(window.Hwnd(), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(Combo()), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(Combo()));
    EXPECT_EQ(TextOf(window.Hwnd()), "KIV - Letterbox");
    ASSERT_NE(controller.CurrentSetting(), nullptr);
    EXPECT_EQ(controller.CurrentSetting()->WindowHeight, 1021);
    EXPECT_NE(ChildWithText(window.Hwnd(), "-126"), nullptr);
}

TEST_F(MainWindowFixture, ShowingValuesRunsNoHandling) {
    window.ShowSettingListIndex(0);
    EXPECT_EQ(controller.CurrentSetting(), nullptr);
    EXPECT_EQ(TextOf(window.Hwnd()), "KIV");
    window.ShowLockPositionChecked(true);
    EXPECT_TRUE(window.IsLockPositionChecked());
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(MainWindowFixture, LockBoxClickReachesTheController) {
    WindowHandle player = desktop.Open("", "Player");
    controller.Settings().Item(1)->WindowClass = "Player";
    controller.SetListIndex(1);
    size_t moves = desktop.moves.size();
    HWND lock = ChildWithText(window.Hwnd(), "Lock Window");
    ASSERT_NE(lock, nullptr);
    ::SendMessageA(lock, BM_CLICK, 0, 0);
    EXPECT_TRUE(window.IsLockPositionChecked());
    EXPECT_EQ(controller.CurrentSetting()->LockPosition, 1);
    EXPECT_EQ(desktop.moves.size(), moves + 1);
    EXPECT_EQ(desktop.moves.back().window, player);
}

TEST_F(MainWindowFixture, TheFirstPageShowsOnTheTabStrip) {
    ::ShowWindow(window.Hwnd(), SW_SHOWNOACTIVATE);
    HWND lock = ChildWithText(window.Hwnd(), "Lock Window");
    ASSERT_NE(lock, nullptr);
    EXPECT_TRUE(::IsWindowVisible(lock));
    RECT tab{};
    ::GetWindowRect(::FindWindowExA(window.Hwnd(), nullptr, WC_TABCONTROLA, nullptr), &tab);
    RECT box{};
    ::GetWindowRect(lock, &box);
    RECT inside{};
    EXPECT_TRUE(::IntersectRect(&inside, &tab, &box) && ::EqualRect(&inside, &box));
}

TEST_F(MainWindowFixture, ClosingTheWindowRemovesTheHooks) {
    size_t keyCalls = keyboardLibrary.keyHooks.size();
    ::SendMessageA(window.Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(window.Hwnd(), nullptr);
    EXPECT_FALSE(IsFormLoaded("frmMain"));
    EXPECT_EQ(keyboardLibrary.keyHooks.size(), keyCalls + 1);
    EXPECT_EQ(keyboardLibrary.mediaHooks.back(), 0u);
    MSG message{};
    EXPECT_TRUE(::PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

} // namespace
} // namespace kiv::win32
