#pragma once

#include "app/MainView.h"

#include <cstdint>

namespace kiv {

// The narrow interfaces through which one feature of the main window reaches
// another; none holds another's class.

// The setting commands as the toolbar, the menus, the hot keys and the
// selection wizard run them.
class ISettingCommandSet {
public:
    virtual ~ISettingCommandSet() = default;
    virtual void HandleAddSettingClick() = 0;
    virtual void HandleDeleteClick() = 0;
    virtual void HandleRenameClick() = 0;
    virtual void HandleSaveClick() = 0;
    virtual void HandleSaveAsClick() = 0;
};

// A command that opens a dialog of its own: the options, the play list.
class IDialogCommand {
public:
    virtual ~IDialogCommand() = default;
    virtual void OpenDialog() = 0;
};

// The main window's commands as the menus run them, one at a time.
class IMainCommandRunner {
public:
    virtual ~IMainCommandRunner() = default;
    virtual void Invoke(MainCommand command) = 0;
};

// The position editor's buttons as the hot keys press them.
class IPositionButtons {
public:
    virtual ~IPositionButtons() = default;
    virtual void cmdSize_Click(int32_t index) = 0;
    virtual void cmdCapture_Click() = 0;
};

// What orbiting asks of blanking: the strips follow the window it moves.
class IStripFollower {
public:
    virtual ~IStripFollower() = default;
    // The window moved by `dx`, `dy` pixels: the strips of each axis that
    // moved shift with it; they are not worked out anew.
    virtual void ShiftStrips(int32_t dx, int32_t dy) = 0;
    // Works the strips out anew around the current setting's window.
    virtual void AdjustBlanking() = 0;
};

// What the menus ask of blanking.
class IBlankingSwitch {
public:
    virtual ~IBlankingSwitch() = default;
    // Sets the blanking box, running its click handling when its state changes.
    virtual void SetBlankingOnCheck(bool checked) = 0;
    virtual void Animate() = 0;
};

// Where the blanking windows' right click goes: the context menu at a screen point.
class IBlankingContextMenu {
public:
    virtual ~IBlankingContextMenu() = default;
    virtual void ShowBlankingContextMenu(int32_t screenX, int32_t screenY) = 0;
};

} // namespace kiv
