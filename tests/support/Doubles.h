#pragma once

#include "hotkeys/HotKeyEditor.h"
#include "platform/Desktop.h"
#include "platform/MessagePump.h"
#include "platform/SupportLibraries.h"
#include "support/TestSupport.h"
#include "util/Strings.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kiv::test {

// Top-level windows of other programs, front to back, with the desktop's
// rules: whole names, letters compared without regard to case, front-most
// match wins.
struct FakeDesktop : IDesktop {
    struct Window {
        WindowHandle handle;
        std::string className;
        std::string caption;
        Rect rect;
    };

    WindowHandle Open(std::string className, std::string caption, Rect rect = {0, 0, 640, 480}) {
        WindowHandle handle = nextHandle++;
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
        auto it = std::find_if(windows.begin(), windows.end(), [&](const Window& w) {
            return (!className || EqualsIgnoreCase(w.className, *className)) &&
                   (!caption || EqualsIgnoreCase(w.caption, *caption));
        });
        const WindowHandle found = it == windows.end() ? 0 : it->handle;
        RunHook(onFound);
        return found;
    }
    bool MoveWindow(WindowHandle window, int32_t left, int32_t top, int32_t width,
                    int32_t height) override {
        moves.push_back({window, {left, top, width, height}});
        Window* w = Find(window);
        const bool moved = w != nullptr && !refuseMoves;
        if (moved) {
            w->rect = {left, top, static_cast<int32_t>(int64_t{left} + width),
                       static_cast<int32_t>(int64_t{top} + height)};
        }
        RunHook(onMove);
        return moved;
    }
    // The windows belong to a program with more rights than KIV's.
    bool refuseMoves = false;
    bool WindowAnswers(WindowHandle) override { return !silent; }
    bool silent = false; // the windows' program is stopped
    std::optional<Rect> WindowRect(WindowHandle window) override {
        Window* w = Find(window);
        return w != nullptr ? std::optional(w->rect) : std::nullopt;
    }
    bool IsWindow(WindowHandle window) override { return Find(window) != nullptr; }
    uint32_t WindowThreadId(WindowHandle window) override { return IsWindow(window) ? 77 : 0; }
    Size PrimaryScreenSize() override { return screen; }
    Size screen{1024, 768};
    // Empty: one display, the screen above.
    MonitorLayout Monitors() override {
        return monitors.empty() ? MonitorLayout{{{0, 0, screen.width, screen.height}, true}}
                                : monitors;
    }
    MonitorLayout monitors;
    bool ForceForegroundWindow(WindowHandle window) override { return IsWindow(window); }
    std::vector<TopLevelWindow> TopLevelWindows() override {
        std::vector<TopLevelWindow> listed;
        for (const Window& w : windows) {
            listed.push_back({w.handle, w.caption, w.className, true, false});
        }
        return listed;
    }

    struct Move {
        WindowHandle window;
        Rect leftTopWidthHeight;
    };
    std::vector<Window> windows;
    std::vector<Move> moves;
    std::function<void()> onMove;
    std::function<void()> onFound; // runs after each search, before its answer is used
    WindowHandle nextHandle = 0x1000;
};

struct FakeSizeLibrary : IWindowSizeLibrary {
    bool SetHook(uint32_t /*threadId*/, WindowHandle /*window*/, const Rect& limit) override {
        limits.push_back(limit);
        return true;
    }
    void RemoveHook() override { ++removals; }
    void ReportMoves(WindowHandle window, IWindowMoveEvents* events) override {
        movesOf = window;
        moveEvents = events;
    }
    std::vector<Rect> limits; // of each hook installed
    int removals = 0;
    WindowHandle movesOf = 0;
    IWindowMoveEvents* moveEvents = nullptr;
};

struct FakeKeyboardLibrary : IKeyboardLibrary {
    void SetKeyHook(WindowHandle window, std::span<const int32_t> codes) override {
        keyHooks.push_back({window, std::vector<int32_t>(codes.begin(), codes.end())});
    }
    void SetMediaHook(WindowHandle window) override { mediaHooks.push_back(window); }
    void SetMouseHook(WindowHandle window) override { mouseHooks.push_back(window); }
    void AllowPCFriendly(bool /*suppress*/) override {}
    struct KeyHook {
        WindowHandle window;
        std::vector<int32_t> codes;
    };
    std::vector<KeyHook> keyHooks;
    std::vector<WindowHandle> mediaHooks;
    std::vector<WindowHandle> mouseHooks;
};

struct FakePump : IMessagePump {
    void TakeOneMessage() override {}
    void DoEvents() override { RunHook(onEvents); }
    std::function<void()> onEvents;
};

// A hot key editor's controls. `onShow` runs after every change a Show* call
// makes, as a real control's click handling would if showing fired it.
struct FakeHotKeyFrame : IHotKeyEditorView {
    void AddKeyListItem(std::string_view, int32_t) override {}
    bool IsShiftChecked() const override { return shift; }
    bool IsCtrlChecked() const override { return ctrl; }
    int32_t KeyListIndex() const override { return keyIndex; }
    void ShowShiftChecked(bool checked) override { Changed(shift, checked); }
    void ShowCtrlChecked(bool checked) override { Changed(ctrl, checked); }
    void ShowKeyListIndex(int32_t index) override { Changed(keyIndex, index); }
    void ShowHotKeyText(std::string_view shown) override { text = shown; }
    void ShowRefusal(std::string_view message) override { refusals.emplace_back(message); }

    bool shift = false;
    bool ctrl = false;
    int32_t keyIndex = -1;
    std::string text;
    std::vector<std::string> refusals;
    std::function<void()> onShow;
    template <typename T> void Changed(T& field, T value) {
        if (field != value) {
            field = value;
            RunHook(onShow);
        }
    }
};

} // namespace kiv::test
