// The main window's toolbar, menus, hot key page, pages and tray icon on the
// real window, under a controller whose operating system is doubled.
#include "RealMainWindow.h"

#include <commctrl.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace kiv::win32 {
namespace {

using namespace kiv::test;

std::vector<std::string> MenuTexts(HMENU menu) {
    std::vector<std::string> texts;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        char text[128] = {};
        ::GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        texts.push_back(text[0] != '\0' ? text : "-");
    }
    return texts;
}

bool MenuEnabled(HMENU menu, UINT id) {
    return (::GetMenuState(menu, id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0;
}

bool TrayIconPresent(HWND window) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window;
    return ::Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

struct MainWindowCommandsFixture : RealMainWindowFixture {
    HWND Toolbar() const {
        return ::FindWindowExA(window.Hwnd(), nullptr, TOOLBARCLASSNAMEA, nullptr);
    }
    bool ToolbarEnabled(int index) const {
        return ::SendMessageA(Toolbar(), TB_ISBUTTONENABLED,
                              static_cast<WPARAM>(CMainToolbar::kFirstButtonId + index), 0) != 0;
    }
    HMENU SettingMenu() const { return ::GetSubMenu(::GetMenu(window.Hwnd()), 0); }
    void MenuCommand(int id) { ::SendMessageA(window.Hwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    HWND VisiblePage() const {
        HWND found = nullptr;
        for (HWND child = ::GetWindow(window.Hwnd(), GW_CHILD); child;
             child = ::GetWindow(child, GW_HWNDNEXT)) {
            char name[32] = {};
            ::GetClassNameA(child, name, sizeof name);
            if (std::string_view(name) == "KIVTabPage" && ::IsWindowVisible(child)) {
                found = child;
            }
        }
        return found;
    }
};

TEST_F(MainWindowCommandsFixture, TheMenuBarListsTheCommandsAndTheSortedSettings) {
    EXPECT_EQ(MenuTexts(::GetMenu(window.Hwnd())),
              (std::vector<std::string>{"&Aspect Ratio", "&Features", "&Help"}));
    EXPECT_EQ(
        MenuTexts(SettingMenu()),
        (std::vector<std::string>{"&Add...", "&Delete", "&Rename...", "&Save", "Save &As...", "-",
                                  "&1. 4x3", "&2. Anamorphic", "&3. Letterbox", "-", "E&xit"}));
    EXPECT_EQ(::GetMenuItemID(SettingMenu(), 7), static_cast<UINT>(CMainMenus::kSettingBase + 52));
    HMENU features = ::GetSubMenu(::GetMenu(window.Hwnd()), 1);
    EXPECT_EQ(MenuTexts(features), (std::vector<std::string>{"&Play List...", "Op&tions..."}));
    EXPECT_FALSE(MenuEnabled(features, CMainMenus::kFeatureBase + 0));
    HMENU help = ::GetSubMenu(::GetMenu(window.Hwnd()), 2);
    EXPECT_EQ(MenuTexts(help), (std::vector<std::string>{"&About...", "&Help on KIV"}));
    EXPECT_TRUE(MenuEnabled(help, CMainMenus::kHelpBase + 10));
}

TEST_F(MainWindowCommandsFixture, ChoosingASettingEntrySelectsIt) {
    MenuCommand(CMainMenus::kSettingBase + 53);
    EXPECT_EQ(TextOf(window.Hwnd()), "KIV - Letterbox");
    EXPECT_EQ(controller.CurrentItemKey(), "C2");
}

TEST_F(MainWindowCommandsFixture, CommandsAreEnabledWhileASettingIsSelected) {
    EXPECT_TRUE(ToolbarEnabled(0)); // Add
    EXPECT_FALSE(ToolbarEnabled(1));
    EXPECT_FALSE(ToolbarEnabled(4));
    EXPECT_FALSE(MenuEnabled(SettingMenu(), CMainMenus::kSettingBase + 10));
    EXPECT_FALSE(::IsWindowEnabled(FindControl(window.Hwnd(), CHotKeyPage::kShift)));
    controller.SetListIndex(0);
    EXPECT_TRUE(ToolbarEnabled(1));
    EXPECT_TRUE(ToolbarEnabled(4));
    EXPECT_TRUE(MenuEnabled(SettingMenu(), CMainMenus::kSettingBase + 30));
    EXPECT_TRUE(::IsWindowEnabled(FindControl(window.Hwnd(), CHotKeyPage::kKey)));
    // Options, play list and About wait for their windows.
    for (int index : {6, 7, 8}) {
        EXPECT_FALSE(ToolbarEnabled(index)) << index;
    }
}

TEST_F(MainWindowCommandsFixture, AToolbarButtonRunsItsCommand) {
    controller.SetListIndex(1); // Anamorphic
    ::SendMessageA(window.Hwnd(), WM_COMMAND,
                   MAKEWPARAM(CMainToolbar::kFirstButtonId + 1, BN_CLICKED),
                   reinterpret_cast<LPARAM>(Toolbar()));
    EXPECT_EQ(controller.Settings().Count(), 2);
    EXPECT_EQ(window.SettingListIndex(), -1);
    EXPECT_EQ(TextOf(window.Hwnd()), "KIV");
}

TEST_F(MainWindowCommandsFixture, TheToolbarTipsAreTheCommandsTexts) {
    NMTTDISPINFOA info{};
    info.hdr.hwndFrom = reinterpret_cast<HWND>(::SendMessageA(Toolbar(), TB_GETTOOLTIPS, 0, 0));
    info.hdr.idFrom = CMainToolbar::kFirstButtonId + 4;
    info.hdr.code = TTN_GETDISPINFOA;
    ::SendMessageA(window.Hwnd(), WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
    ASSERT_NE(info.lpszText, nullptr);
    EXPECT_STREQ(info.lpszText, "Save the current setting under another name");
}

TEST_F(MainWindowCommandsFixture, TheHotKeyPageShowsAndEditsTheWorkingCopy) {
    controller.SetListIndex(1); // Anamorphic, Shift+F1
    HWND shift = FindControl(window.Hwnd(), CHotKeyPage::kShift);
    EXPECT_EQ(::SendMessageA(shift, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(TextOf(FindControl(window.Hwnd(), CHotKeyPage::kHotKey)), "Shift-F1");
    ::SendMessageA(FindControl(window.Hwnd(), CHotKeyPage::kCtrl), BM_CLICK, 0, 0);
    EXPECT_EQ(controller.CurrentSetting()->HotKey, "11112");
    EXPECT_EQ(TextOf(FindControl(window.Hwnd(), CHotKeyPage::kHotKey)), "Shift-Ctrl-F1");
    EXPECT_EQ(controller.Settings().Item("C1")->HotKey, "10112");
}

TEST_F(MainWindowCommandsFixture, TabsFollowTheirAccessKeysAndCtrlTab) {
    ::ShowWindow(window.Hwnd(), SW_SHOWNOACTIVATE);
    HWND adjust = VisiblePage();
    ASSERT_NE(adjust, nullptr);
    LRESULT answer = ::SendMessageA(window.Hwnd(), WM_MENUCHAR, MAKEWPARAM('k', MF_POPUP),
                                    reinterpret_cast<LPARAM>(::GetMenu(window.Hwnd())));
    EXPECT_EQ(HIWORD(answer), MNC_CLOSE);
    HWND hotKey = VisiblePage();
    EXPECT_NE(hotKey, adjust);
    EXPECT_TRUE(::IsChild(hotKey, FindControl(window.Hwnd(), CHotKeyPage::kShift)));

    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    keys[VK_SHIFT] = 0x80;
    ::SetKeyboardState(keys);
    MSG message{window.Hwnd(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_TRUE(window.PreTranslateMessage(message)); // Ctrl+Shift+Tab: one page back
    keys[VK_CONTROL] = 0;
    keys[VK_SHIFT] = 0;
    ::SetKeyboardState(keys);
    EXPECT_EQ(VisiblePage(), adjust);
    EXPECT_FALSE(window.PreTranslateMessage(message)); // a plain Tab is the dialog's
}

// Every page, when its tab is chosen: covering the strip's display area, every
// control sized and in the window's font; after a DPI change, the page showing
// and the hidden ones alike come up at the new size.
TEST_F(MainWindowCommandsFixture, EveryPageFillsTheStripAndFollowsADpiChange) {
    ::ShowWindow(window.Hwnd(), SW_SHOWNOACTIVATE);
    HWND strip = ::FindWindowExA(window.Hwnd(), nullptr, WC_TABCONTROLA, nullptr);
    ASSERT_NE(strip, nullptr);
    const int count = static_cast<int>(::SendMessageA(strip, TCM_GETITEMCOUNT, 0, 0));
    ASSERT_EQ(count, 4);
    auto choose = [&](int index) {
        ::SendMessageA(strip, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
        NMHDR header{strip, static_cast<UINT_PTR>(::GetDlgCtrlID(strip)), TCN_SELCHANGE};
        ::SendMessageA(window.Hwnd(), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
        return VisiblePage();
    };
    // Width of the widest control of the page showing now; every visible
    // control checked on the way.
    auto widestControl = [&](HWND page) {
        // The window's font, as its own setting list has it.
        const auto font = ::SendMessageA(
            ::FindWindowExA(window.Hwnd(), nullptr, WC_COMBOBOXA, nullptr), WM_GETFONT, 0, 0);
        EXPECT_NE(font, 0);
        RECT area{};
        ::GetWindowRect(strip, &area);
        ::MapWindowPoints(nullptr, window.Hwnd(), reinterpret_cast<POINT*>(&area), 2);
        ::SendMessageA(strip, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
        RECT pageRect{};
        ::GetWindowRect(page, &pageRect);
        ::MapWindowPoints(nullptr, window.Hwnd(), reinterpret_cast<POINT*>(&pageRect), 2);
        EXPECT_TRUE(::EqualRect(&area, &pageRect));
        LONG widest = 0;
        for (HWND child = ::GetWindow(page, GW_CHILD); child;
             child = ::GetWindow(child, GW_HWNDNEXT)) {
            if (!::IsWindowVisible(child)) {
                continue; // the in-place editor, shown only while editing
            }
            RECT r = {};
            ::GetWindowRect(child, &r);
            char name[64] = {};
            ::GetClassNameA(child, name, sizeof name);
            const std::string what = std::string(name) + " \"" + TextOf(child) + "\"";
            EXPECT_GT(r.right - r.left, 0) << what;
            EXPECT_GT(r.bottom - r.top, 0) << what;
            EXPECT_EQ(::SendMessageA(child, WM_GETFONT, 0, 0), font) << what;
            widest = std::max(widest, r.right - r.left);
        }
        return widest;
    };

    std::vector<LONG> at96;
    for (int i = 0; i < count; ++i) {
        HWND page = choose(i);
        ASSERT_NE(page, nullptr);
        at96.push_back(widestControl(page));
    }
    // Pages 0 and 3 were shown before; page 3 shows now.
    RECT suggested{};
    ::GetWindowRect(window.Hwnd(), &suggested);
    ::SendMessageA(window.Hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                   reinterpret_cast<LPARAM>(&suggested));
    for (int i : {3, 0, 1, 2}) {
        const LONG at144 = widestControl(choose(i));
        EXPECT_NEAR(at144, at96[static_cast<size_t>(i)] * 3 / 2, 2) << "page " << i;
    }
}

// The tip a tool window shows, from whichever tip window of the thread holds it.
std::string TipOf(HWND tool) {
    struct Search {
        HWND tool;
        std::string text;
    } search{tool, {}};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND tips, LPARAM context) -> BOOL {
            auto* s = reinterpret_cast<Search*>(context);
            char name[64] = {};
            ::GetClassNameA(tips, name, sizeof name);
            if (std::string_view(name) != TOOLTIPS_CLASSA) {
                return TRUE;
            }
            char text[128] = {};
            TTTOOLINFOA info{};
            info.cbSize = sizeof info;
            info.hwnd = ::GetParent(s->tool);
            info.uId = reinterpret_cast<UINT_PTR>(s->tool);
            info.lpszText = text;
            ::SendMessageA(tips, TTM_GETTEXTA, 0, reinterpret_cast<LPARAM>(&info));
            if (text[0] != '\0') {
                s->text = text;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.text;
}

TEST_F(MainWindowCommandsFixture, TipsAreSetForTheNamedControlsAndTheirParts) {
    EXPECT_EQ(TipOf(FindControl(window.Hwnd(), CAdjustPage::kCapture)),
              "Use the size of the current application window");
    EXPECT_EQ(TipOf(FindControl(window.Hwnd(), CAdjustPage::kSize0 + 8)),
              "Expand the window in all directions by one pixel");
    // A control made of parts shows its tip over each of them.
    HWND horizontal = FindControl(window.Hwnd(), COrbitingPage::kOrbHorizontal);
    ASSERT_NE(horizontal, nullptr);
    EXPECT_EQ(TipOf(horizontal), "Amount to move horizontally");
    HWND part = ::GetWindow(horizontal, GW_CHILD);
    ASSERT_NE(part, nullptr);
    EXPECT_EQ(TipOf(part), "Amount to move horizontally");
}

TEST_F(MainWindowCommandsFixture, TheTrayIconComesAndGoesWithTheWindow) {
    // A window of its own, with the icon this time.
    frmMain second;
    FakeDesktop otherDesktop;
    COptions withIcon{reporter};
    withIcon.WindowStartMode = 2;
    CMainController other(second,
                          Platform{otherDesktop, sizeLibrary, keyboardLibrary, pump, reporter},
                          withIcon, playList, (dir.Path() / "").string());
    ASSERT_TRUE(second.Load(other, nullptr, nullptr));
    ASSERT_TRUE(other.Form_Load(""));
    HWND handle = second.Hwnd();
    EXPECT_TRUE(TrayIconPresent(handle));
    // The shell rebuilt its notification area: the icon is added again.
    ::SendMessageA(handle, ::RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(TrayIconPresent(handle));
    ::SendMessageA(handle, WM_CLOSE, 0, 0);
    EXPECT_FALSE(TrayIconPresent(handle));
    MSG message{};
    ::PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

} // namespace
} // namespace kiv::win32
