// The real "KIV Options" dialog driven through its controls while it runs
// its own message loop: what Save writes, and what Exit leaves.
#include "dialogs/win32/frmOptions.h"
#include "hotkeys/win32/HotKeyControl.h"
#include "platform/win32/StartWithWindowsWin32.h"
#include "support/ModalDriver.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace kiv::win32 {
namespace {

using O = frmOptions;
using test::FindControl;

struct OptionsDialogWiring : ::testing::Test {
    test::TempDir dir;
    test::RecordingReporter reporter;
    COptions options{reporter};
    bool disabledContent = false;
    OptionsDialogInput input{
        options, {"4x3", "Anamorphic", "Letterbox"}, [this](bool d) { disabledContent = d; }};
    static HWND Dialog() { return ::FindWindowA("frmOptions", "KIV Options"); }
    static void Click(HWND button) { ::PostMessageA(button, BM_CLICK, 0, 0); }
    static bool Ticked(HWND box) { return ::SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void SetUp() override { options.INIFilePath = (dir.Path() / "KIV.ini").string(); }

    // Opens the dialog and runs `steps` on the window `find` gives, one after
    // the other; once it has closed, what the file holds.
    std::string Run(std::vector<test::ModalStep> steps, std::function<HWND()> find = Dialog) {
        return test::RunModalWith(std::move(find), std::move(steps), [&] {
            frmOptions::Show(nullptr, input);
            return test::ReadBytes(options.INIFilePath);
        });
    }
};

// The format of the file is the options store's; these are the keys the
// clicks changed. The hot key editor's parts are wired here, their rules are
// the portable core's (HotKeysTests). The "..." button's Open dialog is driven
// too, between two steps on the options dialog.
TEST_F(OptionsDialogWiring, SaveWritesWhatTheControlsChangedAndExitKeepsTheFileAsItWas) {
    const std::string program = (dir.Path() / "player.exe").string();
    test::WriteBytes(program, "MZ");
    const std::string saved =
        Run({[](HWND dialog) {
                 Click(FindControl(dialog, O::chkShowTrayIcon));
                 ::PostMessageA(FindControl(dialog, O::cboPlayListDefaultSetting), WM_CHAR, 'L', 0);
                 // "Move application up"
                 ::PostMessageA(FindControl(dialog, O::cboFeature), WM_CHAR, 'M', 0);
                 HWND editor = FindControl(dialog, O::hkFeature);
                 Click(::GetDlgItem(editor, CHotKeyControl::kShift));
                 HWND keys = ::GetDlgItem(editor, CHotKeyControl::kKey);
                 ::PostMessageA(keys, WM_CHAR, 'F', 0); // F1, then down to F3
                 ::PostMessageA(keys, WM_KEYDOWN, VK_DOWN, 0);
                 ::PostMessageA(keys, WM_KEYDOWN, VK_DOWN, 0);
                 Click(FindControl(dialog, O::cmdGetLaunchProgram));
             },
             [&](HWND open) {
                 for (int nameBox : {0x47C /* the name combo box */, 0x480 /* the name edit */}) {
                     ::SetDlgItemTextA(open, nameBox, program.c_str());
                 }
                 ::PostMessageA(open, WM_COMMAND, IDOK, 0);
             },
             [](HWND dialog) { Click(FindControl(dialog, O::cmdSave)); }},
            [] {
                HWND open = ::FindWindowA(nullptr, "Location Program to Launch");
                return open != nullptr ? open : Dialog();
            });
    for (const std::string& line :
         std::vector<std::string>{"ShowTrayIcon=0", "PlayListDefaultSetting=Letterbox",
                                  "HotKeyMoveUp=10114", "LaunchApplication=" + program}) {
        EXPECT_NE(saved.find("\r\n" + line + "\r\n"), std::string::npos) << line << " in " << saved;
    }
    EXPECT_TRUE(disabledContent);

    // Esc leaves through Exit: the changes go with the dialog. The feature's
    // key saved above shows on the editor's parts.
    bool shiftShown = false;
    const std::string exited =
        Run({[](HWND dialog) {
                 Click(FindControl(dialog, O::chkAutoMouseHide));
                 ::PostMessageA(FindControl(dialog, O::cboFeature), WM_CHAR, 'M', 0);
             },
             [&](HWND dialog) {
                 HWND editor = FindControl(dialog, O::hkFeature);
                 shiftShown = Ticked(::GetDlgItem(editor, CHotKeyControl::kShift));
                 // "None"
                 ::PostMessageA(::GetDlgItem(editor, CHotKeyControl::kKey), WM_KEYDOWN, VK_HOME, 0);
                 ::PostMessageA(FindControl(dialog, O::txtSideMargin), WM_KEYDOWN, VK_ESCAPE, 0);
             }});
    EXPECT_EQ(exited, saved);
    EXPECT_TRUE(shiftShown);
    EXPECT_TRUE(options.AutoMouseHide);
    EXPECT_EQ(options.HotKeyMoveUp, "10114");
    EXPECT_TRUE(reporter.messages.empty());
}

// The access key of a tab or of any control on any page, upper-cased.
void NoteAccessKey(std::string& keys, const std::string& caption) {
    const size_t amp = caption.find('&');
    if (amp != std::string::npos && amp + 1 < caption.size() && caption[amp + 1] != '&') {
        keys += static_cast<char>(::toupper(static_cast<unsigned char>(caption[amp + 1])));
    }
}

// A tab's key turning to its page is the dialog keyboard's (DialogKeyboardTests).
TEST_F(OptionsDialogWiring, EveryAccessKeyIsTakenOnce) {
    std::string keys;
    Run({[&](HWND dialog) {
        HWND tab = FindControl(dialog, O::tabOptions);
        for (int i = 0; i < ::SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0); ++i) {
            char text[64] = {};
            TCITEMA item{TCIF_TEXT, 0, 0, text, sizeof text, 0, 0};
            ::SendMessageA(tab, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
            NoteAccessKey(keys, text);
        }
        test::FindDescendant(dialog, [&](HWND child) { // accepts none: sees every control
            const std::string kind = test::ClassOf(child);
            const bool prefixed = (::GetWindowLongA(child, GWL_STYLE) & SS_NOPREFIX) == 0;
            if (kind == "Button" || (kind == "Static" && prefixed)) {
                NoteAccessKey(keys, test::TextOf(child));
            }
            return false;
        });
        Click(FindControl(dialog, O::cmdExit));
    }});
    std::ranges::sort(keys);
    EXPECT_EQ(std::ranges::adjacent_find(keys), keys.end())
        << "an access key taken twice: " << keys;
}

// The Run key itself; what the start box's state does with it is the dialog's
// rules' (DialogsTests), through the same interface.
TEST(StartWithWindowsWin32, AnEntryIsReadBackAsWrittenAndRemoved) {
    CStartWithWindowsWin32 runKey;
    const std::string mine = "\"" + runKey.ProgramPath() + "\" /S Anamorphic";
    ASSERT_TRUE(runKey.WriteEntry(mine));
    EXPECT_EQ(runKey.Entry(), mine);
    ASSERT_TRUE(runKey.RemoveEntry());
    EXPECT_EQ(runKey.Entry(), std::nullopt);
}

} // namespace
} // namespace kiv::win32
