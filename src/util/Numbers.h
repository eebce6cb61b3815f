#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kiv {

// Four different rules read numbers out of text; each has its own function and
// callers name the one they mean.

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double value);

// The numeric test: the whole text, blanks around it allowed, is a decimal
// number with an optional sign, decimal point and exponent ("12", " -3.5 ", "1e3").
bool IsNumeric(std::string_view text);

// The numeric value of a text that passes IsNumeric; nothing otherwise.
std::optional<double> ParseNumeric(std::string_view text);

// The leading-number rule: leading blanks skipped, then digits with an optional
// sign and decimal point; anything after is ignored; nothing numeric gives 0.
double LeadingNumber(std::string_view text);

// Strict conversion: the text must pass the numeric test (else Type mismatch);
// the value is rounded halves to even and must fit the width (else Overflow).
int32_t StrictToInt32(std::string_view text);
int16_t StrictToInt16(std::string_view text);

// Rounds halves to even into the 32-bit range; Overflow when it does not fit.
int32_t RoundToInt32(double value);

// 32-bit sum and difference that raise Overflow instead of wrapping.
int32_t CheckedAdd32(int32_t a, int32_t b);
int32_t CheckedSubtract32(int32_t a, int32_t b);

// Decimal text of an integer with "-" for negatives.
std::string DecimalText(int64_t value);

// A number written as a number is shown: integers without a decimal point,
// other values in their shortest round-trip form ("12", "-3", "2.5").
std::string NumberText(double value);

} // namespace kiv
