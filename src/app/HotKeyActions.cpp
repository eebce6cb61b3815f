#include "app/HotKeyActions.h"

#include "placement/AppWindow.h"

namespace kiv {

void CHotKeyActions::SelectSettingAndPlace(std::string_view name) {
    // A name no setting has any more selects nothing; the window is placed again all the same.
    mSelection.Settings().LocateItem(name, mSelection);
    mSelection.AdjustWindow();
}

void CHotKeyActions::PressNudge(int32_t index) {
    mPosition.cmdSize_Click(index);
}

void CHotKeyActions::CaptureAndSave() {
    mPosition.cmdCapture_Click();
    mCommands.HandleSaveClick();
}

void CHotKeyActions::ReapplyCurrentSetting() {
    // Straight to the selection's handling: unsaved edits give way to the stored setting.
    mSelection.cboSettingName_Click();
}

void CHotKeyActions::FocusApplication() {
    const CWindowSetting* current = mSelection.CurrentSetting();
    if (!current) {
        return;
    }
    WindowHandle window = GetAppWindow(mDesktop, current->WindowClass);
    if (window != 0 && mDesktop.IsWindow(window)) {
        mDesktop.ForceForegroundWindow(window);
    }
    mBlanking.AdjustBlanking();
}

void CHotKeyActions::FocusKiv() {
    WindowHandle window = mMainView.Handle();
    if (window != 0 && mDesktop.IsWindow(window)) {
        mDesktop.ForceForegroundWindow(window);
    }
    mBlanking.AdjustBlanking();
}

} // namespace kiv
