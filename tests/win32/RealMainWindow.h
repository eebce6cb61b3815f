#pragma once

// The real frmMain under a controller whose operating system is doubled,
// shared by the window tests; and searches among a window's descendants.

#include "Win32TestSupport.h"
#include "app/MainController.h"
#include "app/frmMain.h"
#include "support/BlankingDoubles.h"
#include "support/Doubles.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace kiv::win32 {

// The first window inside `parent` (pages included) that `match` accepts.
inline HWND FindDescendant(HWND parent, const std::function<bool(HWND)>& match) {
    struct Search {
        const std::function<bool(HWND)>& match;
        HWND found = nullptr;
    } search{match};
    ::EnumChildWindows(
        parent,
        [](HWND child, LPARAM context) -> BOOL {
            auto* s = reinterpret_cast<Search*>(context);
            if (s->match(child)) {
                s->found = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

inline HWND ChildWithText(HWND parent, const char* text) {
    return FindDescendant(parent, [text](HWND child) { return TextOf(child) == text; });
}

inline HWND FindControl(HWND parent, int id) {
    return FindDescendant(parent, [id](HWND child) { return ::GetDlgCtrlID(child) == id; });
}

struct RealMainWindowFixture : ::testing::Test {
    test::TempDir dir;
    test::RecordingReporter reporter;
    test::FakeDesktop desktop;
    test::FakeSizeLibrary sizeLibrary;
    test::FakeKeyboardLibrary keyboardLibrary;
    test::FakePump pump;
    test::FakeBlankingPlatform blanking;
    COptions options{reporter};
    CPlayList playList{reporter};
    frmMain window;
    CMainController controller{
        window, Platform{desktop, sizeLibrary, keyboardLibrary, pump, reporter, &blanking}, options,
        playList, (dir.Path() / "").string()};

    // Starts the window as KIV does, but hidden and without a tray icon;
    // fixtures that need files in the folder write them first.
    void SetUp() override {
        options.WindowStartMode = 2;
        options.ShowTrayIcon = false;
        ASSERT_TRUE(window.Load(controller, nullptr, nullptr));
        ASSERT_TRUE(controller.Form_Load(""));
    }
    HWND Child(const char* text) const { return ChildWithText(window.Hwnd(), text); }
};

} // namespace kiv::win32
