#pragma once

#include "app/MainView.h"
#include "platform/Desktop.h"
#include "platform/MessagePump.h"
#include "platform/SupportLibraries.h"
#include "util/RuntimeError.h"
#include "util/Strings.h"

#include <algorithm>
#include <functional>
#include <map>
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
    void ShowSetting(const CWindowSetting& setting) override { shown = setting; }
    bool IsLockPositionChecked() const override { return lockChecked; }
    void ShowLockPositionChecked(bool checked) override { lockChecked = checked; }
    void SetTimerEnabled(MainTimer timer, bool enabled) override { timers[timer] = enabled; }
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
    int32_t shownAs = -99;
    bool ended = false;
};

} // namespace kiv::test
