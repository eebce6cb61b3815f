#pragma once

#include <cstdint>

namespace kiv {

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
