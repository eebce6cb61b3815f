#pragma once

#include "app/MainView.h"
#include "app/WindowPosValue.h"
#include "platform/Desktop.h"
#include "platform/MessagePump.h"
#include "platform/SupportLibraries.h"
#include "util/RuntimeError.h"
#include "util/Strings.h"

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kiv::test {

// Top-level windows of other programs, front to back, with the desktop's
// rules: whole names, letters compared without regard to case, front-most
// match wins.
class FakeDesktop : public IDesktop {
public:
    struct Window {
        WindowHandle handle;
        std::string className;
        std::string caption;
        Rect rect;
        uint32_t thread = 77;
    };

    WindowHandle Open(std::string className, std::string caption, Rect rect = {0, 0, 640, 480}) {
        WindowHandle handle = mNextHandle++;
        windows.insert(windows.begin(), {handle, std::move(className), std::move(caption), rect});
        return handle;
    }
    void Close(WindowHandle handle) {
        std::erase_if(windows, [&](const Window& w) { return w.handle == handle; });
    }
    Window* Find(WindowHandle handle) {
        auto it = std::find_if(windows.begin(), windows.end(),
                               [&](const Window& w) { return w.handle == handle; });
        return it == windows.end() ? nullptr : &*it;
    }

    WindowHandle FindTopLevelWindow(const std::optional<std::string>& className,
                                    const std::optional<std::string>& caption) override {
        ++findCalls;
        if (onFind) {
            onFind();
        }
        for (const Window& w : windows) {
            if ((!className || EqualsIgnoreCase(w.className, *className)) &&
                (!caption || EqualsIgnoreCase(w.caption, *caption))) {
                return w.handle;
            }
        }
        return 0;
    }
    void MoveWindow(WindowHandle window, int32_t left, int32_t top, int32_t width,
                    int32_t height) override {
        moves.push_back({window, {left, top, width, height}});
        if (Window* w = Find(window)) {
            w->rect = {left, top, static_cast<int32_t>(int64_t{left} + width),
                       static_cast<int32_t>(int64_t{top} + height)};
        }
        if (onMove) {
            onMove();
        }
    }
    std::optional<Rect> WindowRect(WindowHandle window) override {
        if (Window* w = Find(window)) {
            return w->rect;
        }
        return std::nullopt;
    }
    bool IsWindow(WindowHandle window) override { return Find(window) != nullptr; }
    uint32_t WindowThreadId(WindowHandle window) override {
        Window* w = Find(window);
        return w ? w->thread : 0;
    }
    Size PrimaryScreenSize() override { return screen; }

    struct Move {
        WindowHandle window;
        Rect leftTopWidthHeight;
    };
    std::vector<Window> windows;
    std::vector<Move> moves;
    std::function<void()> onMove;
    std::function<void()> onFind; // runs before each search
    Size screen{1024, 768};
    int findCalls = 0;

private:
    WindowHandle mNextHandle = 0x1000;
};

class FakeSizeLibrary : public IWindowSizeLibrary {
public:
    bool SetHook(uint32_t threadId, WindowHandle window, const Rect& limit) override {
        if (missing) {
            Raise(ErrorNumber::FileNotFound);
        }
        hooks.push_back({threadId, window, limit});
        return succeeds;
    }
    void RemoveHook() override {
        if (missing) {
            Raise(ErrorNumber::FileNotFound);
        }
        ++removals;
    }
    struct Hook {
        uint32_t thread;
        WindowHandle window;
        Rect limit;
    };
    std::vector<Hook> hooks;
    int removals = 0;
    bool succeeds = true;
    bool missing = false;
};

class FakeKeyboardLibrary : public IKeyboardLibrary {
public:
    void SetKeyHook(WindowHandle window, std::span<const int32_t> codes) override {
        Check();
        keyHooks.push_back({window, std::vector<int32_t>(codes.begin(), codes.end())});
    }
    void SetMediaHook(WindowHandle window) override {
        Check();
        mediaHooks.push_back(window);
    }
    void SetMouseHook(WindowHandle window) override {
        Check();
        mouseHooks.push_back(window);
    }
    void AllowPCFriendly(bool suppress) override {
        Check();
        pcFriendly.push_back(suppress);
    }
    struct KeyHook {
        WindowHandle window;
        std::vector<int32_t> codes;
    };
    std::vector<KeyHook> keyHooks;
    std::vector<WindowHandle> mediaHooks;
    std::vector<WindowHandle> mouseHooks;
    std::vector<bool> pcFriendly;
    bool missing = false;

private:
    void Check() const {
        if (missing) {
            Raise(ErrorNumber::FileNotFound);
        }
    }
};

class FakePump : public IMessagePump {
public:
    void TakeOneMessage() override { ++messagesTaken; }
    void DoEvents() override {
        ++eventPasses;
        if (onEvents) {
            onEvents();
        }
    }
    int messagesTaken = 0;
    int eventPasses = 0;
    std::function<void()> onEvents;
};

// A hot key editor's controls. `onShow` runs after every change a Show* call
// makes, as a real control's click handling would if showing fired it.
class FakeHotKeyFrame : public IHotKeyEditorView {
public:
    void AddKeyListItem(std::string_view text, int32_t keyCode) override {
        keys.push_back({std::string(text), keyCode});
    }
    bool IsShiftChecked() const override { return shift; }
    bool IsCtrlChecked() const override { return ctrl; }
    int32_t KeyListIndex() const override { return keyIndex; }
    void ShowShiftChecked(bool checked) override { Changed(shift, checked); }
    void ShowCtrlChecked(bool checked) override { Changed(ctrl, checked); }
    void ShowKeyListIndex(int32_t index) override { Changed(keyIndex, index); }
    void ShowHotKeyText(std::string_view shown) override { text = shown; }

    struct Key {
        std::string text;
        int32_t code;
    };
    std::vector<Key> keys;
    bool shift = false;
    bool ctrl = false;
    int32_t keyIndex = -1;
    std::string text;
    std::function<void()> onShow;

private:
    template <typename T> void Changed(T& field, T value) {
        if (field != value) {
            field = value;
            if (onShow) {
                onShow();
            }
        }
    }
};

// The main window as the controller sees it, with a sorted list like the real
// combo box.
class FakeMainView : public IMainView {
public:
    WindowHandle Handle() const override { return 0x42; }
    void ClearSettingList() override {
        entries.clear();
        listIndex = -1;
    }
    int32_t AddSettingListItem(std::string_view text, int32_t itemData) override {
        auto it = std::upper_bound(entries.begin(), entries.end(), std::string(text),
                                   [](const std::string& t, const Entry& e) {
                                       return ToUpperAscii(t) < ToUpperAscii(e.text);
                                   });
        auto inserted = entries.insert(it, {std::string(text), itemData});
        return static_cast<int32_t>(inserted - entries.begin());
    }
    int32_t SettingListCount() const override { return static_cast<int32_t>(entries.size()); }
    int32_t SettingListItemData(int32_t index) const override {
        return entries.at(static_cast<size_t>(index)).data;
    }
    std::string SettingListText(int32_t index) const override {
        return entries.at(static_cast<size_t>(index)).text;
    }
    int32_t FindSettingListText(std::string_view text) const override {
        for (size_t i = 0; i < entries.size(); ++i) {
            if (EqualsIgnoreCase(entries[i].text, text)) {
                return static_cast<int32_t>(i);
            }
        }
        return -1;
    }
    int32_t SettingListIndex() const override { return listIndex; }
    void ShowSettingListIndex(int32_t index) override { listIndex = index; }
    void SetCaption(std::string_view text) override { caption = text; }
    void ShowSetting(const CWindowSetting& setting) override {
        shown = setting;
        ShowApplicationName(setting.ApplicationName);
        ShowPosition(setting);
    }
    bool IsLockPositionChecked() const override { return lockChecked; }
    void ShowLockPositionChecked(bool checked) override { lockChecked = checked; }
    void SetTimerEnabled(MainTimer timer, bool enabled) override { timers[timer] = enabled; }
    // Orbiting and blanking pages, with the WindowPos control's value rules.
    std::string WindowPosValue(WindowPosControl control) override;
    void ShowWindowPosValue(WindowPosControl control, std::string_view value) override;
    std::string OrbitText(OrbitTextBox box) const override {
        auto it = orbitTexts.find(box);
        return it == orbitTexts.end() ? std::string() : it->second;
    }
    void ShowOrbitText(OrbitTextBox box, std::string_view text) override {
        orbitTexts[box] = std::string(text);
    }
    bool IsBlankingOnChecked() const override { return blankingChecked; }
    void ShowBlankingOnChecked(bool checked) override { blankingChecked = checked; }
    bool IsOrbitingOnChecked() const override { return orbitingChecked; }
    // Setting commands, position controls, hot key frame, menus and tray.
    std::optional<std::string> AskSettingName(std::string_view initialText) override {
        askedNames.emplace_back(initialText);
        if (nameAnswers.empty()) {
            return std::nullopt;
        }
        std::optional<std::string> answer = nameAnswers.front();
        nameAnswers.erase(nameAnswers.begin());
        return answer;
    }
    void SetCommandEnabled(MainCommand command, bool on) override {
        enabled[command] = on;
        enableCalls.push_back({command, on});
    }
    void FocusGetWindowInfo() override { ++getWindowInfoFocused; }
    void ShowApplicationName(std::string_view name) override { applicationName = name; }
    void ShowPosition(const CWindowSetting& setting) override {
        positionLabels = {std::to_string(setting.WindowLeft), std::to_string(setting.WindowTop),
                          std::to_string(setting.WindowWidth),
                          std::to_string(setting.WindowHeight)};
    }
    void SetupTabPages(bool initialize, std::string_view key) override {
        tabPages.push_back({initialize, std::string(key)});
    }
    void SetToolTips() override { ++toolTipsSet; }
    IHotKeyEditorView& HotKeyFrame() override { return hotKeyFrame; }
    std::string PositionLabelText(PositionLabel label) const override {
        return positionLabels[static_cast<size_t>(label)];
    }
    void BeginPositionEdit(PositionLabel label, std::string_view text) override {
        editing = label;
        editText = text;
    }
    void EndPositionEdit(PositionLabel label, std::string_view labelCaption) override {
        editing.reset();
        positionLabels[static_cast<size_t>(label)] = labelCaption;
    }
    void MoveFocusToNextControl() override {
        ++focusMoves;
        if (onFocusMove) {
            onFocusMove();
        }
    }
    void ShowSettingMenus(const AspectMenuState& shownMenus) override {
        menus = shownMenus;
        ++menusShown;
    }
    int32_t ShowPopupMenu(MainPopup popup, std::optional<ScreenPoint> at) override {
        popups.push_back({popup, at});
        return popupChoice;
    }
    bool AddTrayIcon() override {
        ++trayAdds;
        trayIcon = true;
        return true;
    }
    bool DeleteTrayIcon() override {
        ++trayDeletes;
        trayIcon = false;
        return true;
    }
    void SetMainWindowVisible(bool visible) override { mainVisible = visible; }
    void BringMainWindowToFront() override { ++broughtToFront; }
    void UnloadMainWindow() override { ++unloads; }
    void ShowHelpContents(std::string_view helpFile) override { helpShown = helpFile; }
    bool OpenDocument(std::string_view path) override {
        openedDocuments.emplace_back(path);
        return openSucceeds;
    }
    bool Enabled(MainCommand command) const {
        auto it = enabled.find(command);
        return it != enabled.end() && it->second;
    }
    void ShowAsStartMode(int32_t startMode) override { shownAs = startMode; }
    void EndProgramNow() override { ended = true; }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Entry& e : entries) {
            texts.push_back(e.text);
        }
        return texts;
    }
    bool TimerOn(MainTimer timer) const {
        auto it = timers.find(timer);
        return it != timers.end() && it->second;
    }

    struct Entry {
        std::string text;
        int32_t data;
    };
    std::vector<Entry> entries;
    int32_t listIndex = -1;
    std::string caption = "KIV";
    CWindowSetting shown;
    bool lockChecked = false;
    std::map<MainTimer, bool> timers;
    std::map<WindowPosControl, std::string> windowPosTexts;
    std::map<OrbitTextBox, std::string> orbitTexts;
    bool blankingChecked = false;
    bool orbitingChecked = false;
    // Setting commands, position controls, hot key frame, menus and tray.
    struct EnableCall {
        MainCommand command;
        bool enabled;
    };
    struct TabSetup {
        bool initialize;
        std::string key;
    };
    struct Popup {
        MainPopup popup;
        std::optional<ScreenPoint> at;
    };
    std::vector<std::optional<std::string>> nameAnswers; // what the name dialog answers, in turn
    std::vector<std::string> askedNames;                 // the texts it was opened with
    std::map<MainCommand, bool> enabled;
    std::vector<EnableCall> enableCalls;
    int getWindowInfoFocused = 0;
    std::string applicationName;
    std::array<std::string, 4> positionLabels{"0", "0", "0", "0"};
    std::vector<TabSetup> tabPages;
    int toolTipsSet = 0;
    FakeHotKeyFrame hotKeyFrame;
    std::optional<PositionLabel> editing;
    std::string editText;
    int focusMoves = 0;
    std::function<void()> onFocusMove;
    AspectMenuState menus;
    int menusShown = 0;
    std::vector<Popup> popups;
    int32_t popupChoice = -1;
    int trayAdds = 0;
    int trayDeletes = 0;
    bool trayIcon = false;
    std::optional<bool> mainVisible;
    int broughtToFront = 0;
    int unloads = 0;
    std::string helpShown;
    std::vector<std::string> openedDocuments;
    bool openSucceeds = true;
    int32_t shownAs = -99;
    bool ended = false;
};

inline std::string FakeMainView::WindowPosValue(WindowPosControl control) {
    return WindowPosReadValue(windowPosTexts[control]);
}

inline void FakeMainView::ShowWindowPosValue(WindowPosControl control, std::string_view value) {
    if (WindowPosTakesValue(value)) {
        windowPosTexts[control] = std::string(value);
    }
}

} // namespace kiv::test
