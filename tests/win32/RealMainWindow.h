#pragma once

// The real frmMain under a controller whose operating system is doubled,
// shared by the window tests; and searches among a window's descendants.

#include "app/MainController.h"
#include "app/win32/frmMain.h"
#include "support/BlankingDoubles.h"
#include "support/Doubles.h"
#include "support/PlayListDoubles.h"
#include "support/TestSupport.h"
#include "support/Win32TestSupport.h"

#include <gtest/gtest.h>

namespace kiv::win32 {

using test::ChildWithText;
using test::FindControl;
using test::FindDescendant;
using test::PumpUntil;
using test::TextOf;

struct RealMainWindowFixture : ::testing::Test {
    test::TempDir dir;
    test::RecordingReporter reporter;
    test::FakeDesktop desktop;
    test::FakeSizeLibrary sizeLibrary;
    test::FakeKeyboardLibrary keyboardLibrary;
    test::FakePump pump;
    test::FakeBlankingPlatform blanking;
    // Closing the window writes where it was into the options file.
    COptions options{reporter, (dir.Path() / "").string()};
    CPlayList playList{reporter};
    test::FakeDvdSystem dvd;
    frmMain window;
    CMainController controller{
        window.Views(),
        Platform{desktop, sizeLibrary, keyboardLibrary, pump, reporter, blanking, dvd, dvd, dvd},
        options,
        playList,
        (dir.Path() / "").string(),
        (dir.Path() / "").string()};

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
