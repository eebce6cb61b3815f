#pragma once

#include "hotkeys/KeyHooks.h"
#include "placement/WindowPlacement.h"
#include "platform/SupportLibraries.h"
#include "store/Options.h"
#include "store/WindowSettings.h"
#include "util/ErrorReport.h"

#include <functional>
#include <string_view>

namespace kiv {

// Keeps the hooks in step with the settings and the options: the key hook
// with the collection, the window-size and mouse hooks with the selected
// setting. A support library found missing is reported and ends the program.
class CHookSupervisor {
public:
    CHookSupervisor(CWindowPlacement& placement, IKeyboardLibrary& keyboardLibrary,
                    IDesktop& desktop, const COptions& options, IErrorReporter& reporter,
                    std::function<void()> endProgram)
        : mPlacement(placement), mKeyHooks(keyboardLibrary, desktop, reporter), mOptions(options),
          mReporter(reporter), mEndProgram(std::move(endProgram)) {}

    // Each removes its hook; false after a missing library was reported and
    // the program ended.
    bool StopWindowHook();
    bool SetKeyHookOff();
    // The hooks start-up installs for `mainWindow`, which their messages
    // reach: the key hook when the options ask for it, the media hook, and the
    // disc content setting.
    void StartSessionHooks(WindowHandle mainWindow, const CWindowSettings& settings);
    // Removes every hook and gives disc content start-up back; reports nothing.
    void StopAll();

    // After the collection, the selected setting or its window changed.
    // False when a missing library ended the program.
    bool RestartKeyHook(const CWindowSettings& settings);
    bool RestartWindowHook(const CWindowSetting* current);
    void RestartMouseHook(const CWindowSetting* current);
    // Switches the system's automatic start of disc content off (true) or on.
    void DisableDVDRomContent(bool disable) { mKeyHooks.DisableDVDRomContent(disable); }

    // The action name of the key hook's table entry `index`; "" for none.
    std::string HotKeyActionName(int64_t index) const { return mKeyHooks.HotKeyActionName(index); }

private:
    void StartWindowHook(const CWindowSetting* current);
    // Runs a hook's removal; a missing library is reported and ends the program.
    bool RemoveHook(const std::function<void()>& remove, std::string_view libraryName);
    bool ReportMissingLibrary(std::string_view fileName);

    CWindowPlacement& mPlacement;
    CKeyHooks mKeyHooks;
    const COptions& mOptions;
    IErrorReporter& mReporter;
    std::function<void()> mEndProgram;
    WindowHandle mMainWindow = 0;
};

} // namespace kiv
