#pragma once

#include <array>
#include <string_view>

namespace kiv {

// The main window's controls that show a tool tip.
enum class TipControl {
    SettingName,
    GetWindowInfo,
    BlankingOn,
    LockPosition,
    Capture,
    Size0, // to Size9, the nudge buttons by index
    Size1,
    Size2,
    Size3,
    Size4,
    Size5,
    Size6,
    Size7,
    Size8,
    Size9,
    TestOrbiting,
    OrbitIncrement,
    OrbitInterval,
    OrbitingOn,
    OrbitHorizontal,
    OrbitVertical,
    BlankLeft,
    BlankRight,
    BlankTop,
    BlankBottom,
};

struct ToolTipText {
    TipControl control;
    std::string_view text;
};

// The main window's tool tips, in the order they are set. The toolbar's
// buttons carry their own.
inline constexpr std::array<ToolTipText, 25> kMainToolTips = {{
    {TipControl::SettingName, "Select an aspect ratio setting"},
    {TipControl::GetWindowInfo, "Select an application to control"},
    {TipControl::BlankingOn, "Sets whether blanking is on or off"},
    {TipControl::LockPosition, "Lock application window in place"},
    {TipControl::Capture, "Use the size of the current application window"},
    {TipControl::Size0, "Move the window left one pixel"},
    {TipControl::Size1, "Move the window right one pixel"},
    {TipControl::Size2, "Move the window up one pixel"},
    {TipControl::Size3, "Move the window down one pixel"},
    {TipControl::Size4, "Decrease the window width by two pixels"},
    {TipControl::Size5, "Increase the window width by two pixels"},
    {TipControl::Size6, "Decrease the window height by two pixels"},
    {TipControl::Size7, "Increase the window height by two pixels"},
    {TipControl::Size8, "Expand the window in all directions by one pixel"},
    {TipControl::Size9, "Shrink the window in all directions by one pixel"},
    {TipControl::TestOrbiting, "Test the bounds of the orbiting range"},
    {TipControl::OrbitIncrement, "Increase or decrease the amount of each movement"},
    {TipControl::OrbitInterval, "Increase or decrease the amount the window moves"},
    {TipControl::OrbitingOn, "Sets whether orbiting is on or off"},
    {TipControl::OrbitHorizontal, "Amount to move horizontally"},
    {TipControl::OrbitVertical, "Amount to move vertically"},
    {TipControl::BlankLeft, "Additional blanking on the left side of the screen"},
    {TipControl::BlankRight, "Additional blanking on the right side of the screen"},
    {TipControl::BlankTop, "Additional blanking on the top of the screen"},
    {TipControl::BlankBottom, "Additional blanking on the bottom of the screen"},
}};

} // namespace kiv
