#pragma once

#include "blanking/BlankWindowState.h"
#include "blanking/BlankingPlatform.h"
#include "platform/Geometry.h"

#include <memory>
#include <vector>

namespace kiv::test {

// Blank windows and a taskbar that keep what is done to them, on a 1024 x 768
// screen with an 18-pixel caption and a 4-pixel frame.
class FakeBlankingPlatform : public IBlankingPlatform {
public:
    struct WindowState {
        bool onTop = false;
        bool visible = false;
        Rect ltwh; // left, top, width, height
        IBlankWindowEvents* events = nullptr;
    };

    class FakeTaskbar : public ITaskbarWindow {
    public:
        bool IsVisible() override { return visible; }
        void Hide() override {
            visible = !carriesOut;
            ++hides;
        }
        void Show() override {
            visible = true;
            ++shows;
        }
        bool visible = true;
        bool carriesOut = true; // false: a shell that has not got to a hide yet
        int hides = 0;
        int shows = 0;
    };

    std::unique_ptr<IBlankWindow> CreateBlankWindow(IBlankWindowEvents& events) override {
        windows.push_back(std::make_shared<WindowState>());
        windows.back()->events = &events;
        return std::make_unique<Window>(windows.back());
    }
    Size ScreenSize() override { return screen; }
    int32_t CaptionHeight() override { return 18; }
    int32_t FrameHeight() override { return 4; }
    ITaskbarWindow& Taskbar() override { return taskbar; }

    Size screen{1024, 768};
    // Left, top, right, bottom, as the controller makes them.
    WindowState& Strip(size_t index) { return *windows.at(index); }

    std::vector<std::shared_ptr<WindowState>> windows;
    FakeTaskbar taskbar;

private:
    class Window : public IBlankWindow {
    public:
        explicit Window(std::shared_ptr<WindowState> state) : mState(std::move(state)) {}
        void SetOnTop(bool onTop) override { mState->onTop = onTop; }
        void SetVisible(bool visible) override { mState->visible = visible; }
        void Move(int32_t left, int32_t top, int32_t width, int32_t height) override {
            mState->ltwh = {left, top, width, height};
        }
        void Animate() override {}

    private:
        std::shared_ptr<WindowState> mState;
    };
};

// A blank window's surface: the fades started and the colours painted.
class FakeBlankSurface : public IBlankWindowSurface {
public:
    void ShowPointer(bool) override {}
    void SetPointerTimer(bool) override {}
    void SetFadeTimer(bool enabled) override { fadeStarts += enabled ? 1 : 0; }
    void SetBackground(uint32_t colour) override { backgrounds.push_back(colour); }

    int fadeStarts = 0;
    std::vector<uint32_t> backgrounds;
};

} // namespace kiv::test
