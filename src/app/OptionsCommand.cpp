#include "app/OptionsCommand.h"

namespace kiv {

void COptionsCommand::HandleOptionsClick() {
    TrapErrors(mReporter, "HandleOptionsClick", [&] {
        OptionsDialogInput input{
            mOptions, {}, [this](bool disable) { mHooks.DisableDVDRomContent(disable); }};
        for (int32_t i = 0; i < mSelection.ListCount(); ++i) {
            input.settingNames.push_back(mSelection.ListText(i));
        }
        const bool allowedLarger = mOptions.SubClassWindowSize;
        mDialogs.ShowOptions(input);
        // Unticked, larger windows end at once: the hook already in the player
        // would else let it grow until KIV ends. The placement below clamps it.
        if (allowedLarger && !mOptions.SubClassWindowSize && !mHooks.StopWindowHook()) {
            return; // the size library is missing: the program has ended
        }

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
