#pragma once

#include <array>
#include <string_view>

namespace kiv {

// The main window's tool tips, in the order they are set, each with the name
// of the control that shows it ("cmdSize0" to "cmdSize9" for the nudges).
struct ToolTipText {
    std::string_view control;
    std::string_view text;
};

inline constexpr std::array<ToolTipText, 33> kMainToolTips = {{
    {"cboSettingName", "Select an aspect ratio setting"},
    {"cmdGetWindowInfo", "Select an application to control"},
    {"chkBlankingOn", "Sets whether blanking is on or off"},
    {"chkLockPosition", "Lock application window in place"},
    {"cmdCapture", "Use the size of the current application window"},
    {"cmdSize0", "Move the window left one pixel"},
    {"cmdSize1", "Move the window right one pixel"},
    {"cmdSize2", "Move the window up one pixel"},
    {"cmdSize3", "Move the window down one pixel"},
    {"cmdSize4", "Decrease the window width by two pixels"},
    {"cmdSize5", "Increase the window width by two pixels"},
    {"cmdSize6", "Decrease the window height by two pixels"},
    {"cmdSize7", "Increase the window height by two pixels"},
    {"cmdSize8", "Expand the window in all directions by one pixel"},
    {"cmdSize9", "Shrink the window in all directions by one pixel"},
    {"cmdTestOrbiting", "Test the bounds of the orbiting range"},
    {"txtOrbitIncrement", "Increase or decrease the amount of each movement"},
    {"txtOrbitInterval", "Increase or decrease the amount the window moves"},
    {"chkOrbitingOn", "Sets whether orbiting is on or off"},
    {"orbHorizontal", "Amount to move horizontally"},
    {"orbVertical", "Amount to move vertically"},
    {"blLeft", "Additional blanking on the left side of the screen"},
    {"blRight", "Additional blanking on the right side of the screen"},
    {"blTop", "Additional blanking on the top of the screen"},
    {"blBottom", "Additional blanking on the bottom of the screen"},
    {"btnAdd", "Add a new setting"},
    {"btnDelete", "Delete the current setting"},
    {"btnRename", "Rename the current setting"},
    {"btnSave", "Save changes to the current setting"},
    {"btnSaveAs", "Save the current setting under another name"},
    {"btnOptions", "Set KIV program Options"},
    {"btnPlayList", "Select a DVD from the PlayList"},
    {"btnAbout", "Information about KIV"},
}};

// The tool tip of a control by name; "" when it has none.
constexpr std::string_view ToolTipFor(std::string_view control) {
    for (const ToolTipText& tip : kMainToolTips) {
        if (tip.control == control) {
            return tip.text;
        }
    }
    return {};
}

} // namespace kiv
