#include "util/KeyFilters.h"
#include "util/Numbers.h"
#include "util/RuntimeError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace kiv {
namespace {

ErrorNumber ErrorOf(const std::function<void()>& conversion) {
    try {
        conversion();
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
    const std::pair<const char*, double> cases[] = {
        {"0012", 12}, {"  -15px", -15}, {"3.75.2", 3.75}, {"abc", 0},
        {"", 0},      {"-", 0},         {"1e3", 1}, // no exponent in this rule
    };
    for (const auto& [text, number] : cases) {
        EXPECT_EQ(LeadingNumber(text), number) << text;
    }
}

TEST(StrictConversion, RoundsAndRangeChecks) {
    EXPECT_EQ(StrictToInt32("12.5"), 12);
    EXPECT_EQ(StrictToInt32(" -2147483648 "), INT32_MIN);
    EXPECT_EQ(StrictToInt32("2147483647.4"), INT32_MAX);
    EXPECT_EQ(StrictToInt16("-32768"), INT16_MIN);
    EXPECT_EQ(CheckedAdd32(INT32_MAX - 1, 1), INT32_MAX);
    EXPECT_EQ(CheckedSubtract32(INT32_MIN + 1, 1), INT32_MIN);
    const std::pair<std::function<void()>, ErrorNumber> failures[] = {
        {[] { StrictToInt32("2147483647.5"); }, ErrorNumber::Overflow},
        {[] { StrictToInt32("-2147483649"); }, ErrorNumber::Overflow},
        {[] { StrictToInt32("1e400"); }, ErrorNumber::Overflow},
        {[] { StrictToInt32(""); }, ErrorNumber::TypeMismatch},
        {[] { StrictToInt32("12abc"); }, ErrorNumber::TypeMismatch},
        {[] { StrictToInt16("32767.5"); }, ErrorNumber::Overflow},
        {[] { CheckedAdd32(2000000000, 2000000000); }, ErrorNumber::Overflow},
        {[] { CheckedSubtract32(0, INT32_MIN); }, ErrorNumber::Overflow},
        {[] { RoundToInt32(std::nan("")); }, ErrorNumber::Overflow},
    };
    for (size_t i = 0; i < std::size(failures); ++i) {
        EXPECT_EQ(ErrorOf(failures[i].first), failures[i].second) << "case " << i;
    }
}

TEST(NumberText, ShowsNumbersAsNumbers) {
    EXPECT_EQ(NumberText(12), "12");
    EXPECT_EQ(NumberText(-3), "-3");
    EXPECT_EQ(NumberText(2.5), "2.5");
    EXPECT_EQ(DecimalText(INT32_MIN), "-2147483648");
}

TEST(KeyFilters, NumericAndDigitFiltersFollowTheirFlags) {
    EXPECT_EQ(FilterKeyPressNumeric('.', true, false), 0);
    EXPECT_EQ(FilterKeyPressNumeric('-', true, false), '-');
    EXPECT_EQ(FilterKeyPressNumeric('-', false, true), 0);
    for (int16_t code : {int16_t{'.'}, int16_t{'0'}, int16_t{'9'}, kKeyBackspace}) {
        EXPECT_EQ(FilterKeyPressNumeric(code, false, false), code);
    }
    for (int16_t code : {int16_t{'a'}, int16_t{' '}, kKeyEnter, int16_t{'/'}, int16_t{':'}}) {
        EXPECT_EQ(FilterKeyPressNumeric(code, true, true), 0);
    }
    for (int16_t code : {int16_t{'7'}, int16_t{'-'}, kKeyBackspace}) {
        int16_t key = code;
        FilterKeyPressDigits(key);
        EXPECT_EQ(key, code == '-' ? 0 : code);
    }
}

} // namespace
} // namespace kiv
