#include "blanking/Blanking.h"

#include "util/Numbers.h"

namespace kiv {

BlankMargins BlankingMargins(const COptions& options, int32_t captionHeight, int32_t frameHeight) {
    BlankMargins margins;
    margins.title = options.TitleBarMargin == -1 ? captionHeight : options.TitleBarMargin;
    margins.frame = frameHeight;
    margins.side = options.SideMargin == -1 ? frameHeight : options.SideMargin;
    return margins;
}

BlankStrips ComputeBlankStrips(const Rect& window, const Rect& screen, const BlankMargins& margins,
                               const CWindowSetting& setting) {
    BlankStrips strips;
    strips.left =
        CheckedAdd32(CheckedAdd32(CheckedSubtract32(window.left, screen.left), margins.side),
                     setting.BlankingPadLeft);
    strips.right = RoundToInt32(
        static_cast<double>(screen.right) - static_cast<double>(window.right) +
        static_cast<double>(margins.side) + static_cast<double>(setting.BlankingPadRight));
    strips.top = CheckedAdd32(
        CheckedAdd32(CheckedAdd32(CheckedSubtract32(window.top, screen.top), margins.frame),
                     margins.title),
        setting.BlankingPadTop);
    strips.bottom = RoundToInt32(
        static_cast<double>(screen.bottom) - static_cast<double>(window.bottom) +
        static_cast<double>(margins.frame) + static_cast<double>(setting.BlankingPadBottom));
    return strips;
}

CBlanking::CBlanking(IBlankingPlatform& platform, CTaskbar& taskbar, const COptions& options,
                     IBlankingEvents& events, IErrorReporter& reporter)
    : mPlatform(platform), mTaskbar(taskbar), mOptions(options), mEvents(events),
      mReporter(reporter) {
    for (std::unique_ptr<IBlankWindow>& window : mWindows) {
        window = mPlatform.CreateBlankWindow(*this);
    }
    TrapErrors(mReporter, "Class_Initialize", [&] {
        for (std::unique_ptr<IBlankWindow>& window : mWindows) {
            window->SetVisible(false);
            window->Move(0, 0, 0, 0);
        }
        SetLeftBlankPixels(0);
        SetTopBlankPixels(0);
        SetRightBlankPixels(0);
        SetBottomBlankPixels(0);
    });
}

CBlanking::~CBlanking() {
    // The windows go in the order they were made.
    for (std::unique_ptr<IBlankWindow>& window : mWindows) {
        window.reset();
    }
}

void CBlanking::SetBlankingOn(bool on) {
    TrapErrors(mReporter, "BlankingOn", [&] {
        mBlankingOn = on;
        for (std::unique_ptr<IBlankWindow>& window : mWindows) {
            window->SetOnTop(on);
        }
        for (std::unique_ptr<IBlankWindow>& window : mWindows) {
            window->SetVisible(on);
        }
        if (on) {
            mTaskbar.HideTaskbar(mScreen);
        } else if (!mTaskbar.IsTaskBarVisible()) {
            mTaskbar.UnhideTaskbar();
        }
    });
}

void CBlanking::SetScreen(const Monitor& screen) {
    mScreen = screen;
}

void CBlanking::SetLeftBlankPixels(int32_t pixels) {
    SetStrip(kLeft, "LeftBlankPixels", pixels < 1 ? 0 : pixels);
}

void CBlanking::SetTopBlankPixels(int32_t pixels) {
    SetStrip(kTop, "TopBlankPixels", pixels < 1 ? 0 : pixels);
}

void CBlanking::SetRightBlankPixels(int32_t pixels) {
    SetStrip(kRight, "RightBlankPixels", pixels < 1 ? 0 : pixels);
}

void CBlanking::SetBottomBlankPixels(int32_t pixels) {
    // The taskbar's edge stays covered even when the window reaches the bottom.
    SetStrip(kBottom, "BottomBlankPixels",
             pixels <= mOptions.TaskBarMargin ? mOptions.TaskBarMargin : pixels);
}

void CBlanking::SetStrip(Strip strip, const char* title, int32_t size) {
    TrapErrors(mReporter, title, [&] {
        int32_t* const sizes[] = {&mStrips.left, &mStrips.top, &mStrips.right, &mStrips.bottom};
        *sizes[strip] = size;
        MoveStrip(strip);
    });
}

void CBlanking::MoveStrip(Strip strip) {
    if (!mBlankingOn) {
        return;
    }
    const Rect& screen = mScreen.area;
    const int32_t width = CheckedSubtract32(screen.right, screen.left);
    const int32_t height = CheckedSubtract32(screen.bottom, screen.top);
    IBlankWindow& window = *mWindows[strip];
    switch (strip) {
    case kLeft:
        window.Move(screen.left, screen.top, mStrips.left, height);
        break;
    case kTop:
        window.Move(screen.left, screen.top, width, mStrips.top);
        break;
    case kRight:
        window.Move(CheckedSubtract32(screen.right, mStrips.right), screen.top, mStrips.right,
                    height);
        break;
    case kBottom:
    case kStripCount:
        window.Move(screen.left, CheckedSubtract32(screen.bottom, mStrips.bottom), width,
                    mStrips.bottom);
        break;
    }
}

void CBlanking::BlankingToTop() {
    if (!mBlankingOn) {
        return;
    }
    for (std::unique_ptr<IBlankWindow>& window : mWindows) {
        window->SetOnTop(true);
    }
}

void CBlanking::Animate() {
    for (std::unique_ptr<IBlankWindow>& window : mWindows) {
        window->Animate();
    }
}

void CBlanking::TaskbarCreated() {
    if (mBlankingOn) {
        mTaskbar.HideTaskbar(mScreen);
    }
}

void CBlanking::BlankingFormKeyDown(int16_t& keyCode, int16_t& shift) {
    mEvents.BlankingKeyDown(keyCode, shift);
}

void CBlanking::BlankingFormMouseUp(int16_t button, int32_t screenX, int32_t screenY) {
    constexpr int16_t kRightButton = 2;
    if (button == kRightButton) {
        mEvents.BlankingContextMenu(screenX, screenY);
    }
}

} // namespace kiv
