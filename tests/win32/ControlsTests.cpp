// The wiring of the hot key control and the "Setting Name" dialog on real
// windows; their rules are the portable core's, the dialog's keys the dialog
// keyboard's (DialogKeyboardTests).
#include "dialogs/win32/frmSettingName.h"
#include "hotkeys/win32/HotKeyControl.h"
#include "support/ModalDriver.h"

#include "platform/win32/Controls.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace kiv::win32 {
namespace {

TEST(HotKeyControlWiring, ShowsAHotKeyOnItsPartsAndAnnouncesTheUsersChanges) {
    UniqueWindow host(::CreateWindowExA(0, WC_STATICA, "", WS_POPUP, 0, 0, 400, 200, nullptr,
                                        nullptr, ::GetModuleHandleA(nullptr), nullptr));
    CHotKeyControl control;
    ASSERT_TRUE(control.Create(host.Get(), 77, 10, 10));
    std::vector<std::string> announced;
    control.HotKeyChanged = [&](const std::string& text) { announced.push_back(text); };
    auto part = [&](int id) { return ::GetDlgItem(control.Hwnd(), id); };

    control.SetHotKey("1165");
    EXPECT_EQ(::SendMessageA(part(CHotKeyControl::kShift), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(WindowText(part(CHotKeyControl::kHotKey)), "Shift-Ctrl-A");
    ::SendMessageA(part(CHotKeyControl::kShift), BM_CLICK, 0, 0);
    HWND list = part(CHotKeyControl::kKey);
    const LRESULT none = ::SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                        reinterpret_cast<LPARAM>("None"));
    ::SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(none), 0);
    ::SendMessageA(control.Hwnd(), WM_COMMAND, MAKEWPARAM(CHotKeyControl::kKey, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(list));
    EXPECT_EQ(WindowText(part(CHotKeyControl::kHotKey)), "(None)");
    EXPECT_EQ(announced, (std::vector<std::string>{"1165", "0165", ""}));
}

std::optional<std::string> AskTyping(std::vector<MSG> keys) {
    return test::RunModalWith([] { return ::FindWindowA("frmSettingName", "Setting Name"); },
                              {[keys](HWND) {
                                  for (const MSG& key : keys) {
                                      ::PostMessageA(::GetFocus(), key.message, key.wParam, 0);
                                  }
                              }},
                              [] { return frmSettingName::Ask(nullptr, "Player"); });
}

TEST(SettingNameDialog, EnterAnswersWithTheNameShownOrTypedAndEscCancels) {
    const MSG enter{nullptr, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_EQ(AskTyping({enter}), "Player");
    EXPECT_EQ(AskTyping({{nullptr, WM_CHAR, 'X', 0, 0, {}}, enter}), "X"); // over the selection
    EXPECT_EQ(AskTyping({{nullptr, WM_KEYDOWN, VK_ESCAPE, 0, 0, {}}}), std::nullopt);
}

} // namespace
} // namespace kiv::win32
