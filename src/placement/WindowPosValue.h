#pragma once

#include "platform/KeyboardState.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kiv {

// The rules of the WindowPos control (a captioned number with two arrow
// buttons), on the text of its box, apart from any window.

// The Value read: an empty box is first set to "0"; a valid number is
// returned as it is; any other text gives its leading number, written as a number.
std::string WindowPosReadValue(std::string& boxText);

// The Value write takes only a valid number.
bool WindowPosTakesValue(std::string_view text);

// The arrow step: 1; 10 with the left Shift key down; 100 with the left Ctrl
// key down as well. The right-hand keys do not count.
int32_t WindowPosStep(const IKeyboardState& keyboard);

// The value after an arrow click (index 0 up, 1 down; any other index leaves
// it), worked out in double precision and written as a number.
std::string WindowPosIncremented(std::string_view value, int index, int32_t step);

// ValueIncremented's argument: the value rounded halves to even. Raises
// Overflow when it leaves the 32-bit range.
int32_t WindowPosEventValue(std::string_view value);

} // namespace kiv
