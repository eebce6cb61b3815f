#pragma once

#include "store/WindowSetting.h"

#include <cstdint>

namespace kiv {

// The four labels of the "Window Position" page that show, and edit in place,
// the current setting's rectangle.
enum class PositionLabel { Left, Top, Width, Height };

// The setting field a position label shows.
int32_t& PositionField(CWindowSetting& setting, PositionLabel label);

// The nudge buttons: 0-3 move left, right, up, down by one pixel; 4-7 narrow,
// widen, lower and raise the window by two pixels about its centre; 8 expands
// and 9 shrinks it by one pixel on every side.
inline constexpr int32_t kNudgeButtonCount = 10;

// Applies nudge `index` to the setting, each field read and written back in
// turn; an index outside 0-9 changes nothing. No bound is applied. A sum
// beyond 32 bits raises Overflow and leaves that field, and the ones after it,
// as they were.
void ApplyNudge(CWindowSetting& setting, int32_t index);

// A held nudge button repeats from the tick after this many ticks of the
// repeat timer (250 ms each): the first repeated step comes 1.5 s after the press.
inline constexpr int32_t kRepeatDelayTicks = 5;

} // namespace kiv
