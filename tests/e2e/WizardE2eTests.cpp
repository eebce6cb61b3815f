// The application selection wizard and the About box end to end: kiv.exe
// beside the stand-in player, "..." pressed, cancelled once, then the player
// picked from the list with the keyboard and the settings file read back; the
// About box from the Help menu.
#include "Version.h"
#include "dialogs/win32/frmAbout.h"
#include "dialogs/win32/frmWindowSelect.h"
#include "support/KivProcess.h"

#include <gtest/gtest.h>

#include <string>

namespace kiv::e2e {
namespace {

using win32::frmWindowSelect;

// Presses "..." on KIV's main window; the wizard once it has the focus.
HWND OpenWizard(KivProcess& kiv, HWND main) {
    HWND wizard = nullptr;
    const bool opened =
        WaitUntilSteady([] { return ::GetForegroundWindow(); }, 300ms) &&
        ::GetForegroundWindow() == main && WaitForFocusIn(main) &&
        ClickAt(CentreOf(ChildWithText(main, "..."))) && PumpUntil([&] {
            wizard = FindProcessWindow(kiv.ProcessId(), "frmWindowSelect");
            return wizard != nullptr && ::GetForegroundWindow() == wizard &&
                   FocusOnThreadOf(wizard) == ::GetDlgItem(wizard, frmWindowSelect::txtAppName);
        });
    return opened ? wizard : nullptr;
}

TEST(WizardE2e, AboutShowsTheVersionThenTheWizardsCancelChangesNothingAndFinishStores) {
    PlayerProcess player;
    ASSERT_TRUE(player.Started());
    // Windows of the test's own, never listed: one owned, one hidden.
    auto popup = [](const char* caption, DWORD visible, HWND owner) {
        return win32::UniqueWindow(::CreateWindowExA(WS_EX_NOACTIVATE, "STATIC", caption,
                                                     WS_POPUP | visible, 980, 700, 40, 20, owner,
                                                     nullptr, nullptr, nullptr));
    };
    win32::UniqueWindow owner = popup("Test Owner", WS_VISIBLE, nullptr);
    win32::UniqueWindow owned = popup("Test Owned", WS_VISIBLE, owner.Get());
    win32::UniqueWindow hidden = popup("Test Hidden", 0, nullptr);
    KivFolder folder;
    CWindowSetting movie = Setting("Movie", 10, 20, 200, 150, "Test Player");
    movie.ApplicationName = "Old Name";
    folder.WriteSettings({movie});
    const std::optional<std::string> written = folder.Read("KIV.dat");
    KivProcess kiv(folder, "/S Movie");
    HWND main = kiv.WaitForMainWindow();
    ASSERT_TRUE(PumpUntil([&] { return kiv.Caption() == "KIV - Movie"; }));

    // First the About box from the Help menu, with the build's version.
    ASSERT_TRUE(main != nullptr && WaitUntilSteady([] { return ::GetForegroundWindow(); }, 300ms) &&
                ::GetForegroundWindow() == main && WaitForFocusIn(main));
    SendChord({VK_MENU}, 'H');
    ASSERT_NE(kiv.WaitForMenu(), nullptr);
    Tap('A'); // "&About..."
    HWND about = nullptr;
    ASSERT_TRUE(PumpUntil([&] {
        about = FindProcessWindow(kiv.ProcessId(), "frmAbout");
        return about != nullptr && ::GetForegroundWindow() == about;
    }));
    EXPECT_EQ(TextOf(::GetDlgItem(about, win32::frmAbout::lblVersion)),
              "Version " KIV_VERSION_TEXT);
    EXPECT_NE(::GetWindowLongPtrA(about, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    // Wine registers no System Information program.
    SendChord({VK_MENU}, 'S');
    const std::optional<MessageBoxSeen> box = kiv.WaitForMessageBox();
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->text, "System Information Is Unavailable At This Time");
    kiv.DismissMessageBox();
    EXPECT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == about; }));
    Tap(VK_ESCAPE);
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(about); }));

    HWND wizard = OpenWizard(kiv, main);
    ASSERT_NE(wizard, nullptr);
    EXPECT_FALSE(::IsWindowVisible(main));
    Tap(VK_ESCAPE);
    EXPECT_TRUE(PumpUntil([&] { return ::IsWindowVisible(main) && !::IsWindow(wizard); }));
    EXPECT_EQ(folder.Read("KIV.dat"), written);

    wizard = OpenWizard(kiv, main);
    ASSERT_NE(wizard, nullptr);
    EXPECT_EQ(TextOf(::GetDlgItem(wizard, frmWindowSelect::txtAppName)), "Old Name");
    Type("Player"); // over the selected name
    Tap(VK_RETURN);
    HWND list = ::GetDlgItem(wizard, frmWindowSelect::lstWindows);
    ASSERT_TRUE(PumpUntil([&] { return FocusOnThreadOf(wizard) == list; }));
    // Asked in the wide form: Wine hands another process's list text over in it.
    auto find = [&](UINT message, const wchar_t* text) {
        return ::SendMessageW(list, message, WPARAM(-1), reinterpret_cast<LPARAM>(text));
    };
    const LRESULT at = find(LB_FINDSTRINGEXACT, L"Test Player");
    ASSERT_NE(at, LB_ERR);
    // Never listed: the owned and the hidden window, nor any of KIV's own.
    EXPECT_EQ(find(LB_FINDSTRINGEXACT, L"Test Owned"), LB_ERR);
    EXPECT_EQ(find(LB_FINDSTRINGEXACT, L"Test Hidden"), LB_ERR);
    EXPECT_EQ(find(LB_FINDSTRING, L"KIV"), LB_ERR); // a caption that begins so
    Tap(VK_HOME);
    for (LRESULT i = at; i > 0; --i) {
        Tap(VK_DOWN);
    }
    Tap(VK_RETURN); // Finish
    EXPECT_TRUE(PumpUntil([&] {
        const std::string file = folder.Read("KIV.dat").value_or("");
        return file.rfind("S1=Movie;S2=Class:KivTestPlayer;", 0) == 0 &&
               file.find("S17=Player;") != std::string::npos;
    })) << folder.Read("KIV.dat").value_or("");
    EXPECT_TRUE(PumpUntil([&] { return ::IsWindowVisible(main) && !::IsWindow(wizard); }));
    // A close that arrives while the save waits for the window-size hook's
    // signal is taken for that signal: ask until KIV ends.
    EXPECT_TRUE(PumpUntil([&] {
        ::PostMessageA(main, WM_CLOSE, 0, 0);
        return kiv.WaitForExit(500ms);
    }));
}

} // namespace
} // namespace kiv::e2e
