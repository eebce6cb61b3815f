// The reusable hot key control on a real window: what it shows, what the
// user's clicks build, what it announces, and its tips.
#include "Win32TestSupport.h"
#include "hotkeys/win32/HotKeyControl.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kiv::win32 {
namespace {

struct HotKeyControlFixture : ::testing::Test {
    UniqueWindow host{::CreateWindowExA(0, WC_STATICA, "", WS_POPUP, 0, 0, 400, 200, nullptr,
                                        nullptr, ::GetModuleHandleA(nullptr), nullptr)};
    CHotKeyControl control;
    std::vector<std::string> announced;

    void SetUp() override {
        ASSERT_TRUE(host);
        ASSERT_TRUE(control.Create(host.Get(), 77, 10, 10));
        control.HotKeyChanged = [&](const std::string& text) { announced.push_back(text); };
    }
    HWND Part(int id) const { return ::GetDlgItem(control.Hwnd(), id); }
    bool Checked(int id) const {
        return ::SendMessageA(Part(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    std::string SelectedKey() const {
        HWND list = Part(CHotKeyControl::kKey);
        const auto index = ::SendMessageA(list, CB_GETCURSEL, 0, 0);
        char text[32] = {};
        ::SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(index),
                       reinterpret_cast<LPARAM>(text));
        return text;
    }
    // The user picks a key: the list changes and tells its parent.
    void UserPicks(const char* key) {
        HWND list = Part(CHotKeyControl::kKey);
        const auto index = ::SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                          reinterpret_cast<LPARAM>(key));
        ::SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        ::SendMessageA(control.Hwnd(), WM_COMMAND, MAKEWPARAM(CHotKeyControl::kKey, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(list));
    }
};

TEST_F(HotKeyControlFixture, AHotKeyTextShowsOnEveryPart) {
    EXPECT_EQ(::SendMessageA(Part(CHotKeyControl::kKey), CB_GETCOUNT, 0, 0), 49);
    EXPECT_EQ(TextOf(Part(CHotKeyControl::kShift)), "&Shift");
    EXPECT_EQ(TextOf(Part(CHotKeyControl::kCtrl)), "C&ontrol");
    EXPECT_EQ(control.caption(), "Current Hot Key:");
    control.SetHotKey("1165");
    EXPECT_TRUE(Checked(CHotKeyControl::kShift));
    EXPECT_TRUE(Checked(CHotKeyControl::kCtrl));
    EXPECT_EQ(SelectedKey(), "A");
    EXPECT_EQ(TextOf(Part(CHotKeyControl::kHotKey)), "Shift-Ctrl-A");
    EXPECT_EQ(control.HotKey(), "1165");
    EXPECT_EQ(announced, (std::vector<std::string>{"1165"}));
}

TEST_F(HotKeyControlFixture, ClicksBuildTheTextAndAnnounceIt) {
    UserPicks("F5");
    EXPECT_EQ(control.HotKey(), "00116");
    ::SendMessageA(Part(CHotKeyControl::kCtrl), BM_CLICK, 0, 0);
    EXPECT_EQ(control.HotKey(), "01116");
    EXPECT_EQ(TextOf(Part(CHotKeyControl::kHotKey)), "Ctrl-F5");
    UserPicks("None");
    EXPECT_EQ(control.HotKey(), "");
    EXPECT_EQ(TextOf(Part(CHotKeyControl::kHotKey)), "(None)");
    EXPECT_EQ(announced, (std::vector<std::string>{"00116", "01116", ""}));
}

TEST_F(HotKeyControlFixture, AnEmptyHotKeyKeepsTheBoxes) {
    control.SetHotKey("1165");
    control.SetHotKey("");
    EXPECT_TRUE(Checked(CHotKeyControl::kShift));
    EXPECT_TRUE(Checked(CHotKeyControl::kCtrl));
    EXPECT_EQ(SelectedKey(), "None");
    EXPECT_EQ(TextOf(Part(CHotKeyControl::kHotKey)), "(None)");
    UserPicks("A");
    EXPECT_EQ(control.HotKey(), "1165");
    control.SetCaption("Focus KIV:");
    EXPECT_EQ(control.caption(), "Focus KIV:");
}

TEST_F(HotKeyControlFixture, ThePartsCarryTheirTips) {
    struct Search {
        HWND control;
        HWND shift;
        std::string text;
    } search{control.Hwnd(), Part(CHotKeyControl::kShift), {}};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM context) -> BOOL {
            auto* s = reinterpret_cast<Search*>(context);
            char name[64] = {};
            ::GetClassNameA(window, name, sizeof name);
            if (std::string_view(name) != TOOLTIPS_CLASSA) {
                return TRUE;
            }
            char text[128] = {};
            TTTOOLINFOA tool{};
            tool.cbSize = sizeof tool;
            tool.hwnd = s->control;
            tool.uId = reinterpret_cast<UINT_PTR>(s->shift);
            tool.lpszText = text;
            ::SendMessageA(window, TTM_GETTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
            if (text[0] != '\0') {
                s->text = text;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    EXPECT_EQ(search.text, "Hotkey includes the Shift Key");
}

TEST_F(HotKeyControlFixture, DisablingTakesTheBoxesAndTheList) {
    control.SetEnabled(false);
    EXPECT_FALSE(::IsWindowEnabled(Part(CHotKeyControl::kShift)));
    EXPECT_FALSE(::IsWindowEnabled(Part(CHotKeyControl::kKey)));
    control.SetEnabled(true);
    EXPECT_TRUE(::IsWindowEnabled(Part(CHotKeyControl::kCtrl)));
}

} // namespace
} // namespace kiv::win32
