#include "app/WindowPosValue.h"
#include "util/RuntimeError.h"

#include <gtest/gtest.h>

namespace kiv {
namespace {

struct Keys : IKeyboardState {
    bool lShift = false;
    bool lControl = false;
    bool LShift() const override { return lShift; }
    bool LControl() const override { return lControl; }
};

TEST(WindowPosStepTest, LeftShiftGivesTenAndWithLeftCtrlAHundred) {
    const struct {
        bool shift, ctrl;
        int32_t step;
    } cases[] = {{false, false, 1}, {false, true, 1}, {true, false, 10}, {true, true, 100}};
    for (const auto& c : cases) {
        Keys keys;
        keys.lShift = c.shift;
        keys.lControl = c.ctrl;
        EXPECT_EQ(WindowPosStep(keys), c.step) << c.shift << c.ctrl;
    }
}

TEST(WindowPosValueTest, ArrowsReadTheLeadingNumberOfTheBox) {
    const struct {
        const char* box;
        int32_t arrow, step;
        const char* result;
    } cases[] = {{"5", 0, 10, "15"}, {"0", 1, 1, "-1"},     {"2.5", 0, 1, "3.5"},
                 {"", 0, 1, "1"},    {"12abc", 1, 10, "2"}, {"7", 2, 10, "7"}};
    for (const auto& c : cases) {
        EXPECT_EQ(WindowPosIncremented(c.box, c.arrow, c.step), c.result) << c.box;
    }
}

TEST(WindowPosValueTest, ReadingFixesAnEmptyBoxAndTakesTheLeadingNumber) {
    const std::pair<const char*, const char*> cases[] = {
        {" 12 ", " 12 "}, {"12-", "12"}, {"-", "0"}, {"abc", "0"}, {"-3.25x", "-3.25"}};
    for (const auto& [text, value] : cases) {
        std::string box = text;
        EXPECT_EQ(WindowPosReadValue(box), value) << text;
        EXPECT_EQ(box, text);
    }
    std::string empty;
    EXPECT_EQ(WindowPosReadValue(empty), "0");
    EXPECT_EQ(empty, "0");
}

TEST(WindowPosValueTest, WritingTakesOnlyNumbers) {
    for (const char* text : {"15", "-3", "1.5"}) {
        EXPECT_TRUE(WindowPosTakesValue(text)) << text;
    }
    for (const char* text : {"", "x", "12-"}) {
        EXPECT_FALSE(WindowPosTakesValue(text)) << text;
    }
}

TEST(WindowPosValueTest, TheEventValueRoundsHalvesToEvenWithin32Bits) {
    const std::pair<const char*, int32_t> cases[] = {
        {"1.5", 2}, {"2.5", 2}, {"-2.5", -2}, {"", 0}, {"9x", 9}, {"2147483647", INT32_MAX}};
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(WindowPosEventValue(text), value) << text;
    }
    try {
        WindowPosEventValue("2147483648");
        ADD_FAILURE() << "no overflow";
    } catch (const CRuntimeError& error) {
        EXPECT_EQ(error.Number(), ErrorNumber::Overflow);
    }
}

} // namespace
} // namespace kiv
