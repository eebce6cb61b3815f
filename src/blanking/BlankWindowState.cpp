#include "blanking/BlankWindowState.h"

namespace kiv {

namespace {
constexpr int16_t kFadeStep = 10;
constexpr int16_t kFadeEnd = 256;
} // namespace

void CBlankWindowState::Load() {
    mSurface.SetPointerTimer(true);
}

void CBlankWindowState::MouseMove() {
    mSurface.ShowPointer(true);
    mSurface.SetPointerTimer(true);
}

void CBlankWindowState::PointerTimer() {
    mSurface.ShowPointer(false);
    // Off until the next movement: a still pointer costs no timer.
    mSurface.SetPointerTimer(false);
}

void CBlankWindowState::Animate() {
    // Also before its first tick, while the level is still 0, a fade runs.
    if (mFading) {
        return;
    }
    mFading = true;
    mSurface.SetFadeTimer(true);
}

void CBlankWindowState::FadeTimer() {
    if (!mFading) {
        return;
    }
    mFadeLevel = static_cast<int16_t>(mFadeLevel + kFadeStep);
    if (mFadeLevel < kFadeEnd) {
        mSurface.SetBackground(GreyColour(static_cast<uint32_t>(255 - mFadeLevel)));
        return;
    }
    mFadeLevel = 0;
    mFading = false;
    mSurface.SetFadeTimer(false);
    mSurface.SetBackground(kBlack);
}

} // namespace kiv
