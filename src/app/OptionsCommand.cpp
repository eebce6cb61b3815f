#include "app/OptionsCommand.h"

namespace kiv {

void COptionsCommand::HandleOptionsClick() {
    TrapErrors(mReporter, "HandleOptionsClick", [&] {
        OptionsDialogInput input{
            mOptions, {}, [this](bool disable) { mHooks.DisableDVDRomContent(disable); }};
        for (int32_t i = 0; i < mSelection.ListCount(); ++i) {
            input.settingNames.push_back(mSelection.ListText(i));
        }
        mDialogs.ShowOptions(input);

        // Saved or not, the hot keys and the hook follow the options as they now are.
        const bool hooksKept = mOptions.GlobalKeyHook ? mHooks.RestartKeyHook(mSelection.Settings())
                                                      : mHooks.SetKeyHookOff();
        if (!hooksKept) {
            return; // the keyboard library is missing: the program has ended
        }
        mHooks.DisableDVDRomContent(mOptions.DisableDVDRomContent);
        mSelection.cboSettingName_Click();
    });
}

} // namespace kiv
