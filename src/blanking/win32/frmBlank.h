#pragma once

#include "blanking/BlankWindowState.h"
#include "blanking/BlankingPlatform.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Window.h"

namespace kiv::win32 {

// A pointer image with every pixel transparent.
UniqueCursor CreateTransparentCursor();

// One black, borderless strip of the screen. It stays out of the taskbar and
// never takes the focus when shown or moved; the pointer over it hides 2 s
// after it last moved. Keys and mouse buttons go to its controller.
// Every change is one SetWindowPos, and only when it changes something; a
// hidden strip takes the z-order asked of it when it is shown.
class frmBlank : public CWindow, public IBlankWindow, private IBlankWindowSurface {
public:
    explicit frmBlank(IBlankWindowEvents& events) : mEvents(events) {}
    ~frmBlank() override;

    // Creates the window, hidden, at 0, 0 with no size.
    bool Load();

    // IBlankWindow
    void SetOnTop(bool onTop) override;
    void SetVisible(bool visible) override;
    void Move(int32_t left, int32_t top, int32_t width, int32_t height) override;
    void Animate() override;

private:
    enum TimerId : UINT_PTR { kPointerTimer = 1, kFadeTimer = 2 };

    bool OnTimer(UINT_PTR id) override;
    bool OnPaint(HDC dc, const PAINTSTRUCT& paint) override;
    bool OnClose() override;
    bool OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    // IBlankWindowSurface
    void ShowPointer(bool visible) override;
    void SetPointerTimer(bool enabled) override;
    void SetFadeTimer(bool enabled) override;
    void SetBackground(uint32_t colour) override;

    // Brings the window to what was last asked of it, in one call.
    void Update();
    bool ForeignWindowAbove() const;
    void Fill(HDC dc);
    void MouseUp(int16_t button, LPARAM lParam);
    HCURSOR CurrentCursor() const;

    IBlankWindowEvents& mEvents;
    CBlankWindowState mState{*this};
    UniqueCursor mTransparentCursor;
    uint32_t mBackground = kBlack;
    bool mPointerShown = true;
    // What was last asked of the window.
    RECT mRect{};
    bool mVisible = false;
    bool mOnTop = false;
    bool mZOrderPending = false;
};

} // namespace kiv::win32
