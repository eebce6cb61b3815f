#include "util/KeyFilters.h"
#include "util/Numbers.h"
#include "util/RuntimeError.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kiv {
namespace {

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

TEST(StrictConversion, RoundsAndRangeChecks) {
    EXPECT_EQ(StrictToInt32("12.5"), 12);
    EXPECT_EQ(StrictToInt32(" -2147483648 "), INT32_MIN);
    EXPECT_EQ(StrictToInt32("2147483647.4"), INT32_MAX);
    EXPECT_EQ(StrictToInt16("-32768"), INT16_MIN);
    EXPECT_EQ(CheckedSubtract32(INT32_MIN + 1, 1), INT32_MIN);
    for (const char* tooLarge : {"2147483647.5", "-2147483649", "1e400"}) {
        try {
            StrictToInt32(tooLarge);
            ADD_FAILURE() << tooLarge;
        } catch (const CRuntimeError& error) {
            EXPECT_EQ(error.Number(), ErrorNumber::Overflow) << tooLarge;
        }
    }
    EXPECT_THROW(StrictToInt32("12abc"), CRuntimeError);
    EXPECT_THROW(StrictToInt16("32767.5"), CRuntimeError);
    EXPECT_THROW(CheckedAdd32(2000000000, 2000000000), CRuntimeError);
    EXPECT_THROW(CheckedSubtract32(0, INT32_MIN), CRuntimeError);
    EXPECT_THROW(RoundToInt32(std::nan("")), CRuntimeError);
}

TEST(KeyFilters, TheNumericFilterFollowsItsFlags) {
    EXPECT_EQ(FilterKeyPressNumeric('.', true, false), 0);
    EXPECT_EQ(FilterKeyPressNumeric('-', false, true), 0);
    for (int16_t code : {int16_t{'-'}, int16_t{'.'}, int16_t{'9'}, kKeyBackspace}) {
        EXPECT_EQ(FilterKeyPressNumeric(code, false, false), code);
    }
    for (int16_t code : {int16_t{'a'}, kKeyEnter, int16_t{'/'}, int16_t{':'}}) {
        EXPECT_EQ(FilterKeyPressNumeric(code, false, false), 0);
    }
}

} // namespace
} // namespace kiv
