#pragma once

#include "platform/Geometry.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace kiv {

// What a blank window tells its controller.
class IBlankWindowEvents {
public:
    virtual ~IBlankWindowEvents() = default;
    // A key went down while the window had the focus: the key code and the
    // shift bits (1 Shift, 2 Ctrl, 4 Alt), both passed on unchanged.
    virtual void BlankingFormKeyDown(int16_t& keyCode, int16_t& shift) = 0;
    // A mouse button came up over the window: 1 left, 2 right, 4 middle, at a
    // point of the screen.
    virtual void BlankingFormMouseUp(int16_t button, int32_t screenX, int32_t screenY) = 0;
};

// One black strip of the screen. Geometry is in screen pixels.
class IBlankWindow {
public:
    virtual ~IBlankWindow() = default;
    virtual void SetOnTop(bool onTop) = 0;
    // Showing never takes the focus from the program that has it.
    virtual void SetVisible(bool visible) = 0;
    virtual void Move(int32_t left, int32_t top, int32_t width, int32_t height) = 0;
    // Runs the fade once; a call while a fade runs does nothing.
    virtual void Animate() = 0;
};

// The shell's taskbars: the primary display's and, where the system shows a
// taskbar on every display, one on each of the others. Hide and Show only ask
// the shell, which may carry the request out later; neither waits for it.
class ITaskbarWindows {
public:
    struct Bar {
        WindowHandle handle = 0;
        Rect area;
    };
    virtual ~ITaskbarWindows() = default;
    // The primary display's taskbar first; none when the shell has none.
    virtual std::vector<Bar> Taskbars() = 0;
    virtual bool IsVisible(WindowHandle bar) = 0;
    virtual void Hide(WindowHandle bar) = 0;
    virtual void Show(WindowHandle bar) = 0;
};

// What blanking asks of the operating system.
class IBlankingPlatform {
public:
    virtual ~IBlankingPlatform() = default;
    // A new blank window, hidden, reporting to `events`.
    virtual std::unique_ptr<IBlankWindow> CreateBlankWindow(IBlankWindowEvents& events) = 0;
    // The system's caption height and sizing-frame thickness in pixels.
    virtual int32_t CaptionHeight() = 0;
    virtual int32_t FrameHeight() = 0;
    virtual ITaskbarWindows& Taskbar() = 0;
};

} // namespace kiv
