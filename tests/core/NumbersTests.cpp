#include "util/KeyFilters.h"
#include "util/Numbers.h"
#include "util/RuntimeError.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace kiv {
namespace {

ErrorNumber ConversionError(std::string_view text) {
    try {
        StrictToInt32(text);
    } catch (const CRuntimeError& error) {
        return error.Number();
    }
    return ErrorNumber{0};
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, double> cases[] = {{0.5, 0},    {1.5, 2},   {2.5, 2},   {3.5, 4},
                                               {-0.5, -0},  {-1.5, -2}, {-2.5, -2}, {2.4999, 2},
                                               {2.5001, 3}, {12.5, 12}, {13.5, 14}, {-126.5, -126}};
    for (const auto& [value, rounded] : cases) {
        EXPECT_EQ(RoundHalfEven(value), rounded) << value;
    }
}

TEST(NumericTest, AcceptsWholeDecimalNumbersOnly) {
    for (const char* yes : {"0", "12", " -3.5 ", "+7", "1e3", "2.", ".5", "1E-2", "  42"}) {
        EXPECT_TRUE(IsNumeric(yes)) << yes;
    }
    for (const char* no :
         {"", " ", "abc", "12abc", "1 2", "-", ".", "1e", "0x10", "1,000", "--1", "yes", "1.2.3"}) {
        EXPECT_FALSE(IsNumeric(no)) << no;
    }
}

TEST(LeadingNumberRule, ReadsTheNumericPrefix) {
    EXPECT_EQ(LeadingNumber("0012"), 12);
    EXPECT_EQ(LeadingNumber("  -15px"), -15);
    EXPECT_EQ(LeadingNumber("3.75.2"), 3.75);
    EXPECT_EQ(LeadingNumber("abc"), 0);
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(LeadingNumber("-"), 0);
    EXPECT_EQ(LeadingNumber("1e3"), 1); // no exponent in this rule
}

TEST(StrictConversion, RoundsAndRangeChecks) {
    EXPECT_EQ(StrictToInt32("12.5"), 12);
    EXPECT_EQ(StrictToInt32(" -2147483648 "), INT32_MIN);
    EXPECT_EQ(StrictToInt32("2147483647.4"), INT32_MAX);
    EXPECT_EQ(ConversionError("2147483647.5"), ErrorNumber::Overflow);
    EXPECT_EQ(ConversionError("-2147483649"), ErrorNumber::Overflow);
    EXPECT_EQ(ConversionError("1e400"), ErrorNumber::Overflow);
    EXPECT_EQ(ConversionError(""), ErrorNumber::TypeMismatch);
    EXPECT_EQ(ConversionError("12abc"), ErrorNumber::TypeMismatch);
    EXPECT_EQ(StrictToInt16("-32768"), INT16_MIN);
    EXPECT_THROW(StrictToInt16("32767.5"), CRuntimeError);
    EXPECT_EQ(CheckedAdd32(INT32_MAX - 1, 1), INT32_MAX);
    EXPECT_THROW(CheckedAdd32(2000000000, 2000000000), CRuntimeError);
    EXPECT_THROW(RoundToInt32(std::nan("")), CRuntimeError);
}

TEST(NumberText, ShowsNumbersAsNumbers) {
    EXPECT_EQ(NumberText(12), "12");
    EXPECT_EQ(NumberText(-3), "-3");
    EXPECT_EQ(NumberText(2.5), "2.5");
    EXPECT_EQ(DecimalText(INT32_MIN), "-2147483648");
}

TEST(KeyFilters, NumericFilterFollowsItsFlags) {
    EXPECT_EQ(FilterKeyPressNumeric('.', true, false), 0);
    EXPECT_EQ(FilterKeyPressNumeric('-', true, false), '-');
    EXPECT_EQ(FilterKeyPressNumeric('-', false, true), 0);
    for (int16_t code : {int16_t{'.'}, int16_t{'-'}, int16_t{'0'}, int16_t{'9'}, kKeyBackspace}) {
        EXPECT_EQ(FilterKeyPressNumeric(code, false, false), code);
    }
    for (int16_t code : {int16_t{'a'}, int16_t{' '}, kKeyEnter, int16_t{'/'}, int16_t{':'}}) {
        EXPECT_EQ(FilterKeyPressNumeric(code, false, false), 0);
        EXPECT_EQ(FilterKeyPressNumeric(code, true, true), 0);
    }
}

TEST(KeyFilters, DigitsAndValueListFilters) {
    int16_t key = '7';
    FilterKeyPressDigits(key);
    EXPECT_EQ(key, '7');
    key = '-';
    FilterKeyPressDigits(key);
    EXPECT_EQ(key, 0);
    key = kKeyBackspace;
    FilterKeyPressDigits(key);
    EXPECT_EQ(key, kKeyBackspace);

    const std::array<int16_t, 12> margins = {'0', '1', '2', '3', '4', '5',
                                             '6', '7', '8', '9', 8,   '-'};
    EXPECT_EQ(FilterKeyPressValues('-', margins), '-');
    EXPECT_EQ(FilterKeyPressValues('.', margins), 0);
}

} // namespace
} // namespace kiv
