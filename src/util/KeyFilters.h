#pragma once

#include <cstdint>
#include <span>

namespace kiv {

// Keystroke filters for numeric text boxes. A keystroke is an ANSI character
// code; a filter returns the code to keep, or 0 to swallow the keystroke.
inline constexpr int16_t kKeyBackspace = 8;
inline constexpr int16_t kKeyEnter = 13;

// Backspace and digits pass; "." unless `noDecimal`, "-" unless `noNegative`.
// The text already in the box is not looked at.
int16_t FilterKeyPressNumeric(int16_t keyAscii, bool noDecimal, bool noNegative);

// Backspace and digits pass; every other code becomes 0.
void FilterKeyPressDigits(int16_t& keyAscii);

// The code when it is one of `allowed`, otherwise 0.
int16_t FilterKeyPressValues(int16_t keyAscii, std::span<const int16_t> allowed);

} // namespace kiv
