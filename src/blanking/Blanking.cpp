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

BlankStrips ComputeBlankStrips(const Rect& window, Size screen, const BlankMargins& margins,
                               const CWindowSetting& setting) {
    BlankStrips strips;
    strips.left = CheckedAdd32(CheckedAdd32(window.left, margins.side), setting.BlankingPadLeft);
    strips.right = RoundToInt32(
        static_cast<double>(screen.width) - static_cast<double>(window.right) +
        static_cast<double>(margins.side) + static_cast<double>(setting.BlankingPadRight));
    strips.top = CheckedAdd32(CheckedAdd32(CheckedAdd32(window.top, margins.frame), margins.title),
                              setting.BlankingPadTop);
    strips.bottom = RoundToInt32(
        static_cast<double>(screen.height) - static_cast<double>(window.bottom) +
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
        UpdateScreenSize();
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
            mTaskbar.HideTaskbar();
        } else if (!mTaskbar.IsTaskBarVisible()) {
            mTaskbar.UnhideTaskbar();
        }
    });
}

void CBlanking::SetLeftBlankPixels(int32_t pixels) {
    TrapErrors(mReporter, "LeftBlankPixels", [&] {
        // Measured here too: the left strip is set first, and after a display
        // change the screen measured last is the old one.
        UpdateScreenSize();
        mStrips.left = pixels < 1 ? 0 : pixels;
        if (mBlankingOn) {
            Window(kLeft).Move(0, 0, mStrips.left, mScreen.height);
        }
    });
}

void CBlanking::SetTopBlankPixels(int32_t pixels) {
    TrapErrors(mReporter, "TopBlankPixels", [&] {
        UpdateScreenSize();
        mStrips.top = pixels < 1 ? 0 : pixels;
        if (mBlankingOn) {
            Window(kTop).Move(0, 0, mScreen.width, mStrips.top);
        }
    });
}

void CBlanking::SetRightBlankPixels(int32_t pixels) {
    TrapErrors(mReporter, "RightBlankPixels", [&] {
        UpdateScreenSize();
        mStrips.right = pixels < 1 ? 0 : pixels;
        if (mBlankingOn) {
            Window(kRight).Move(CheckedSubtract32(mScreen.width, mStrips.right), 0, mStrips.right,
                                mScreen.height);
        }
    });
}

void CBlanking::SetBottomBlankPixels(int32_t pixels) {
    TrapErrors(mReporter, "BottomBlankPixels", [&] {
        UpdateScreenSize();
        // The taskbar's edge stays covered even when the window reaches the bottom.
        mStrips.bottom = pixels <= mOptions.TaskBarMargin ? mOptions.TaskBarMargin : pixels;
        if (mBlankingOn) {
            Window(kBottom).Move(0, CheckedSubtract32(mScreen.height, mStrips.bottom),
                                 mScreen.width, mStrips.bottom);
        }
    });
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
        mTaskbar.HideTaskbar();
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

void CBlanking::UpdateScreenSize() {
    mScreen = mPlatform.ScreenSize();
}

} // namespace kiv
