// The window toolkit's modal dialog base on a real dialog ("Setting Name"):
// how it follows the DPI of its display. Its keys, and the answer they give,
// are the dialog keyboard's (DialogKeyboardTests); the hot key control is
// wired in the Options dialog (OptionsDialogTests).
#include "dialogs/win32/frmSettingName.h"
#include "support/ModalDriver.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace kiv::win32 {
namespace {

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
