#pragma once

#include "util/ErrorReport.h"

#include <cstdint>
#include <string_view>

namespace kiv {

// What a hot key can do, as the main window does it.
class IHotKeyActions {
public:
    virtual ~IHotKeyActions() = default;
    // Selects the setting of exactly this name, which applies it (nothing is
    // selected when no setting has the name), then places the window again.
    virtual void SelectSettingAndPlace(std::string_view name) = 0;
    // Presses nudge button `index` of the "Window Position" page.
    virtual void PressNudge(int32_t index) = 0;
    // Takes the window's rectangle into the setting, then saves the setting.
    virtual void CaptureAndSave() = 0;
    // Applies the selected setting again, as choosing it in the list does.
    virtual void ReapplyCurrentSetting() = 0;
    // Brings the controlled program, or KIV's own window, to the front; the
    // blanking is redone after either.
    virtual void FocusApplication() = 0;
    virtual void FocusKiv() = 0;
};

// Turns the key hook's reports into actions: a setting's hot key selects that
// setting, an option hot key ("~HK~" and its number) runs its action.
class CHotKeyDispatcher {
public:
    CHotKeyDispatcher(IHotKeyActions& actions, IErrorReporter& reporter)
        : mActions(actions), mReporter(reporter) {}

    // The hot key whose table entry has this action name was pressed.
    void HotKeyPressed(std::string_view actionName);
    // Runs option action "~HK~1" to "~HK~10"; any other name does nothing.
    void PerformHotKeyAction(std::string_view actionName);

private:
    IHotKeyActions& mActions;
    IErrorReporter& mReporter;
};

} // namespace kiv
