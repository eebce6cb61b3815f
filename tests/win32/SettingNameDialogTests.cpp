// The modal dialog's keys and placement on the real "Setting Name" dialog,
// typed while it runs its own message loop.
#include "dialogs/win32/frmSettingName.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace kiv::win32 {
namespace {

// What the timer types once the dialog has the focus, and where it saw the dialog.
std::vector<MSG> gKeys;
RECT gDialogRect{};
bool gUnanswered = false;

HWND Dialog() {
    return ::FindWindowA("frmSettingName", "Setting Name");
}

void CALLBACK TypeIntoDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND focus = ::GetFocus();
    if (Dialog() != nullptr && focus != nullptr && ::IsChild(Dialog(), focus)) {
        ::KillTimer(nullptr, timer);
        ::GetWindowRect(Dialog(), &gDialogRect);
        for (const MSG& key : gKeys) {
            ::PostMessageA(focus, key.message, key.wParam, key.lParam);
        }
    }
}

void CALLBACK GiveUp(HWND, UINT, UINT_PTR, DWORD) {
    gUnanswered = true;
    ::PostMessageA(Dialog(), WM_CLOSE, 0, 0);
}

std::optional<std::string> AskTyping(std::vector<MSG> keys) {
    gKeys = std::move(keys);
    gUnanswered = false;
    const UINT_PTR typing = ::SetTimer(nullptr, 0, 20, &TypeIntoDialog);
    const UINT_PTR giveUp = ::SetTimer(nullptr, 0, 5000, &GiveUp);
    std::optional<std::string> answer = frmSettingName::Ask(nullptr, "Player");
    ::KillTimer(nullptr, typing);
    ::KillTimer(nullptr, giveUp);
    return gUnanswered ? "(still open)" : answer;
}

MSG Key(UINT message, WPARAM key, LPARAM flags = 0) {
    return MSG{nullptr, message, key, flags, 0, {}};
}

TEST(SettingNameDialog, CentredAndEnterEscAndAccessKeysPressTheirButtons) {
    constexpr LPARAM kAltDown = 1 << 29;
    const MSG enter = Key(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(AskTyping({enter}), "Player");
    EXPECT_EQ(gDialogRect.left + gDialogRect.right, ::GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(AskTyping({Key(WM_KEYDOWN, VK_ESCAPE)}), std::nullopt);
    EXPECT_EQ(AskTyping({Key(WM_SYSCHAR, 'c', kAltDown)}), std::nullopt);
    EXPECT_EQ(AskTyping({Key(WM_CHAR, 'X'), Key(WM_SYSCHAR, 'o', kAltDown)}), "X");
    // Enter presses the focused button: Tab, Tab reaches Cancel.
    EXPECT_EQ(AskTyping({Key(WM_KEYDOWN, VK_TAB), Key(WM_KEYDOWN, VK_TAB), enter}), std::nullopt);
}

} // namespace
} // namespace kiv::win32
