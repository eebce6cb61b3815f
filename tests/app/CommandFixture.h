#pragma once

// A controller over doubles with a settings file of the test's choosing, for
// the tests of the main window's commands.
#include "app/MainController.h"
#include "store/WindowSettings.h"
#include "support/Doubles.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace kiv::test {

struct CommandFixture : ::testing::Test {
    TempDir dir;
    RecordingReporter reporter;
    FakeDesktop desktop;
    FakeSizeLibrary sizeLibrary;
    FakeKeyboardLibrary keyboardLibrary;
    FakePump pump;
    FakeMainView view;
    COptions options{reporter};
    CPlayList playList{reporter};
    std::string appPath = (dir.Path() / "").string();
    CMainController controller{view,
                               Platform{desktop, sizeLibrary, keyboardLibrary, pump, reporter},
                               options, playList, appPath};

    std::string DataFile() const { return appPath + "KIV.dat"; }
    std::string DataText() const { return ReadBytes(DataFile()); }

    void WriteSettings(std::initializer_list<CWindowSetting> settings) {
        std::string text;
        for (const CWindowSetting& s : settings) {
            text += SettingLine(s) + "\r\n";
        }
        WriteBytes(DataFile(), text);
    }

    // A setting of application "Player" found by `locator`, at left, top, width, height.
    static CWindowSetting PlacedSetting(std::string name, std::string locator, Rect ltwh) {
        CWindowSetting s;
        s.SettingName = std::move(name);
        s.WindowClass = std::move(locator);
        s.ApplicationName = "Player";
        s.WindowLeft = ltwh.left;
        s.WindowTop = ltwh.top;
        s.WindowWidth = ltwh.right;
        s.WindowHeight = ltwh.bottom;
        return s;
    }
    // A setting for the player window (class "Player") at left, top, width, height.
    static CWindowSetting Setting(std::string name, Rect ltwh, std::string hotKey = "") {
        CWindowSetting s = PlacedSetting(std::move(name), "Class:Player", ltwh);
        s.HotKey = std::move(hotKey);
        return s;
    }

    void Select(std::string_view name) {
        int32_t index = view.FindSettingListText(name);
        ASSERT_GE(index, 0) << name;
        controller.SetListIndex(index);
    }
    CWindowSetting& Current() { return const_cast<CWindowSetting&>(*controller.CurrentSetting()); }
    const CWindowSetting& Stored(std::string_view name) {
        for (const CWindowSettings::Pointer& s : controller.Settings()) {
            if (s->SettingName == name) {
                return *s;
            }
        }
        throw std::runtime_error("no setting " + std::string(name));
    }
    // The window's rectangle after the last move, as left, top, width, height.
    Rect LastMove() const { return desktop.moves.back().leftTopWidthHeight; }
};

} // namespace kiv::test
