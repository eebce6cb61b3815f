#pragma once

#include "platform/Desktop.h"
#include "platform/MessagePump.h"
#include "platform/SupportLibraries.h"
#include "store/Options.h"
#include "store/WindowSetting.h"

#include <string>

namespace kiv {

// The size limit the window-size hook gets: never below the size of the
// display that shows the setting unless the options name the dimensions to
// assume.
Rect SizeLimitRect(const COptions& options, Size screen, int32_t settingWidth,
                   int32_t settingHeight);

// What placement asks of the main window around it.
class IPlacementListener {
public:
    virtual ~IPlacementListener() = default;
    virtual void SetCheckerEnabled(bool enabled) = 0;
    // The window was just placed: the blanking around it follows.
    virtual void AdjustBlanking() = 0;
};

// Puts the controlled window where the current setting says, remembers where
// it put it, and keeps the window-size hook in step with the setting.
class CWindowPlacement {
public:
    CWindowPlacement(IDesktop& desktop, IWindowSizeLibrary& sizeLibrary, IMessagePump& pump,
                     const COptions& options, IPlacementListener& listener)
        : mDesktop(desktop), mSizeLibrary(sizeLibrary), mPump(pump), mOptions(options),
          mListener(listener) {}

    // Finds the window anew, moves it and records it; a nested call while a
    // placement runs is dropped. A window that does not answer is not moved
    // now and nothing is recorded, as for a window not found. Raises
    // Overflow, after the move, when the setting's far edges leave the
    // 32-bit range.
    void AdjustWindow(const CWindowSetting* current);

    // Removes any window-size hook and, for the window `windowClass` finds,
    // installs one sized for `current`.
    void StartWindowHook(std::string_view windowClass, const CWindowSetting* current);
    // Removes the hook. Raises File not found when the library is missing.
    void StopWindowHook();
    // The support file the last hook's installation lacked; "" when none did.
    const std::string& MissingHookHelper() const noexcept { return mMissingHookHelper; }
    // True when the hook is in place for the window `windowClass` finds, with
    // the limit `current` asks for: installing it again would change nothing.
    bool WindowHookInPlace(std::string_view windowClass, const CWindowSetting* current);

    // The window the last placement moved (0 when none) and where it put it.
    WindowHandle AppHwnd() const noexcept { return mAppHwnd; }
    const Rect& AppRect() const noexcept { return mAppRect; }
    // Why the last placement left the window it found elsewhere, if it did:
    // the system refused the move, or the window stayed elsewhere (Refused);
    // the window did not answer and was not moved (NoAnswer); no display shows
    // the setting and the window was left where it is (NoDisplay).
    enum class MoveTrouble { None, Refused, NoAnswer, NoDisplay };
    MoveTrouble LastMoveTrouble() const noexcept { return mTrouble; }

    enum class CheckResult { InPlace, Moved, Gone };
    // What the lock watchdog sees of the last placed window.
    CheckResult CheckPlacedWindow();

private:
    IDesktop& mDesktop;
    IWindowSizeLibrary& mSizeLibrary;
    IMessagePump& mPump;
    const COptions& mOptions;
    IPlacementListener& mListener;

    Rect HookLimit(const CWindowSetting* current);
    bool CornerIsAt(WindowHandle window, int32_t left, int32_t top);

    WindowHandle mAppHwnd = 0;
    Rect mAppRect;
    MoveTrouble mTrouble = MoveTrouble::None;
    std::string mMissingHookHelper;
    // Where the window-size hook was last installed, while it is.
    struct HookedWindow {
        WindowHandle window = 0;
        uint32_t thread = 0;
        Rect limit;
    };
    std::optional<HookedWindow> mHooked;
    bool mAdjustBusy = false;
    bool mHookBusy = false;
};

} // namespace kiv
