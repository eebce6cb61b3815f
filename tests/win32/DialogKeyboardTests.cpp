// The dialog keys (CDialogKeyboard in a CModalDialog) typed into real
// dialogs while they run their own message loops: the "Setting Name" dialog
// for moving between controls, pressing buttons and the name they answer,
// "KIV Options" for the tab strip. Every dialog of the program has these
// keys; their own tests check only what their controls do. Last, how the
// modal dialog base follows the DPI of its display.
#include "dialogs/win32/frmOptions.h"
#include "dialogs/win32/frmSettingName.h"
#include "support/ModalDriver.h"
#include "support/TestSupport.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace kiv::win32 {
namespace {

using O = frmOptions;
using S = frmSettingName;

// A control of each options page, in the order of the tabs.
constexpr int kPageControls[] = {O::chkShowTrayIcon, O::chkPlayListAutoSelect, O::txtTaskBarMargin,
                                 O::cboFeature, O::chkAutoMouseHide};

// Where the focus and the tab strip ended while the dialog stayed open, or
// the name it answered with on closing (none: cancelled).
struct Outcome {
    std::optional<std::string> answer;
    int focus; // none: closed
    LRESULT tab;
    bool operator==(const Outcome&) const = default;
};
Outcome Open(int focus, LRESULT tab = 0) {
    return {std::nullopt, focus, tab};
}
Outcome Closed(std::optional<std::string> answer = std::nullopt) {
    return {answer, 0, 0};
}
constexpr int kStrip = O::tabOptions;

TEST(DialogKeyboard, TabEnterEscAccessKeysAndTheTabStripsKeysInADialogShownCentred) {
    test::RecordingReporter reporter;
    COptions options{reporter};
    const OptionsDialogInput input{options, {"4x3"}, {}};
    auto key = [](WPARAM k) { return MSG{nullptr, WM_KEYDOWN, k, 0, 0, {}}; };
    auto alt = [](char c) { return MSG{nullptr, WM_SYSCHAR, WPARAM(c), 1 << 29, 0, {}}; };
    // What the menu loop asks when Alt and a key match no control: the dialog's own.
    const MSG altH{nullptr, WM_MENUCHAR, MAKEWPARAM('h', MF_SYSMENU), 0, 0, {}};
    const MSG tab = key(VK_TAB), enter = key(VK_RETURN), pgDn = key(VK_NEXT);
    const MSG typeX{nullptr, WM_CHAR, 'X', 0, 0, {}};
    // Keys from the first focus, with `modifiers` held: the name box of
    // "Setting Name", or the tab strip of "KIV Options".
    const struct {
        const char* what;
        bool options;
        std::vector<BYTE> modifiers;
        std::vector<MSG> keys;
        Outcome outcome;
    } cases[] = {
        {"Tab: the next control", false, {}, {tab}, Open(S::cmdOK)},
        {"Shift+Tab: the one before", false, {VK_SHIFT}, {tab}, Open(S::cmdCancel)},
        {"Enter: the default button", false, {}, {enter}, Closed("Player")},
        {"A key typed replaces the name selected", false, {}, {typeX, enter}, Closed("X")},
        {"Enter on a focused button presses it", false, {}, {tab, tab, enter}, Closed()},
        {"Esc: the cancel button", false, {}, {key(VK_ESCAPE)}, Closed()},
        {"Alt+O: a button", false, {}, {alt('o')}, Closed("Player")},
        {"Alt+E: the label's control", false, {}, {tab, alt('e')}, Open(S::txtWindowSetting)},
        {"Ctrl+Tab: the next page", true, {VK_CONTROL}, {tab}, Open(kStrip, 1)},
        {"Ctrl+Shift+Tab: round to the last", true, {VK_CONTROL, VK_SHIFT}, {tab}, Open(kStrip, 4)},
        {"Ctrl+PgDn twice", true, {VK_CONTROL}, {pgDn, pgDn}, Open(kStrip, 2)},
        {"Ctrl+PgUp", true, {VK_CONTROL}, {key(VK_PRIOR)}, Open(kStrip, 4)},
        {"Alt+H: the tab", true, {}, {altH}, Open(kStrip, 3)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Outcome seen = Closed();
        RECT shown{};
        std::vector<test::ModalStep> steps = {[&](HWND window) {
            BYTE state[256] = {};
            for (BYTE modifier : c.modifiers) {
                state[modifier] = 0x80;
            }
            ::SetKeyboardState(state);
            ::GetWindowRect(window, &shown);
            for (const MSG& k : c.keys) { // each to the focus of the moment it arrives
                ::PostMessageA(k.message == WM_MENUCHAR ? window : ::GetFocus(), k.message,
                               k.wParam, k.lParam);
            }
        }};
        if (c.outcome.focus != 0) { // still open
            steps.push_back([&](HWND window) {
                BYTE state[256] = {};
                ::SetKeyboardState(state);
                seen = Open(::GetDlgCtrlID(::GetFocus()));
                if (c.options) { // the page of the tab selected is the one shown
                    seen.tab = ::SendMessageA(::GetDlgItem(window, kStrip), TCM_GETCURSEL, 0, 0);
                    EXPECT_TRUE(
                        ::IsWindowVisible(test::FindControl(window, kPageControls[seen.tab])));
                }
                ::PostMessageA(window, WM_CLOSE, 0, 0);
            });
        }
        auto open = [&] {
            if (!c.options) {
                return frmSettingName::Ask(nullptr, "Player");
            }
            frmOptions::Show(nullptr, input);
            return std::optional<std::string>(); // only closed here, never saved
        };
        auto find = [&] {
            return c.options ? ::FindWindowA("frmOptions", "KIV Options")
                             : ::FindWindowA("frmSettingName", "Setting Name");
        };
        seen.answer = test::RunModalWith(find, steps, open);
        EXPECT_EQ(seen, c.outcome) << "focus " << seen.focus << ", tab " << seen.tab;
        EXPECT_EQ(shown.left + shown.right, ::GetSystemMetrics(SM_CXSCREEN));
    }
}

// Moved to a display of twice the DPI, a dialog takes the corner the system
// suggests and lays its controls out anew, in a font of twice the height.
TEST(ModalDialog, FollowsTheDpiOfItsDisplay) {
    struct Shown {
        RECT frame, client, ok;
        LOGFONTA font;
    } at96{}, at192{};
    auto look = [](HWND window, Shown& shown) {
        HWND ok = ::GetDlgItem(window, frmSettingName::cmdOK);
        ::GetWindowRect(window, &shown.frame);
        ::GetClientRect(window, &shown.client);
        ::GetWindowRect(ok, &shown.ok);
        ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&shown.ok), 2);
        ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(ok, WM_GETFONT, 0, 0)),
                     sizeof shown.font, &shown.font);
    };
    const RECT suggested{100, 50, 600, 500};
    test::RunModalWith([] { return ::FindWindowA("frmSettingName", "Setting Name"); },
                       {[&](HWND window) {
                           look(window, at96);
                           ::SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(192, 192),
                                          reinterpret_cast<LPARAM>(&suggested));
                           look(window, at192);
                           ::PostMessageA(window, WM_CLOSE, 0, 0);
                       }},
                       [] { return frmSettingName::Ask(nullptr, "Player"); });
    // Wine draws every frame at one DPI, so only the client's width is the dialog's own.
    EXPECT_EQ(at192.client.right, 2 * at96.client.right);
    EXPECT_EQ(at192.ok.top, 2 * at96.ok.top);
    EXPECT_EQ(at192.ok.right - at192.ok.left, 2 * (at96.ok.right - at96.ok.left));
    EXPECT_GT(std::abs(at192.font.lfHeight), std::abs(at96.font.lfHeight) * 3 / 2);
    EXPECT_EQ(at192.frame.left, suggested.left);
    EXPECT_EQ(at192.frame.top, suggested.top);
}

} // namespace
} // namespace kiv::win32
