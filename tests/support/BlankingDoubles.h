#pragma once

#include "blanking/BlankWindowState.h"
#include "blanking/BlankingPlatform.h"
#include "platform/Geometry.h"

#include <memory>
#include <string>
#include <vector>

namespace kiv::test {

// Blank windows and a taskbar that record what is done to them, in one log
// shared by all, so tests can check the order of the steps.
class FakeBlankingPlatform : public IBlankingPlatform {
public:
    struct WindowState {
        int index = 0;
        bool onTop = false;
        bool visible = false;
        Rect ltwh; // left, top, width, height
        int moves = 0;
        IBlankWindowEvents* events = nullptr;
    };

    class FakeTaskbar : public ITaskbarWindow {
    public:
        explicit FakeTaskbar(std::vector<std::string>& log) : mLog(log) {}
        bool IsVisible() override { return visible; }
        void Hide() override {
            visible = false;
            mLog.push_back("taskbar hide");
        }
        void Show() override {
            visible = true;
            mLog.push_back("taskbar show");
        }
        bool visible = true;

    private:
        std::vector<std::string>& mLog;
    };

    std::unique_ptr<IBlankWindow> CreateBlankWindow(IBlankWindowEvents& events) override {
        auto state = std::make_shared<WindowState>();
        state->index = static_cast<int>(windows.size());
        state->events = &events;
        windows.push_back(state);
        return std::make_unique<Window>(state, log);
    }
    Size ScreenSize() override { return screen; }
    int32_t CaptionHeight() override { return caption; }
    int32_t FrameHeight() override { return frame; }
    ITaskbarWindow& Taskbar() override { return taskbar; }

    // Left, top, right, bottom, as the controller makes them.
    WindowState& Strip(size_t index) { return *windows.at(index); }

    std::vector<std::shared_ptr<WindowState>> windows;
    std::vector<std::string> log;
    Size screen{1024, 768};
    int32_t caption = 18;
    int32_t frame = 4;
    FakeTaskbar taskbar{log};

private:
    class Window : public IBlankWindow {
    public:
        Window(std::shared_ptr<WindowState> state, std::vector<std::string>& log)
            : mState(std::move(state)), mLog(log) {}
        ~Window() override { mLog.push_back(Name() + " destroy"); }
        void SetOnTop(bool onTop) override {
            mState->onTop = onTop;
            mLog.push_back(Name() + " ontop " + std::to_string(onTop));
        }
        void SetVisible(bool visible) override {
            mState->visible = visible;
            mLog.push_back(Name() + " visible " + std::to_string(visible));
        }
        void Move(int32_t left, int32_t top, int32_t width, int32_t height) override {
            mState->ltwh = {left, top, width, height};
            ++mState->moves;
            mLog.push_back(Name() + " move " + std::to_string(left) + "," + std::to_string(top) +
                           "," + std::to_string(width) + "," + std::to_string(height));
        }
        void Animate() override { mLog.push_back(Name() + " animate"); }

    private:
        std::string Name() const { return "w" + std::to_string(mState->index); }
        std::shared_ptr<WindowState> mState;
        std::vector<std::string>& mLog;
    };
};

// A blank window's surface with its two timers on a simulated clock.
class FakeBlankSurface : public IBlankWindowSurface {
public:
    void ShowPointer(bool visible) override { pointerVisible = visible; }
    void SetPointerTimer(bool enabled) override {
        pointerDue = enabled ? now + kPointerHideMs : kNever;
    }
    void SetFadeTimer(bool enabled) override {
        fadeDue = enabled ? now + kFadeTickMs : kNever;
        if (enabled) {
            ++fadeStarts;
        }
    }
    void SetBackground(uint32_t colour) override { backgrounds.push_back(colour); }

    static constexpr uint64_t kNever = UINT64_MAX;
    uint64_t now = 0;
    uint64_t pointerDue = kNever;
    uint64_t fadeDue = kNever;
    bool pointerVisible = true;
    int fadeStarts = 0;
    std::vector<uint32_t> backgrounds;
};

} // namespace kiv::test
