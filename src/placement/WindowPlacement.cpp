#include "placement/WindowPlacement.h"
#include "util/ScopeFlag.h"

#include "placement/AppWindow.h"
#include "util/Numbers.h"

#include <algorithm>

namespace kiv {

namespace {
constexpr int kEventPassesAfterHook = 100;
} // namespace

Rect SizeLimitRect(const COptions& options, Size screen, int32_t settingWidth,
                   int32_t settingHeight) {
    if (options.SpecifyDimensions) {
        return {0, 0, options.AssumedWidth, options.AssumedHeight};
    }
    return {0, 0, std::max(settingWidth, screen.width), std::max(settingHeight, screen.height)};
}

void CWindowPlacement::AdjustWindow(const CWindowSetting* current) {
    if (mAdjustBusy) {
        return;
    }
    CScopeFlag busy(mAdjustBusy);
    mListener.SetCheckerEnabled(false);
    mAppHwnd = 0;
    mAppRect = {};
    mTrouble = MoveTrouble::None;
    if (current == nullptr) {
        return;
    }
    const int32_t left = current->WindowLeft;
    const int32_t top = current->WindowTop;
    const int32_t width = current->WindowWidth;
    const int32_t height = current->WindowHeight;
    WindowHandle window = GetAppWindow(mDesktop, current->WindowClass);
    if (window == 0) {
        return;
    }
    if (!SettingMonitor(mDesktop.Monitors(), *current)) {
        // No display shows the setting (a television switched off): the window
        // stays where it is, watched as if placed there, until its display is back.
        mTrouble = MoveTrouble::NoDisplay;
        mAppHwnd = window;
        mAppRect = mDesktop.WindowRect(window).value_or(Rect{});
        mListener.AdjustBlanking();
        if (current->LockPosition != 0) {
            mListener.SetCheckerEnabled(true);
        }
        return;
    }
    // A move waits for the window's program: one that is stopped or busy is
    // left for later rather than holding KIV meanwhile.
    if (!mDesktop.WindowAnswers(window)) {
        mTrouble = MoveTrouble::NoAnswer;
        return;
    }
    if (!mDesktop.MoveWindow(window, left, top, width, height) || !CornerIsAt(window, left, top)) {
        mTrouble = MoveTrouble::Refused;
    }
    mAppHwnd = window;
    mAppRect = {left, top, CheckedAdd32(left, width), CheckedAdd32(top, height)};
    mListener.AdjustBlanking();
    if (current->LockPosition != 0) {
        mListener.SetCheckerEnabled(true);
    }
}

void CWindowPlacement::StartWindowHook(std::string_view windowClass,
                                       const CWindowSetting* current) {
    if (mHookBusy) {
        return;
    }
    CScopeFlag busy(mHookBusy);
    mMissingHookHelper.clear();
    const Rect limit = HookLimit(current);
    WindowHandle window = GetAppWindow(mDesktop, windowClass);
    if (window == 0) {
        return;
    }
    uint32_t thread = mDesktop.WindowThreadId(window);
    if (thread == 0) {
        return;
    }
    if (!mSizeLibrary.SetHook(thread, window, limit)) {
        mMissingHookHelper = mSizeLibrary.MissingHelper();
        return;
    }
    mHooked = HookedWindow{window, thread, limit};
    mPump.TakeOneMessage();
    for (int pass = 0; pass < kEventPassesAfterHook; ++pass) {
        mPump.DoEvents();
    }
}

void CWindowPlacement::StopWindowHook() {
    mHooked.reset();
    mMissingHookHelper.clear();
    mSizeLibrary.RemoveHook();
}

bool CWindowPlacement::WindowHookInPlace(std::string_view windowClass,
                                         const CWindowSetting* current) {
    if (!mHooked || current == nullptr) {
        return false;
    }
    WindowHandle window = GetAppWindow(mDesktop, windowClass);
    return window == mHooked->window && mDesktop.WindowThreadId(window) == mHooked->thread &&
           HookLimit(current) == mHooked->limit;
}

Rect CWindowPlacement::HookLimit(const CWindowSetting* current) {
    if (current == nullptr) {
        return SizeLimitRect(mOptions, mDesktop.PrimaryScreenSize(), 0, 0);
    }
    // The display that shows the setting; the primary while none does.
    const MonitorLayout monitors = mDesktop.Monitors();
    const Monitor screen = SettingMonitor(monitors, *current).value_or(PrimaryMonitor(monitors));
    return SizeLimitRect(mOptions, SizeOf(screen.area), current->WindowWidth,
                         current->WindowHeight);
}

bool CWindowPlacement::CornerIsAt(WindowHandle window, int32_t left, int32_t top) {
    // Only the corner: the screen and the player's own limits may change the
    // size of a window that did move.
    std::optional<Rect> rect = mDesktop.WindowRect(window);
    return !rect || (rect->left == left && rect->top == top);
}

CWindowPlacement::CheckResult CWindowPlacement::CheckPlacedWindow() {
    if (mAppHwnd != 0 && mDesktop.IsWindow(mAppHwnd)) {
        if (std::optional<Rect> rect = mDesktop.WindowRect(mAppHwnd)) {
            return *rect == mAppRect ? CheckResult::InPlace : CheckResult::Moved;
        }
    }
    return CheckResult::Gone;
}

} // namespace kiv
