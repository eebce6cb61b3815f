// The dialog keys (CDialogKeyboard in a CModalDialog) on a small real dialog
// with a tab strip, an edit box, a check box and OK and Cancel, typed while
// it runs its own message loop. Every dialog of the program has these keys;
// their own tests check only which buttons they name.
#include "platform/win32/Controls.h"
#include "platform/win32/ModalDialog.h"
#include "support/ModalDriver.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace kiv::win32 {
namespace {

enum Id { kTabs = 101, kLabel, kEdit, kCheck, kOk, kCancel };

class KeysDialog : public CModalDialog {
public:
    bool Run() { return RunModal(nullptr, ClassSpec{"KivKeysDialog"}, "Keys"); }
    size_t shownPage = 0;

private:
    bool OnCreate() override {
        HWND tabs = CreateChild(Hwnd(), WC_TABCONTROLA, "", WS_TABSTOP, kTabs);
        for (const char* caption : {"&Alpha", "&Beta", "&Gamma"}) {
            TCITEMA item{};
            item.mask = TCIF_TEXT;
            item.pszText = const_cast<char*>(caption);
            ::SendMessageA(tabs, TCM_INSERTITEMA, 99, reinterpret_cast<LPARAM>(&item));
        }
        CreateChild(Hwnd(), WC_STATICA, "&Name", SS_LEFT, kLabel);
        HWND edit = CreateChild(Hwnd(), WC_EDITA, "", WS_TABSTOP | WS_GROUP, kEdit);
        CreateChild(Hwnd(), WC_BUTTONA, "C&heck", BS_AUTOCHECKBOX | WS_TABSTOP, kCheck);
        CreateChild(Hwnd(), WC_BUTTONA, "&OK", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, kOk);
        CreateChild(Hwnd(), WC_BUTTONA, "&Cancel", BS_PUSHBUTTON | WS_TABSTOP, kCancel);
        ApplyDpi();
        Keyboard().SetButtons({kOk, kCancel});
        Keyboard().SetFirstFocus(edit);
        Keyboard().UseTabStrip(tabs, [this](size_t page) { shownPage = page; });
        HandleCommand(kOk, BN_CLICKED, [this](HWND) { EndDialog(true); });
        HandleCommand(kCancel, BN_CLICKED, [this](HWND) { EndDialog(false); });
        return true;
    }
    void Layout(const CDpiScale& scale) override {
        for (int id = kTabs; id <= kCancel; ++id) {
            ::MoveWindow(::GetDlgItem(Hwnd(), id), scale(5), scale((id - kTabs) * 28), scale(200),
                         scale(24), FALSE);
        }
        SizeFrameToClient(Hwnd(), scale, 210, 6 * 28);
    }
};

// Where the focus and the tab strip ended while the dialog stayed open, or how it closed.
struct Outcome {
    bool open;
    bool accepted;
    int focus;
    LRESULT tab;
    bool operator==(const Outcome&) const = default;
};

TEST(DialogKeyboard, TabEnterEscAccessKeysAndTheTabStripsKeysInADialogShownCentred) {
    auto key = [](WPARAM k) { return MSG{nullptr, WM_KEYDOWN, k, 0, 0, {}}; };
    auto alt = [](char c) { return MSG{nullptr, WM_SYSCHAR, WPARAM(c), 1 << 29, 0, {}}; };
    // What the menu loop asks when Alt and a key match no control: the dialog's own.
    const MSG altG{nullptr, WM_MENUCHAR, MAKEWPARAM('g', MF_SYSMENU), 0, 0, {}};
    const MSG tab = key(VK_TAB), enter = key(VK_RETURN);
    // Keys from the edit box, the first focus, with `modifiers` held.
    const struct {
        const char* what;
        std::vector<BYTE> modifiers;
        std::vector<MSG> keys;
        Outcome outcome;
    } cases[] = {
        {"Tab: the next control", {}, {tab}, {true, false, kCheck, 0}},
        {"Shift+Tab: the one before", {VK_SHIFT}, {tab}, {true, false, kTabs, 0}},
        {"Ctrl+Tab: the next page", {VK_CONTROL}, {tab}, {true, false, kEdit, 1}},
        {"Ctrl+Shift+Tab: round to the last",
         {VK_CONTROL, VK_SHIFT},
         {tab},
         {true, false, kEdit, 2}},
        {"Ctrl+PgDn twice", {VK_CONTROL}, {key(VK_NEXT), key(VK_NEXT)}, {true, false, kEdit, 2}},
        {"Ctrl+PgUp", {VK_CONTROL}, {key(VK_PRIOR)}, {true, false, kEdit, 2}},
        {"Enter: the default button", {}, {enter}, {false, true, 0, 0}},
        {"Enter on a focused button presses it", {}, {tab, tab, tab, enter}, {false, false, 0, 0}},
        {"Esc: the cancel button", {}, {key(VK_ESCAPE)}, {false, false, 0, 0}},
        {"Alt+O", {}, {alt('o')}, {false, true, 0, 0}},
        {"Alt+H: the check box", {}, {alt('h')}, {true, false, kCheck, 0}},
        {"Alt+N: the label's control", {}, {tab, alt('n')}, {true, false, kEdit, 0}},
        {"Alt+G: the tab", {}, {altG}, {true, false, kTabs, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        KeysDialog dialog;
        Outcome seen{false, false, 0, 0};
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
        if (c.outcome.open) {
            steps.push_back([&](HWND window) {
                BYTE state[256] = {};
                ::SetKeyboardState(state);
                seen = {true, false, ::GetDlgCtrlID(::GetFocus()),
                        ::SendMessageA(::GetDlgItem(window, kTabs), TCM_GETCURSEL, 0, 0)};
                ::PostMessageA(window, WM_CLOSE, 0, 0);
            });
        }
        seen.accepted = test::RunModalWith([] { return ::FindWindowA("KivKeysDialog", "Keys"); },
                                           steps, [&] { return dialog.Run(); });
        EXPECT_EQ(seen, c.outcome) << "focus " << seen.focus << ", tab " << seen.tab;
        EXPECT_EQ(dialog.shownPage, static_cast<size_t>(c.outcome.tab));
        EXPECT_EQ(shown.left + shown.right, ::GetSystemMetrics(SM_CXSCREEN));
    }
}

// Moved to a display of twice the DPI, a dialog takes the corner the system
// suggests and lays its controls out anew, in a font of twice the height.
TEST(ModalDialog, FollowsTheDpiOfItsDisplay) {
    KeysDialog dialog;
    struct Shown {
        RECT client, ok;
        LOGFONTA font;
    } at96{}, at192{};
    auto look = [](HWND window, Shown& shown) {
        HWND ok = ::GetDlgItem(window, kOk);
        ::GetClientRect(window, &shown.client);
        ::GetWindowRect(ok, &shown.ok);
        ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&shown.ok), 2);
        ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(ok, WM_GETFONT, 0, 0)),
                     sizeof shown.font, &shown.font);
    };
    RECT frame{};
    const RECT suggested{100, 50, 600, 500};
    test::RunModalWith([] { return ::FindWindowA("KivKeysDialog", "Keys"); }, {[&](HWND window) {
                           look(window, at96);
                           ::SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(192, 192),
                                          reinterpret_cast<LPARAM>(&suggested));
                           look(window, at192);
                           ::GetWindowRect(window, &frame);
                           ::PostMessageA(window, WM_CLOSE, 0, 0);
                       }},
                       [&] { return dialog.Run(); });
    // Wine draws every frame at one DPI, so only the client's width is the dialog's own.
    EXPECT_EQ(at192.client.right, 2 * at96.client.right);
    EXPECT_EQ(at192.ok.top, 2 * at96.ok.top);
    EXPECT_EQ(at192.ok.right - at192.ok.left, 2 * (at96.ok.right - at96.ok.left));
    EXPECT_GT(std::abs(at192.font.lfHeight), std::abs(at96.font.lfHeight) * 3 / 2);
    EXPECT_EQ(frame.left, suggested.left);
    EXPECT_EQ(frame.top, suggested.top);
}

} // namespace
} // namespace kiv::win32
