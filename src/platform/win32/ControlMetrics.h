#pragma once

namespace kiv::win32 {

// The sizes every window of KIV gives its standard controls, in
// device-independent pixels, so that the dialogs look alike.
namespace control_metrics {
// Round a dialog's contents.
inline constexpr int kMargin = 11;
inline constexpr int kButtonWidth = 80;
inline constexpr int kButtonHeight = 26;
inline constexpr int kEditHeight = 23;
inline constexpr int kLabelHeight = 16;
// Between buttons side by side, and between a frame and what follows it.
inline constexpr int kGap = 7;
} // namespace control_metrics

} // namespace kiv::win32
