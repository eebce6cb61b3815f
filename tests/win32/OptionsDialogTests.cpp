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
#include <vector>

namespace kiv::win32 {
namespace {

using O = frmOptions;
using test::FindControl;
using test::PostClick;
using test::PostKey;

HWND Dialog() {
    return ::FindWindowA("frmOptions", "KIV Options");
}

// Opens the dialog and runs `steps` on it, one after the other; returns when it has closed.
void RunDialog(const OptionsDialogInput& input, std::vector<test::ModalStep> steps) {
    test::RunModalWith(Dialog, std::move(steps), [&] { frmOptions::Show(nullptr, input); });
}

// The Open dialog the launch program's "..." shows, while it is open.
HWND OpenDialog() {
    return ::FindWindowA(nullptr, "Location Program to Launch");
}
std::string gProgramToPick;

// Types the program's path into the Open dialog's name box and presses Open.
void CALLBACK PickProgram(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND open = OpenDialog();
    if (open == nullptr || !::IsWindowVisible(open)) {
        return;
    }
    ::KillTimer(nullptr, timer);
    for (int nameBox : {0x47C /* the name combo box */, 0x480 /* the name edit */}) {
        ::SetDlgItemTextA(open, nameBox, gProgramToPick.c_str());
    }
    ::PostMessageA(open, WM_COMMAND, IDOK, 0);
    // Queued behind Open, so the options dialog handles it once the Open dialog is done.
    PostClick(FindControl(Dialog(), frmOptions::cmdSave));
}

struct OptionsDialogWiring : ::testing::Test {
    test::TempDir dir;
    test::RecordingReporter reporter;
    COptions options{reporter};
    bool disabledContent = false;
    OptionsDialogInput input{
        options, {"4x3", "Anamorphic", "Letterbox"}, [this](bool d) { disabledContent = d; }};
    std::string IniFile() const { return test::ReadBytes(options.INIFilePath); }
    void SetUp() override { options.INIFilePath = (dir.Path() / "KIV.ini").string(); }
};

// The format of the file is the options store's; these are the keys the
// clicks changed.
TEST_F(OptionsDialogWiring, SaveWritesWhatTheControlsChangedAndExitKeepsTheFileAsItWas) {
    RunDialog(input, {[](HWND dialog) {
                  PostClick(FindControl(dialog, O::chkShowTrayIcon));
                  PostKey(FindControl(dialog, O::cboPlayListDefaultSetting), WM_CHAR, 'L');
                  PostKey(FindControl(dialog, O::cboFeature), WM_CHAR,
                          'M'); // "Move application up"
                  HWND editor = FindControl(dialog, O::hkFeature);
                  PostClick(::GetDlgItem(editor, CHotKeyControl::kShift));
                  HWND keys = ::GetDlgItem(editor, CHotKeyControl::kKey);
                  PostKey(keys, WM_CHAR, 'F'); // F1, then down to F3
                  PostKey(keys, WM_KEYDOWN, VK_DOWN);
                  PostKey(keys, WM_KEYDOWN, VK_DOWN);
                  PostClick(FindControl(dialog, O::cmdSave));
              }});
    for (const char* line : {"\r\nShowTrayIcon=0\r\n", "\r\nPlayListDefaultSetting=Letterbox\r\n",
                             "\r\nHotKeyMoveUp=10114\r\n"}) {
        EXPECT_NE(IniFile().find(line), std::string::npos) << line << " in " << IniFile();
    }
    EXPECT_TRUE(disabledContent);

    // Esc leaves through Exit: the changes go with the dialog.
    const std::string saved = IniFile();
    RunDialog(input, {[](HWND dialog) {
                  PostClick(FindControl(dialog, O::chkAutoMouseHide));
                  PostKey(FindControl(dialog, O::cboFeature), WM_CHAR, 'M');
                  HWND editor = FindControl(dialog, O::hkFeature);
                  PostKey(::GetDlgItem(editor, CHotKeyControl::kKey), WM_KEYDOWN,
                          VK_HOME); // "None"
                  PostKey(FindControl(dialog, O::txtSideMargin), WM_KEYDOWN, VK_ESCAPE);
              }});
    EXPECT_EQ(IniFile(), saved);
    EXPECT_TRUE(options.AutoMouseHide);
    EXPECT_EQ(options.HotKeyMoveUp, "10114");
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(OptionsDialogWiring, TheProgramToLaunchIsChosenInTheOpenDialog) {
    gProgramToPick = (dir.Path() / "player.exe").string();
    test::WriteBytes(gProgramToPick, "MZ");
    RunDialog(input, {[](HWND dialog) {
                  ::SetTimer(nullptr, 0, 20, &PickProgram);
                  PostClick(FindControl(dialog, O::cmdGetLaunchProgram));
              }});
    EXPECT_NE(IniFile().find("\r\nLaunchApplication=" + gProgramToPick + "\r\n"), std::string::npos)
        << IniFile();
    EXPECT_EQ(OpenDialog(), nullptr);
}

// The access key of a tab or of any control on any page, upper-cased.
void NoteAccessKey(std::string& keys, const std::string& caption) {
    const size_t amp = caption.find('&');
    if (amp != std::string::npos && amp + 1 < caption.size() && caption[amp + 1] != '&') {
        keys += static_cast<char>(::toupper(static_cast<unsigned char>(caption[amp + 1])));
    }
}

// The tab strip is the dialog keyboard's: Alt and a tab's key turns to it.
TEST_F(OptionsDialogWiring, EveryAccessKeyIsTakenOnceAndATabsTurnsToItsPage) {
    std::string keys;
    LRESULT page = -1;
    RunDialog(
        input, {[&](HWND dialog) {
            HWND tab = FindControl(dialog, O::tabOptions);
            for (int i = 0; i < ::SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0); ++i) {
                char text[64] = {};
                TCITEMA item{TCIF_TEXT, 0, 0, text, sizeof text, 0, 0};
                ::SendMessageA(tab, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
                NoteAccessKey(keys, text);
            }
            ::EnumChildWindows(
                dialog,
                [](HWND child, LPARAM found) {
                    char kind[32] = {};
                    ::GetClassNameA(child, kind, sizeof kind);
                    const bool prefixed = (::GetWindowLongA(child, GWL_STYLE) & SS_NOPREFIX) == 0;
                    if (std::string(kind) == "Button" ||
                        (std::string(kind) == "Static" && prefixed)) {
                        NoteAccessKey(*reinterpret_cast<std::string*>(found), test::TextOf(child));
                    }
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&keys));
            ::SendMessageA(dialog, WM_MENUCHAR, MAKEWPARAM('h', MF_SYSMENU), 0);
            page = ::SendMessageA(tab, TCM_GETCURSEL, 0, 0);
            PostClick(FindControl(dialog, O::cmdExit));
        }});
    EXPECT_EQ(page, 3);
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(std::adjacent_find(keys.begin(), keys.end()), keys.end())
        << "an access key taken twice: " << keys;
}

// The Run key itself: another copy's entry shows unticked and is taken over
// when ticked; this copy's shows ticked and goes when unticked.
TEST_F(OptionsDialogWiring, TheStartBoxAddsAndRemovesKivsEntryInTheRunKey) {
    CStartWithWindowsWin32 runKey;
    input.startWithWindows = &runKey;
    ASSERT_TRUE(runKey.WriteEntry("\"C:\\Elsewhere\\kiv.exe\""));
    std::vector<bool> shown;
    auto toggleAndSave = [&](HWND dialog) {
        HWND box = FindControl(dialog, O::chkStartWithWindows);
        shown.push_back(::SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED);
        PostClick(box);
        PostClick(FindControl(dialog, O::cmdSave));
    };
    RunDialog(input, {toggleAndSave});
    EXPECT_EQ(runKey.Entry(), "\"" + runKey.ProgramPath() + "\"");
    EXPECT_NE(IniFile().find("\r\nStartWithWindows=1\r\n"), std::string::npos) << IniFile();
    RunDialog(input, {toggleAndSave});
    EXPECT_EQ(runKey.Entry(), std::nullopt);
    EXPECT_NE(IniFile().find("\r\nStartWithWindows=0\r\n"), std::string::npos) << IniFile();
    EXPECT_EQ(shown, (std::vector<bool>{false, true}));
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(OptionsDialogWiring, ASaveThatCannotWriteTheFileSaysSoAndKeepsTheDialogOpen) {
    const std::string before = "[KIV]\r\nShowTrayIcon=1\r\n";
    test::WriteBytes(options.INIFilePath, before);
    ASSERT_TRUE(::SetFileAttributesA(options.INIFilePath.c_str(), FILE_ATTRIBUTE_READONLY));
    bool trayIconChecked = true;
    RunDialog(input, {[](HWND dialog) {
                          PostClick(FindControl(dialog, O::chkShowTrayIcon));
                          PostClick(FindControl(dialog, O::cmdSave));
                      },
                      [&](HWND dialog) { // still open after the save
                          trayIconChecked = ::SendMessageA(FindControl(dialog, O::chkShowTrayIcon),
                                                           BM_GETCHECK, 0, 0) == BST_CHECKED;
                          PostClick(FindControl(dialog, O::cmdExit));
                      }});
    ::SetFileAttributesA(options.INIFilePath.c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0].title, "SaveSettings");
    EXPECT_EQ(reporter.messages[0].text, "Error: 75. Path/File access error");
    EXPECT_FALSE(trayIconChecked); // the user's value, still shown
    EXPECT_EQ(IniFile(), before);
    EXPECT_TRUE(options.ShowTrayIcon); // the program goes on with what its file holds
    EXPECT_FALSE(disabledContent);
}

} // namespace
} // namespace kiv::win32
