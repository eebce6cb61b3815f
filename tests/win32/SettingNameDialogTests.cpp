// The modal dialog's keys on the real "Setting Name" dialog, typed while it
// runs its own message loop.
#include "dialogs/win32/frmSettingName.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace kiv::win32 {
namespace {

struct KeyMessage {
    UINT message;
    WPARAM key;
    LPARAM flags;
};
// What the timer types once the dialog has the focus.
std::vector<KeyMessage> gKeys;
bool gUnanswered = false;

void CALLBACK GiveUp(HWND, UINT, UINT_PTR, DWORD) {
    gUnanswered = true;
    ::PostMessageA(::FindWindowA("frmSettingName", "Setting Name"), WM_CLOSE, 0, 0);
}

void CALLBACK TypeIntoDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = ::FindWindowA("frmSettingName", "Setting Name");
    HWND focus = ::GetFocus();
    if (dialog == nullptr || focus == nullptr || !::IsChild(dialog, focus)) {
        return;
    }
    ::KillTimer(nullptr, timer);
    for (const KeyMessage& key : gKeys) {
        ::PostMessageA(focus, key.message, key.key, key.flags);
    }
}

std::optional<std::string> AskTyping(std::vector<KeyMessage> keys) {
    gKeys = std::move(keys);
    gUnanswered = false;
    const UINT_PTR typing = ::SetTimer(nullptr, 0, 20, &TypeIntoDialog);
    const UINT_PTR giveUp = ::SetTimer(nullptr, 0, 5000, &GiveUp);
    std::optional<std::string> answer = frmSettingName::Ask(nullptr, "Player");
    ::KillTimer(nullptr, typing);
    ::KillTimer(nullptr, giveUp);
    return gUnanswered ? "(still open)" : answer;
}

TEST(SettingNameDialogKeys, EnterEscAndAccessKeysPressTheirButtons) {
    constexpr LPARAM kAltDown = 1 << 29;
    const KeyMessage enter{WM_KEYDOWN, VK_RETURN, 0};
    const KeyMessage tab{WM_KEYDOWN, VK_TAB, 0};
    EXPECT_EQ(AskTyping({enter}), "Player");
    EXPECT_EQ(AskTyping({{WM_KEYDOWN, VK_ESCAPE, 0}}), std::nullopt);
    EXPECT_EQ(AskTyping({{WM_SYSCHAR, 'c', kAltDown}}), std::nullopt);
    EXPECT_EQ(AskTyping({{WM_CHAR, 'X', 0}, {WM_SYSCHAR, 'o', kAltDown}}), "X");
    // Enter presses the focused button: Tab, Tab reaches Cancel.
    EXPECT_EQ(AskTyping({tab, tab, enter}), std::nullopt);
}

} // namespace
} // namespace kiv::win32
