#pragma once

// The main controller over doubles of its views and of the operating system,
// with a settings file of the test's choosing.
#include "app/MainController.h"
#include "placement/WindowPosValue.h"
#include "playlist/PlayListWindow.h"
#include "support/BlankingDoubles.h"
#include "support/Doubles.h"
#include "support/PlayListDoubles.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <limits>
#include <map>
#include <string>
#include <vector>

namespace kiv::test {

// One display as large as 32 bits allow: every setting, however absurd, is on it.
inline constexpr Rect kHugestDisplay{
    std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::min(),
    std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max()};

// The main window's own view: the sorted setting list carrying item data like
// the real combo box, the caption, the commands' states and the menus.
struct FakeMainWindow : IMainView, ISettingCommandsView, IMenuView {
    WindowHandle Handle() const override { return 0x42; }
    void ClearSettingList() override {
        entries.clear();
        listIndex = -1;
    }
    int32_t AddSettingListItem(std::string_view text, int32_t itemData) override {
        if (listFails) {
            Raise(ErrorNumber::OutOfMemory);
        }
        auto at = std::upper_bound(
            entries.begin(), entries.end(), ToUpperAscii(text),
            [](const std::string& upper, const auto& e) { return upper < ToUpperAscii(e.first); });
        return static_cast<int32_t>(entries.insert(at, {std::string(text), itemData}) -
                                    entries.begin());
    }
    int32_t SettingListCount() const override { return static_cast<int32_t>(entries.size()); }
    int32_t SettingListItemData(int32_t index) const override {
        return entries.at(static_cast<size_t>(index)).second;
    }
    std::string SettingListText(int32_t index) const override {
        return entries.at(static_cast<size_t>(index)).first;
    }
    int32_t FindSettingListText(std::string_view text) const override {
        auto it = std::find_if(entries.begin(), entries.end(),
                               [&](const auto& e) { return EqualsIgnoreCase(e.first, text); });
        return it == entries.end() ? -1 : static_cast<int32_t>(it - entries.begin());
    }
    int32_t SettingListIndex() const override { return listIndex; }
    void ShowSettingListIndex(int32_t index) override { listIndex = index; }
    void SetCaption(std::string_view text) override { captions.emplace_back(caption = text); }
    void ShowSetting(const CWindowSetting& setting) override {
        applicationName = setting.ApplicationName;
    }
    void SetCheckerEnabled(bool enabled) override { checker = enabled; }
    void SetupTabPages(bool, std::string_view) override {}
    void SetToolTips() override {}
    void ShowAsStartMode(int32_t) override {}
    void EndProgramNow() override {}
    void CancelModalWindows() override { ++cancels; }
    void SetCurrentDvdLabel(std::string_view text) override { dvdLabel = text; }
    void ShowAddingNotice(std::string_view message, std::optional<Rect> display) override {
        notices.emplace_back(message);
        noticeDisplays.push_back(display);
    }
    // ISettingCommandsView
    void SetCommandEnabled(MainCommand command, bool enabled) override {
        commands[command] = enabled;
    }
    void FocusGetWindowInfo() override {}
    void ShowApplicationName(std::string_view name) override { applicationName = name; }
    std::string ApplicationNameShown() const override { return applicationName; }
    // IMenuView
    void ShowSettingMenus(const AspectMenuState& shown) override { menus = shown; }
    int32_t ShowPopupMenu(MainPopup, std::optional<ScreenPoint>) override { return popupChoice; }
    bool AddTrayIcon() override { return true; }
    bool DeleteTrayIcon() override { return true; }
    void SetMainWindowVisible(bool visible) override { mainVisible = visible; }
    void BringMainWindowToFront() override {}
    void UnloadMainWindow() override {}
    void ShowHelpContents(std::string_view helpFile) override { opened = helpFile; }
    bool OpenDocument(std::string_view path) override {
        opened = path;
        return true;
    }

    std::vector<std::pair<std::string, int32_t>> entries; // text and item data
    int32_t listIndex = -1;
    bool listFails = false;
    std::string caption;
    std::vector<std::string> captions;
    bool checker = false;
    int cancels = 0;
    std::string dvdLabel = "untouched";
    std::vector<std::string> notices;
    std::vector<std::optional<Rect>> noticeDisplays;
    std::map<MainCommand, bool> commands;
    std::string applicationName = "untouched";
    AspectMenuState menus;
    int32_t popupChoice = -1;
    std::string opened;
    bool mainVisible = true;
};

// The "Window Position" page.
struct FakePositionView : IPositionView {
    void ShowPosition(const CWindowSetting& s) override {
        labels = {std::to_string(s.WindowLeft), std::to_string(s.WindowTop),
                  std::to_string(s.WindowWidth), std::to_string(s.WindowHeight)};
    }
    void ShowDisplay(std::string_view text) override { display = text; }
    std::string display;
    bool IsLockPositionChecked() const override { return lockChecked; }
    void ShowLockPositionChecked(bool checked) override { lockChecked = checked; }
    std::string PositionLabelText(PositionLabel label) const override {
        return labels[static_cast<size_t>(label)];
    }
    bool ChoosePositionEdit() override { return true; }
    void BeginPositionEdit(PositionLabel, std::string_view) override {}
    void EndPositionEdit(PositionLabel label, std::string_view shown) override {
        labels[static_cast<size_t>(label)] = shown;
    }
    void MoveFocusToNextControl() override {}
    void SetRepeaterEnabled(bool enabled) override { repeater = enabled; }

    std::array<std::string, 4> labels;
    bool lockChecked = false;
    bool repeater = false;
};

// The "Orbiting" and "Blanking" pages, with the WindowPos control's value rules.
struct FakeOrbitingView : IOrbitingView {
    std::string RangeValue(OrbitRange range) override { return WindowPosReadValue(ranges[range]); }
    void ShowRangeValue(OrbitRange range, std::string_view value) override {
        if (WindowPosTakesValue(value)) {
            ranges[range] = value;
        }
    }
    std::string OrbitText(OrbitTextBox box) const override {
        return texts[static_cast<size_t>(box)];
    }
    void ShowOrbitText(OrbitTextBox box, std::string_view text) override {
        texts[static_cast<size_t>(box)] = text;
    }
    bool IsOrbitingOnChecked() const override { return checked; }
    void SetOrbitTimerEnabled(bool enabled) override { timer = enabled; }
    void SetTestOrbitTimerEnabled(bool enabled) override { testTimer = enabled; }

    std::map<OrbitRange, std::string> ranges;
    std::array<std::string, 2> texts;
    bool checked = false;
    bool timer = false;
    bool testTimer = false;
};
struct FakeBlankingView : IBlankingView {
    std::string PadValue(BlankPad pad) override { return WindowPosReadValue(pads[pad]); }
    void ShowPadValue(BlankPad pad, std::string_view value) override {
        if (WindowPosTakesValue(value)) {
            pads[pad] = value;
        }
    }
    bool IsBlankingOnChecked() const override { return checked; }
    void ShowBlankingOnChecked(bool on) override { checked = on; }

    std::map<BlankPad, std::string> pads;
    bool checked = false;
};

// The dialogs; `whileOpen` runs in each, for what arrives meanwhile.
struct FakeDialogs : IDialogs {
    std::optional<std::string> AskSettingName(std::string_view) override {
        Open();
        return nameAnswer;
    }
    void ShowOptions(const OptionsDialogInput& input) override {
        Open();
        optionsAnswer(input);
    }
    bool ShowPlayList(CPlayListWindow& window) override {
        Open();
        return playListUser ? playListUser(window) : false;
    }
    std::optional<ApplicationChoice> SelectApplication(std::string_view appName,
                                                       bool useCaption) override {
        Open();
        wizardOpened = std::string(appName) + (useCaption ? " (caption)" : " (class)");
        return wizardAnswer;
    }
    void ShowAbout() override { Open(); }
    void Open() { RunHook(whileOpen); }

    std::optional<std::string> nameAnswer;
    // What the user does in the options dialog.
    std::function<void(const OptionsDialogInput&)> optionsAnswer = [](const auto&) {};
    // What the user does in the play list window; true for Select.
    std::function<bool(CPlayListWindow&)> playListUser;
    std::string wizardOpened;
    std::optional<ApplicationChoice> wizardAnswer;
    std::function<void()> whileOpen;
};

// The operating system doubled, and the stores a controller starts from, in
// a folder of their own.
struct FakeSystem {
    TempDir dir;
    RecordingReporter reporter;
    FakeDesktop desktop;
    FakeSizeLibrary sizeLibrary;
    FakeKeyboardLibrary keyboardLibrary;
    FakePump pump;
    FakeBlankingPlatform blanking;
    FakeDvdSystem dvd;
    // Closing the main window writes where it was into the options file.
    COptions options{reporter, (dir.Path() / "").string()};
    CPlayList playList{reporter};
    std::string appPath = (dir.Path() / "").string();
    Platform System() {
        return {desktop, sizeLibrary, keyboardLibrary, pump, reporter, blanking, dvd, dvd, dvd};
    }
};

struct ControllerFixture : ::testing::Test, FakeSystem {
    FakeMainWindow view;
    FakePositionView position;
    FakeOrbitingView orbiting;
    FakeBlankingView blankingPage;
    FakeHotKeyFrame hotKeyFrame;
    FakeDialogs dialogs;
    CMainController controller{
        {view, position, orbiting, blankingPage, hotKeyFrame, view, view, dialogs},
        System(),
        options,
        playList,
        appPath,
        appPath};
    WindowHandle player = desktop.Open("Player", "");

    std::string DataFile() const { return appPath + "KIV.dat"; }
    // A setting for the player window at left, top, width, height.
    static CWindowSetting Setting(std::string name, Rect ltwh, std::string hotKey = "") {
        return {.SettingName = std::move(name),
                .WindowClass = "Class:Player",
                .WindowLeft = ltwh.left,
                .WindowTop = ltwh.top,
                .WindowHeight = ltwh.bottom,
                .WindowWidth = ltwh.right,
                .HotKey = std::move(hotKey),
                .ApplicationName = {},
                .ItemKey = {}};
    }
    // Starts from these settings, with the one named `selected`, if any, chosen.
    void Load(const std::vector<CWindowSetting>& settings, std::string_view selected = {}) {
        std::string text;
        for (const CWindowSetting& s : settings) {
            text += SettingLine(s) + "\r\n";
        }
        WriteBytes(DataFile(), text);
        ASSERT_TRUE(controller.Form_Load(""));
        if (!selected.empty()) {
            Select(selected);
        }
    }
    void Select(std::string_view name) { controller.SetListIndex(view.FindSettingListText(name)); }
    CWindowSetting& Current() { return *controller.CurrentSetting(); }
    Rect PlayerRect() { return desktop.Find(player)->rect; }
    Rect Strip(size_t index) { return blanking.Strip(index).ltwh; }
    // The messages shown since the last look; each test looks at the end too.
    Texts Reports() { return reporter.Take(); }
    void TearDown() override { EXPECT_EQ(Reports(), Texts{}) << "shown and not expected"; }
};

} // namespace kiv::test
