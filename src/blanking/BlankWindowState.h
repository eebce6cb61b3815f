#pragma once

#include <cstdint>

namespace kiv {

inline constexpr uint32_t kPointerHideMs = 2000;
inline constexpr uint32_t kFadeTickMs = 60;

// A colour as 0x00BBGGRR.
constexpr uint32_t GreyColour(uint32_t level) {
    return level | (level << 8) | (level << 16);
}
inline constexpr uint32_t kBlack = GreyColour(0);

// What a blank window's state changes on the window itself.
class IBlankWindowSurface {
public:
    virtual ~IBlankWindowSurface() = default;
    virtual void ShowPointer(bool visible) = 0;
    // The pointer timer fires kPointerHideMs after it was (re)enabled.
    virtual void SetPointerTimer(bool enabled) = 0;
    // The fade timer fires every kFadeTickMs.
    virtual void SetFadeTimer(bool enabled) = 0;
    // Repaints the whole window in `colour` at once.
    virtual void SetBackground(uint32_t colour) = 0;
};

// The pointer over a blank window hides 2 s after the last movement and shows
// again on the next; the fade runs from light grey to black in 26 ticks.
class CBlankWindowState {
public:
    explicit CBlankWindowState(IBlankWindowSurface& surface) : mSurface(surface) {}

    // The window exists: the pointer hides 2 s from now unless it moves.
    void Load();
    void MouseMove();
    void PointerTimer();
    // Starts a fade unless one runs.
    void Animate();
    void FadeTimer();

    // 0 while no fade runs, else 10, 20, ... 250.
    int16_t FadeLevel() const noexcept { return mFadeLevel; }

private:
    IBlankWindowSurface& mSurface;
    int16_t mFadeLevel = 0;
    bool mFading = false;
};

} // namespace kiv
