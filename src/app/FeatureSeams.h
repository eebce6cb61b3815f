#pragma once

#include "app/MainView.h"

#include <cstdint>

namespace kiv {

// The narrow interfaces through which one feature of the main window reaches
// another; none holds another's class, and none is owned through them.

// The setting commands as the toolbar, the menus, the hot keys and the
// selection wizard run them.
class ISettingCommandSet {
public:
    virtual void HandleAddSettingClick() = 0;
    virtual void HandleDeleteClick() = 0;
    virtual void HandleRenameClick() = 0;
    virtual void HandleSaveClick() = 0;
    virtual void HandleSaveAsClick() = 0;

protected:
    ~ISettingCommandSet() = default;
};

// A command that opens a dialog of its own: the options, the play list.
class IDialogCommand {
public:
    virtual void OpenDialog() = 0;

protected:
    ~IDialogCommand() = default;
};

// The main window's commands as the menus run them, one at a time.
class IMainCommandRunner {
public:
    virtual void Invoke(MainCommand command) = 0;

protected:
    ~IMainCommandRunner() = default;
};

// The position editor's buttons as the hot keys press them.
class IPositionButtons {
public:
    virtual void cmdSize_Click(int32_t index) = 0;
    virtual void cmdCapture_Click() = 0;

protected:
    ~IPositionButtons() = default;
};

// What orbiting asks of blanking: the strips follow the window it moves.
class IStripFollower {
public:
    // The window moved by `dx`, `dy` pixels: the strips of each axis that
    // moved shift with it; they are not worked out anew.
    virtual void ShiftStrips(int32_t dx, int32_t dy) = 0;
    // Works the strips out anew around the current setting's window.
    virtual void AdjustBlanking() = 0;

protected:
    ~IStripFollower() = default;
};

// What the menus ask of blanking.
class IBlankingSwitch {
public:
    // Sets the blanking box, running its click handling when its state changes.
    virtual void SetBlankingOnCheck(bool checked) = 0;
    virtual void Animate() = 0;

protected:
    ~IBlankingSwitch() = default;
};

// Where the blanking windows' right click goes: the context menu at a screen point.
class IBlankingContextMenu {
public:
    virtual void ShowBlankingContextMenu(int32_t screenX, int32_t screenY) = 0;

protected:
    ~IBlankingContextMenu() = default;
};

} // namespace kiv
