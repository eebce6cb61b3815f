#pragma once

#include "app/SettingCommands.h"
#include "hotkeys/win32/HotKeyControl.h"
#include "platform/win32/TabPage.h"

namespace kiv::win32 {

// The "Hot Key" page (`fraHotKey`): the current setting's hot key.
class CHotKeyPage : public CTabPage {
public:
    enum ControlId : int {
        kShift = 400,
        kCtrl,
        kKey,
        kCaption,
        kHotKey,
        kNote,
    };

    // The boxes and the key list edit the selected setting's hot key.
    void Bind(CSettingCommands& commands);
    void Build() override;
    void Layout(const CDpiScale& scale) override;

    IHotKeyEditorView& Editor() noexcept { return mControls; }
    void SetEnabled(MainCommand command, bool enabled);

private:
    CHotKeyEditorControls mControls;
};

} // namespace kiv::win32
