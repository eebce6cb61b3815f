// The real main window under a controller whose operating system is doubled:
// the wiring of each kind of control to the controller, what the window shows
// and which of its changes run handling, and its layout at every DPI.
#include "app/ControllerFixture.h"
#include "app/win32/frmMain.h"
#include "platform/win32/Win32Platform.h"
#include "store/WindowSettings.h"
#include "support/Win32TestSupport.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

namespace kiv::win32 {
namespace {

using namespace kiv::test;

// Started as KIV starts it, but hidden and without a tray icon.
struct MainWindowFixture : ::testing::Test, FakeSystem {
    frmMain window;
    CMainController controller{window.Views(), System(), options, playList, appPath, appPath};

    void SetUp() override {
        options.WindowStartMode = 2;
        options.ShowTrayIcon = false;
        ASSERT_TRUE(window.Load(controller, nullptr, nullptr));
        ASSERT_TRUE(controller.Form_Load(""));
    }
    HWND Child(const char* text) const { return ChildWithText(window.Hwnd(), text); }
    HWND Combo() const { return ::FindWindowExA(window.Hwnd(), nullptr, "ComboBox", nullptr); }
    HWND VisiblePage() const {
        return FindDescendant(window.Hwnd(), [](HWND child) {
            return ClassOf(child) == "KIVTabPage" && ::IsWindowVisible(child);
        });
    }
    // A part of the WindowPos control whose caption is `caption`.
    HWND Part(const char* caption, int id) {
        HWND control = FindDescendant(window.Hwnd(), [caption](HWND child) {
            return ClassOf(child) == "KIVWindowPos" && TextOf(child) == caption;
        });
        return ::GetDlgItem(control, id);
    }
    // Selects a setting that controls the doubled player window.
    WindowHandle SelectPlayerSetting() {
        WindowHandle player = desktop.Open("KivTestPlayer", "Test Player");
        controller.Settings().Item(1)->WindowClass = "Class:KivTestPlayer";
        controller.SetListIndex(1);
        return player;
    }
};

// Showing values runs no handling; the user's choice runs the selection.
TEST_F(MainWindowFixture, TheListIsSortedAndSelectingFromCodeOrByTheUserShowsTheSetting) {
    EXPECT_EQ(window.SettingListText(0), "4x3");
    EXPECT_EQ(window.SettingListItemData(0), 3);
    window.ShowSettingListIndex(0);
    EXPECT_EQ(controller.CurrentSetting(), nullptr);

    controller.SetListIndex(1);
    EXPECT_EQ(TextOf(window.Hwnd()), "KIV - Anamorphic");
    EXPECT_NE(Child("Your Application"), nullptr);
    window.Views().position.ShowLockPositionChecked(true);
    EXPECT_EQ(::SendMessageA(Child("Lock Window"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(controller.CurrentSetting()->LockPosition, 0);

    // The user picks another entry: the list notifies the window, which runs the selection.
    ::SendMessageA(Combo(), CB_SETCURSEL, 2, 0);
    ::SendMessageA(window.Hwnd(), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(Combo()), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(Combo()));
    EXPECT_EQ(TextOf(window.Hwnd()), "KIV - Letterbox");
    std::string labels; // left, top, width, height
    for (int id :
         {CAdjustPage::kLeft, CAdjustPage::kTop, CAdjustPage::kWidth, CAdjustPage::kHeight}) {
        labels += TextOf(FindControl(window.Hwnd(), id)) + " ";
    }
    EXPECT_EQ(labels, "0 -126 1024 1021 ");
}

// Painting the window draws the etched line, then the setting list over it.
TEST_F(MainWindowFixture, PaintingTheWindowRedrawsTheSettingList) {
    ::ShowWindow(window.Hwnd(), SW_SHOWNOACTIVATE);
    PumpUntil([] { return false; }, std::chrono::milliseconds(100));
    int listPaints = 0;
    SubclassControl(Combo(), [&listPaints](HWND, UINT message, WPARAM&, LPARAM) {
        listPaints += message == WM_PAINT ? 1 : 0;
        return std::optional<LRESULT>();
    });
    // The window alone, not its children.
    ::RedrawWindow(window.Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(PumpUntil([&] { return listPaints > 0; }, std::chrono::seconds(2)));
}

// One control of each kind reaches its feature: a check box, a WindowPos's
// arrows and box, a text box left, the hot key page. The toolbar's buttons
// are clicked end to end (MainWindowE2eTests).
TEST_F(MainWindowFixture, EachKindOfControlReachesTheController) {
    WindowHandle player = SelectPlayerSetting();
    CWindowSetting& current = *controller.CurrentSetting();

    const size_t moves = desktop.moves.size();
    ::SendMessageA(Child("Lock Window"), BM_CLICK, 0, 0);
    EXPECT_EQ(current.LockPosition, 1);
    ASSERT_EQ(desktop.moves.size(), moves + 1);
    EXPECT_EQ(desktop.moves.back().window, player);

    ::SendMessageA(Part("Top", CWindowPos::kIncrease), BM_CLICK, 0, 0);
    EXPECT_EQ(current.BlankingPadTop, 1);
    ::SendMessageA(Part("Left", CWindowPos::kDecrease), BM_CLICK, 0, 0);
    EXPECT_EQ(TextOf(Part("Left", CWindowPos::kValue)), "0");
    // The boxes take number keys only; a value is taken when the focus leaves.
    auto type = [](HWND box, std::string_view keys) {
        ::SetWindowTextA(box, "");
        for (char c : keys) {
            ::SendMessageA(box, WM_CHAR, static_cast<WPARAM>(c), 0);
        }
    };
    HWND pad = Part("Top", CWindowPos::kValue);
    type(pad, "1x.5");
    EXPECT_EQ(TextOf(pad), "1.5");
    ::SendMessageA(::GetParent(pad), WM_COMMAND, MAKEWPARAM(CWindowPos::kValue, EN_KILLFOCUS),
                   reinterpret_cast<LPARAM>(pad));
    EXPECT_EQ(current.BlankingPadTop, 2);

    ::ShowWindow(window.Hwnd(), SW_SHOWNOACTIVATE);
    HWND label = Child("Orbit Increment (Pixels)");
    HWND increment = ::GetDlgItem(::GetParent(label), ::GetDlgCtrlID(label) + 1);
    ::SetFocus(increment);
    type(increment, "4x2");
    ::SetFocus(Child("Test Orbiting"));
    EXPECT_EQ(current.OrbitIncrement, 42);

    ::SendMessageA(FindControl(window.Hwnd(), CHotKeyPage::kCtrl), BM_CLICK, 0, 0);
    EXPECT_EQ(current.HotKey, "11112");
    EXPECT_EQ(TextOf(FindControl(window.Hwnd(), CHotKeyPage::kHotKey)), "Shift-Ctrl-F1");
}

// A new screen layout, or waking from sleep, may have moved the player.
TEST_F(MainWindowFixture, ADisplayChangeOrAResumePlacesThePlayerAgain) {
    WindowHandle player = SelectPlayerSetting();
    const Rect placed = desktop.Find(player)->rect;
    const std::tuple<UINT, WPARAM, bool> cases[] = {
        {WM_DISPLAYCHANGE, 32, true},
        {WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, true},
        {WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, true},
        {WM_POWERBROADCAST, PBT_APMSUSPEND, false},
    };
    for (const auto& [message, wParam, places] : cases) {
        SCOPED_TRACE(testing::Message() << message << " " << wParam);
        desktop.Find(player)->rect = {1, 2, 3, 4};
        ::SendMessageA(window.Hwnd(), message, wParam, MAKELPARAM(1024, 768));
        EXPECT_EQ(desktop.Find(player)->rect == placed, places);
    }
}

// A tab's access key turns to its page: the strip's keys are the dialog
// keyboard's (DialogKeyboardTests), the window hands it its strip. Every page,
// when its tab is chosen: covering the strip's display area, every control
// sized and in the window's font; after a DPI change, the page showing and the
// hidden ones alike come up at the new size.
TEST_F(MainWindowFixture, ATabsKeyTurnsToItsPageAndEveryPageFillsTheStripAtEveryDpi) {
    ::ShowWindow(window.Hwnd(), SW_SHOWNOACTIVATE);
    HWND shift = FindControl(window.Hwnd(), CHotKeyPage::kShift);
    EXPECT_FALSE(::IsChild(VisiblePage(), shift));
    LRESULT answer = ::SendMessageA(window.Hwnd(), WM_MENUCHAR, MAKEWPARAM('k', MF_POPUP),
                                    reinterpret_cast<LPARAM>(::GetMenu(window.Hwnd())));
    EXPECT_EQ(HIWORD(answer), MNC_CLOSE);
    EXPECT_TRUE(::IsChild(VisiblePage(), shift));

    HWND strip = ::FindWindowExA(window.Hwnd(), nullptr, WC_TABCONTROLA, nullptr);
    ASSERT_EQ(::SendMessageA(strip, TCM_GETITEMCOUNT, 0, 0), 4);
    auto choose = [&](int index) {
        ::SendMessageA(strip, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
        NMHDR header{strip, static_cast<UINT_PTR>(::GetDlgCtrlID(strip)), TCN_SELCHANGE};
        ::SendMessageA(window.Hwnd(), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
        return VisiblePage();
    };
    // Width of the widest control of the page showing now; every visible
    // control checked on the way.
    auto widestControl = [&](HWND page) {
        const auto font = ::SendMessageA(Combo(), WM_GETFONT, 0, 0);
        EXPECT_NE(font, 0);
        RECT area{}, pageRect{}; // on the screen
        ::GetWindowRect(strip, &area);
        ::SendMessageA(strip, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
        ::GetWindowRect(page, &pageRect);
        EXPECT_TRUE(::EqualRect(&area, &pageRect)) << RectText(area) << " " << RectText(pageRect);
        LONG widest = 0;
        for (HWND child = ::GetWindow(page, GW_CHILD); child;
             child = ::GetWindow(child, GW_HWNDNEXT)) {
            if (!::IsWindowVisible(child)) {
                continue; // the in-place editor, shown only while editing
            }
            RECT r = {};
            ::GetWindowRect(child, &r);
            const std::string what = "\"" + TextOf(child) + "\"";
            EXPECT_FALSE(::IsRectEmpty(&r)) << what;
            EXPECT_EQ(::SendMessageA(child, WM_GETFONT, 0, 0), font) << what;
            widest = std::max(widest, r.right - r.left);
        }
        return widest;
    };

    LONG at96[4] = {};
    for (int i = 0; i < 4; ++i) {
        at96[i] = widestControl(choose(i));
    }
    RECT suggested{};
    ::GetWindowRect(window.Hwnd(), &suggested);
    ::SendMessageA(window.Hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                   reinterpret_cast<LPARAM>(&suggested));
    for (int i : {3, 0, 1, 2}) {
        EXPECT_NEAR(widestControl(choose(i)), at96[i] * 3 / 2, 2) << "page " << i;
    }
}

TEST_F(MainWindowFixture, ClosingTheWindowRemovesTheHooks) {
    // The key hook's removal at unload is the controller's (LeavingDuringADialog...).
    ::SendMessageA(window.Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(window.Hwnd(), nullptr);
    EXPECT_EQ(keyboardLibrary.mediaHooks.back(), 0u);
    MSG message{};
    EXPECT_TRUE(::PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// "Select KIV" on a minimized KIV that still holds the foreground, as when
// it was minimized with nothing behind it: restored all the same.
TEST_F(MainWindowFixture, BroughtForwardAMinimizedWindowIsRestoredEvenInFront) {
    HWND handle = window.Hwnd();
    ::ShowWindow(handle, SW_SHOWNORMAL);
    ::SetForegroundWindow(handle);
    ::ShowWindow(handle, SW_SHOWMINIMIZED);
    ASSERT_TRUE(::IsIconic(handle));
    ASSERT_EQ(::GetForegroundWindow(), handle);
    CWin32Desktop().ForceForegroundWindow(FromHwnd(handle));
    EXPECT_FALSE(::IsIconic(handle));
}

} // namespace
} // namespace kiv::win32
