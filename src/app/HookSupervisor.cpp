#include "app/HookSupervisor.h"
#include "util/ErrorReport.h"

#include "util/RuntimeError.h"

namespace kiv {

namespace {
constexpr std::string_view kSizeLibraryName = "KIVUtil.dll";
constexpr std::string_view kKeyboardLibraryName = "KIVKbd.dll";
} // namespace

bool CHookSupervisor::StopWindowHook() {
    return RemoveHook([&] { mPlacement.StopWindowHook(); }, kSizeLibraryName);
}

bool CHookSupervisor::SetKeyHookOff() {
    return RemoveHook([&] { mKeyHooks.SetKeyHookOff(); }, kKeyboardLibraryName);
}

bool CHookSupervisor::RemoveHook(const std::function<void()>& remove,
                                 std::string_view libraryName) {
    try {
        remove();
    } catch (const CRuntimeError& error) {
        if (error.Number() == ErrorNumber::FileNotFound) {
            return ReportMissingLibrary(libraryName);
        }
    } catch (...) {
        // Any other failure of a removal is of no consequence.
        LogCurrentError("CHookSupervisor::RemoveHook");
    }
    return true;
}

void CHookSupervisor::StartSessionHooks(WindowHandle mainWindow, const CWindowSettings& settings) {
    mMainWindow = mainWindow;
    if (mOptions.GlobalKeyHook) {
        mKeyHooks.SetKeyHookOn(mainWindow, settings, mOptions);
    }
    mKeyHooks.SetMediaHookOn(mainWindow);
    mKeyHooks.DisableDVDRomContent(mOptions.DisableDVDRomContent);
}

void CHookSupervisor::StopAll() {
    // Leaving anyway: nothing more to do for a library that is gone.
    if (mOptions.SubClassWindowSize) {
        try {
            mPlacement.StopWindowHook();
        } catch (...) {
            LogCurrentError("CHookSupervisor::StopAll");
        }
    }
    if (mOptions.GlobalKeyHook) {
        try {
            mKeyHooks.SetKeyHookOff();
        } catch (...) {
            LogCurrentError("CHookSupervisor::StopAll");
        }
    }
    mKeyHooks.SetMediaHookOff();
    mKeyHooks.StopMouseHook();
    mKeyHooks.DisableDVDRomContent(false);
}

bool CHookSupervisor::RestartKeyHook(const CWindowSettings& settings) {
    if (!mOptions.GlobalKeyHook) {
        return true;
    }
    // The running hook takes the new table in one hand-over: switched off
    // and on again, it would drop a hot key pressed between the two.
    return mKeyHooks.RenewKeyHook(mMainWindow, settings, mOptions) || SetKeyHookOff();
}

bool CHookSupervisor::RestartWindowHook(const CWindowSetting* current) {
    if (!mOptions.SubClassWindowSize) {
        return true;
    }
    // Installing the same hook again costs a round trip to the player's thread
    // on every selection and nudge, and changes nothing.
    if (current && mPlacement.WindowHookInPlace(current->WindowClass, current)) {
        return true;
    }
    if (!StopWindowHook()) {
        return false;
    }
    StartWindowHook(current);
    return true;
}

void CHookSupervisor::RestartMouseHook(const CWindowSetting* current) {
    mKeyHooks.StopMouseHook();
    if (mOptions.AutoMouseHide && current) {
        mKeyHooks.StartMouseHook(current->WindowClass);
    }
}

void CHookSupervisor::StartWindowHook(const CWindowSetting* current) {
    TrapErrors(mReporter, "StartWindowHook", [&] {
        if (current) {
            mPlacement.StartWindowHook(current->WindowClass, current);
        }
    });
}

bool CHookSupervisor::ReportMissingLibrary(std::string_view fileName) {
    std::string text = "Unable to load the required support DLL '";
    text += fileName;
    text += "'. Please insure that KIV is installed correctly.";
    mReporter.ShowCriticalMessage(text, kAppTitle);
    mEndProgram();
    return false;
}

} // namespace kiv
