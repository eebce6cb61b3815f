#pragma once

#include "blanking/BlankWindowState.h"
#include "blanking/BlankingPlatform.h"
#include "platform/Geometry.h"

#include <memory>
#include <vector>

namespace kiv::test {

// Blank windows and taskbars that keep what is done to them, with an 18-pixel
// caption and a 4-pixel frame.
struct FakeBlankingPlatform : IBlankingPlatform {
    struct WindowState {
        bool onTop = false;
        bool visible = false;
        Rect ltwh; // left, top, width, height
        IBlankWindowEvents* events = nullptr;
    };

    // The primary display's taskbar at the foot of the screen and, when a test
    // adds them, others; each handle is its index plus one.
    struct FakeTaskbar : ITaskbarWindows {
        struct FakeBar {
            Rect area;
            bool visible = true;
            int hides = 0;
            int shows = 0;
        };
        std::vector<Bar> Taskbars() override {
            std::vector<Bar> listed;
            for (size_t i = 0; i < bars.size(); ++i) {
                listed.push_back({i + 1, bars[i].area});
            }
            return listed;
        }
        bool IsVisible(WindowHandle bar) override { return bars.at(bar - 1).visible; }
        void Hide(WindowHandle bar) override {
            bars.at(bar - 1).visible = !carriesOut;
            ++bars.at(bar - 1).hides;
        }
        void Show(WindowHandle bar) override {
            bars.at(bar - 1).visible = true;
            ++bars.at(bar - 1).shows;
        }
        FakeBar& Primary() { return bars.at(0); }
        std::vector<FakeBar> bars{{{0, 738, 1024, 768}}};
        bool carriesOut = true; // false: a shell that has not got to a hide yet
    };

    std::unique_ptr<IBlankWindow> CreateBlankWindow(IBlankWindowEvents& events) override {
        windows.push_back(std::make_shared<WindowState>());
        windows.back()->events = &events;
        return std::make_unique<Window>(windows.back());
    }
    int32_t CaptionHeight() override { return 18; }
    int32_t FrameHeight() override { return 4; }
    ITaskbarWindows& Taskbar() override { return taskbar; }

    // Left, top, right, bottom, as the controller makes them.
    WindowState& Strip(size_t index) { return *windows.at(index); }

    std::vector<std::shared_ptr<WindowState>> windows;
    FakeTaskbar taskbar;

    // The controller's handle on a blank window, writing through to its state.
    struct Window : IBlankWindow {
        explicit Window(std::shared_ptr<WindowState> s) : state(std::move(s)) {}
        void SetOnTop(bool onTop) override { state->onTop = onTop; }
        void SetVisible(bool visible) override { state->visible = visible; }
        void Move(int32_t left, int32_t top, int32_t width, int32_t height) override {
            state->ltwh = {left, top, width, height};
        }
        void Animate() override {}
        std::shared_ptr<WindowState> state;
    };
};

// A blank window's surface: the fades started and the colours painted.
struct FakeBlankSurface : IBlankWindowSurface {
    void ShowPointer(bool) override {}
    void SetPointerTimer(bool) override {}
    void SetFadeTimer(bool enabled) override { fadeStarts += enabled ? 1 : 0; }
    void SetBackground(uint32_t colour) override { backgrounds.push_back(colour); }

    int fadeStarts = 0;
    std::vector<uint32_t> backgrounds;
};

} // namespace kiv::test
