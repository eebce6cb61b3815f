#pragma once

#include "app/SettingCommands.h"
#include "app/win32/pages/TabPage.h"
#include "hotkeys/win32/HotKeyControl.h"

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

    void Build() override;
    void Layout(const CDpiScale& scale) override;

    IHotKeyEditorView& Editor() noexcept { return mControls; }
    bool IsChange(int id, int code) const { return mControls.IsChange(id, code); }
    void SetEnabled(MainCommand command, bool enabled);

private:
    CHotKeyEditorControls mControls;
};

} // namespace kiv::win32
