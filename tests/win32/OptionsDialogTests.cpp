// The real "KIV Options" dialog driven through its controls while it runs
// its own message loop: what Save writes, and what Exit leaves.
#include "dialogs/win32/frmOptions.h"
#include "hotkeys/win32/HotKeyControl.h"
#include "support/TestSupport.h"
#include "support/Win32TestSupport.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace kiv::win32 {
namespace {

using O = frmOptions;
std::function<void(HWND)> gActions;

HWND Dialog() {
    return ::FindWindowA("frmOptions", "KIV Options");
}

void CALLBACK ActOnDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    if (Dialog() != nullptr && ::IsWindowVisible(Dialog())) {
        ::KillTimer(nullptr, timer);
        gActions(Dialog());
    }
}

// Closes every window the test's thread still shows: the dialog and any box it opened.
void CALLBACK GiveUp(HWND, UINT, UINT_PTR, DWORD) {
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM) {
            ::PostMessageA(window, WM_CLOSE, 0, 0);
            return TRUE;
        },
        0);
}

// Opens the dialog, runs `actions` on it once it shows, and returns when it has closed.
void RunDialog(const OptionsDialogInput& input, std::function<void(HWND)> actions) {
    gActions = std::move(actions);
    const UINT_PTR act = ::SetTimer(nullptr, 0, 20, &ActOnDialog);
    const UINT_PTR giveUp = ::SetTimer(nullptr, 0, 5000, &GiveUp);
    frmOptions::Show(nullptr, input);
    ::KillTimer(nullptr, act);
    ::KillTimer(nullptr, giveUp);
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
    ::PostMessageA(test::FindControl(Dialog(), frmOptions::cmdSave), BM_CLICK, 0, 0);
}

// A key or a click for a control, queued as input is: the dialog's loop
// takes it in turn, dialog keys included.
void Key(HWND control, UINT message, WPARAM key) {
    ::PostMessageA(control, message, key, 0);
}
void Click(HWND button) {
    ::PostMessageA(button, BM_CLICK, 0, 0);
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

TEST_F(OptionsDialogWiring, SaveWritesEveryKeyInOrderWithTheAssignedHotKeyAndExitKeepsThem) {
    RunDialog(input, [](HWND dialog) {
        Click(test::FindControl(dialog, O::chkShowTrayIcon));
        Key(test::FindControl(dialog, O::cboPlayListDefaultSetting), WM_CHAR, 'L');
        Key(test::FindControl(dialog, O::cboFeature), WM_CHAR, 'M'); // "Move application up"
        HWND editor = test::FindControl(dialog, O::hkFeature);
        Click(::GetDlgItem(editor, CHotKeyControl::kShift));
        HWND keys = ::GetDlgItem(editor, CHotKeyControl::kKey);
        Key(keys, WM_CHAR, 'F'); // F1, then down to F3
        Key(keys, WM_KEYDOWN, VK_DOWN);
        Key(keys, WM_KEYDOWN, VK_DOWN);
        Click(test::FindControl(dialog, O::cmdSave));
    });
    EXPECT_EQ(IniFile(), "[KIV]\r\nSubClassWindowSize=1\r\nGlobalKeyHook=1\r\n"
                         "SpecifyDimensions=0\r\nAssumedHeight=0\r\nAssumedWidth=0\r\n"
                         "TaskBarMargin=3\r\nTitleBarMargin=-1\r\nSideMargin=-1\r\nDrive=D\r\n"
                         "PlayListAutoSelect=1\r\nPlayListAutoAdd=0\r\n"
                         "PlayListDefaultSetting=Letterbox\r\nDisableDVDRomContent=1\r\n"
                         "AutoMouseHide=1\r\nShowTrayIcon=0\r\nLaunchApplication=\r\n"
                         "WindowStartMode=0\r\nUseCaptionNotClass=0\r\nHotKeySetFocusApp=\r\n"
                         "HotKeySetFocusKIV=\r\nHotKeyMoveUp=10114\r\nHotKeyMoveDown=\r\n"
                         "HotKeyMoveLeft=\r\nHotKeyMoveRight=\r\nHotKeyExpand=\r\n"
                         "HotKeyShrink=\r\nHotKeySave=\r\nHotKeyReapplyCurrent=\r\n");
    EXPECT_TRUE(disabledContent);

    // Esc leaves through Exit: the changes go with the dialog.
    const std::string saved = IniFile();
    RunDialog(input, [](HWND dialog) {
        Click(test::FindControl(dialog, O::chkAutoMouseHide));
        Key(test::FindControl(dialog, O::cboFeature), WM_CHAR, 'M');
        HWND editor = test::FindControl(dialog, O::hkFeature);
        Key(::GetDlgItem(editor, CHotKeyControl::kKey), WM_CHAR, 'N'); // "None"
        Key(test::FindControl(dialog, O::txtSideMargin), WM_KEYDOWN, VK_ESCAPE);
    });
    EXPECT_EQ(IniFile(), saved);
    EXPECT_TRUE(options.AutoMouseHide);
    EXPECT_EQ(options.HotKeyMoveUp, "10114");
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(OptionsDialogWiring, TheProgramToLaunchIsChosenInTheOpenDialog) {
    gProgramToPick = (dir.Path() / "player.exe").string();
    test::WriteBytes(gProgramToPick, "MZ");
    RunDialog(input, [](HWND dialog) {
        ::SetTimer(nullptr, 0, 20, &PickProgram);
        Click(test::FindControl(dialog, O::cmdGetLaunchProgram));
    });
    EXPECT_NE(IniFile().find("\r\nLaunchApplication=" + gProgramToPick + "\r\n"), std::string::npos)
        << IniFile();
    EXPECT_EQ(OpenDialog(), nullptr);
}

// The pages the keys chose: Alt+H, then Ctrl+Tab, then Ctrl+PgDn round to the first.
std::vector<LRESULT> gPagesChosen;
void CALLBACK NoteTabAndExit(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    HWND tab = test::FindControl(Dialog(), O::tabOptions);
    gPagesChosen.push_back(::SendMessageA(tab, TCM_GETCURSEL, 0, 0));
    BYTE keys[256] = {};
    ::SetKeyboardState(keys);
    Click(test::FindControl(Dialog(), O::cmdExit));
}

// The access keys of the tabs and of every control on any page, upper-cased.
std::string gAccessKeys;
void NoteAccessKey(const std::string& caption) {
    const size_t amp = caption.find('&');
    if (amp != std::string::npos && amp + 1 < caption.size() && caption[amp + 1] != '&') {
        gAccessKeys += static_cast<char>(::toupper(static_cast<unsigned char>(caption[amp + 1])));
    }
}

TEST_F(OptionsDialogWiring, TheKeysTurnThePages) {
    gPagesChosen.clear();
    gAccessKeys.clear();
    RunDialog(input, [](HWND dialog) {
        HWND tab = test::FindControl(dialog, O::tabOptions);
        for (int i = 0; i < ::SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0); ++i) {
            char text[64] = {};
            TCITEMA item{TCIF_TEXT, 0, 0, text, sizeof text, 0, 0};
            ::SendMessageA(tab, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
            NoteAccessKey(text);
        }
        ::EnumChildWindows(
            dialog,
            [](HWND child, LPARAM) {
                char kind[32] = {};
                ::GetClassNameA(child, kind, sizeof kind);
                const bool prefixed = (::GetWindowLongA(child, GWL_STYLE) & SS_NOPREFIX) == 0;
                if (std::string(kind) == "Button" || (std::string(kind) == "Static" && prefixed)) {
                    NoteAccessKey(test::TextOf(child));
                }
                return TRUE;
            },
            0);
        ::SendMessageA(dialog, WM_MENUCHAR, MAKEWPARAM('h', MF_SYSMENU), 0); // no menu bar
        gPagesChosen.push_back(::SendMessageA(tab, TCM_GETCURSEL, 0, 0));
        BYTE keys[256] = {};
        keys[VK_CONTROL] = 0x80;
        ::SetKeyboardState(keys);
        Key(tab, WM_KEYDOWN, VK_TAB);
        Key(tab, WM_KEYDOWN, VK_NEXT);
        ::SetTimer(nullptr, 0, 50, &NoteTabAndExit);
    });
    EXPECT_EQ(gPagesChosen, (std::vector<LRESULT>{3, 0}));
    std::string sorted = gAccessKeys;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end())
        << "an access key taken twice: " << sorted;
}

// What the dialog shows once a Save has been pressed, then Exit.
struct AfterSave {
    bool open = false;
    bool trayIconChecked = true;
};
AfterSave gAfterSave;
void CALLBACK NoteAfterSaveAndExit(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    HWND dialog = Dialog();
    gAfterSave.open = dialog != nullptr && ::IsWindowVisible(dialog);
    gAfterSave.trayIconChecked = ::SendMessageA(test::FindControl(dialog, O::chkShowTrayIcon),
                                                BM_GETCHECK, 0, 0) == BST_CHECKED;
    Click(test::FindControl(dialog, O::cmdExit));
}

TEST_F(OptionsDialogWiring, ASaveThatCannotWriteTheFileSaysSoAndKeepsTheDialogOpen) {
    const std::string before = "[KIV]\r\nShowTrayIcon=1\r\n";
    test::WriteBytes(options.INIFilePath, before);
    ASSERT_TRUE(::SetFileAttributesA(options.INIFilePath.c_str(), FILE_ATTRIBUTE_READONLY));
    gAfterSave = {};
    RunDialog(input, [](HWND dialog) {
        Click(test::FindControl(dialog, O::chkShowTrayIcon));
        Click(test::FindControl(dialog, O::cmdSave));
        ::SetTimer(nullptr, 0, 50, &NoteAfterSaveAndExit);
    });
    ::SetFileAttributesA(options.INIFilePath.c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0].title, "SaveSettings");
    EXPECT_EQ(reporter.messages[0].text, "Error: 75. Path/File access error");
    EXPECT_TRUE(gAfterSave.open);
    EXPECT_FALSE(gAfterSave.trayIconChecked); // the user's value, still shown
    EXPECT_EQ(IniFile(), before);
    EXPECT_TRUE(options.ShowTrayIcon); // the program goes on with what its file holds
    EXPECT_FALSE(disabledContent);
}

} // namespace
} // namespace kiv::win32
