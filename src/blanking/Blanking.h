#pragma once

#include "blanking/BlankingPlatform.h"
#include "blanking/Taskbar.h"
#include "platform/Monitors.h"
#include "store/Options.h"
#include "store/WindowSetting.h"
#include "util/ErrorReport.h"

#include <array>
#include <cstdint>
#include <memory>

namespace kiv {

// The four strip sizes in pixels.
struct BlankStrips {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    friend bool operator==(const BlankStrips&, const BlankStrips&) = default;
};

// The margins the strips reach over the controlled window's frame.
struct BlankMargins {
    int32_t title = 0; // above the window's top edge, besides the frame
    int32_t frame = 0; // the sizing frame at top and bottom
    int32_t side = 0;  // left and right
};

// The caption and side margins the options ask for: -1 means the system's size.
BlankMargins BlankingMargins(const COptions& options, int32_t captionHeight, int32_t frameHeight);

// The strips that leave only `window`'s client area uncovered on the display
// `screen`, plus the setting's pads; each is measured from that display's own
// edge. Sums are 32-bit and raise Overflow; the right and bottom sizes are
// worked out in floating point and rounded halves to even.
BlankStrips ComputeBlankStrips(const Rect& window, const Rect& screen, const BlankMargins& margins,
                               const CWindowSetting& setting);

// What the blanking controller tells the main window.
class IBlankingEvents {
public:
    virtual ~IBlankingEvents() = default;
    virtual void BlankingKeyDown(int16_t& keyCode, int16_t& shift) = 0;
    // A right click on a blanking window: the context menu at that screen point.
    virtual void BlankingContextMenu(int32_t screenX, int32_t screenY) = 0;
};

// The blanking controller: four black windows around the controlled window,
// each placed from one number of pixels, and the taskbar hidden meanwhile.
class CBlanking : private IBlankWindowEvents {
public:
    CBlanking(IBlankingPlatform& platform, CTaskbar& taskbar, const COptions& options,
              IBlankingEvents& events, IErrorReporter& reporter);
    ~CBlanking() override;
    CBlanking(const CBlanking&) = delete;
    CBlanking& operator=(const CBlanking&) = delete;

    bool BlankingOn() const noexcept { return mBlankingOn; }
    // On: the windows become topmost and visible where they last were, and the
    // taskbar of their display is hidden. Off: they are hidden and the taskbar
    // shown again.
    void SetBlankingOn(bool on);

    // The display the strips cover; set before the strips that go on it.
    void SetScreen(const Monitor& screen);

    // Sizes below 1 become 0; the bottom strip is never thinner than the
    // taskbar margin. While blanking is on each setter moves its window.
    int32_t LeftBlankPixels() const noexcept { return mStrips.left; }
    void SetLeftBlankPixels(int32_t pixels);
    int32_t TopBlankPixels() const noexcept { return mStrips.top; }
    void SetTopBlankPixels(int32_t pixels);
    int32_t RightBlankPixels() const noexcept { return mStrips.right; }
    void SetRightBlankPixels(int32_t pixels);
    int32_t BottomBlankPixels() const noexcept { return mStrips.bottom; }
    void SetBottomBlankPixels(int32_t pixels);

    // Keeps the windows above other topmost windows while blanking is on.
    void BlankingToTop();
    void Animate();
    // The shell made a new taskbar: while blanking is on it goes out of sight too.
    void TaskbarCreated();

private:
    enum Strip : size_t { kLeft, kTop, kRight, kBottom, kStripCount };

    void BlankingFormKeyDown(int16_t& keyCode, int16_t& shift) override;
    void BlankingFormMouseUp(int16_t button, int32_t screenX, int32_t screenY) override;
    // Stores a strip's size and, while blanking is on, moves its window.
    void SetStrip(Strip strip, const char* title, int32_t size);
    void MoveStrip(Strip strip);

    IBlankingPlatform& mPlatform;
    CTaskbar& mTaskbar;
    const COptions& mOptions;
    IBlankingEvents& mEvents;
    IErrorReporter& mReporter;

    bool mBlankingOn = false;
    BlankStrips mStrips;
    Monitor mScreen;
    std::array<std::unique_ptr<IBlankWindow>, kStripCount> mWindows;
};

} // namespace kiv
