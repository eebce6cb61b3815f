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
    Keys keys;
    EXPECT_EQ(WindowPosStep(keys), 1);
    keys.lControl = true; // Ctrl alone
    EXPECT_EQ(WindowPosStep(keys), 1);
    keys.lShift = true;
    EXPECT_EQ(WindowPosStep(keys), 100);
    keys.lControl = false;
    EXPECT_EQ(WindowPosStep(keys), 10);
}

TEST(WindowPosIncrementTest, ArrowsAddAndSubtractTheStep) {
    EXPECT_EQ(WindowPosIncremented("5", 0, 10), "15");
    EXPECT_EQ(WindowPosIncremented("5", 0, 100), "105");
    EXPECT_EQ(WindowPosIncremented("0", 1, 1), "-1");
    EXPECT_EQ(WindowPosIncremented("2.5", 0, 1), "3.5");
    EXPECT_EQ(WindowPosIncremented("", 0, 1), "1");
    EXPECT_EQ(WindowPosIncremented("12abc", 1, 10), "2");
    EXPECT_EQ(WindowPosIncremented("7", 2, 10), "7");
}

TEST(WindowPosValueTest, ReadingFixesAnEmptyBoxAndTakesTheLeadingNumber) {
    std::string box;
    EXPECT_EQ(WindowPosReadValue(box), "0");
    EXPECT_EQ(box, "0");
    box = " 12 ";
    EXPECT_EQ(WindowPosReadValue(box), " 12 ");
    box = "12-";
    EXPECT_EQ(WindowPosReadValue(box), "12");
    EXPECT_EQ(box, "12-");
    box = "-";
    EXPECT_EQ(WindowPosReadValue(box), "0");
    box = "abc";
    EXPECT_EQ(WindowPosReadValue(box), "0");
    box = "-3.25x";
    EXPECT_EQ(WindowPosReadValue(box), "-3.25");
}

TEST(WindowPosValueTest, WritingTakesOnlyNumbers) {
    EXPECT_TRUE(WindowPosTakesValue("15"));
    EXPECT_TRUE(WindowPosTakesValue("-3"));
    EXPECT_TRUE(WindowPosTakesValue("1.5"));
    EXPECT_FALSE(WindowPosTakesValue(""));
    EXPECT_FALSE(WindowPosTakesValue("x"));
    EXPECT_FALSE(WindowPosTakesValue("12-"));
}

TEST(WindowPosEventTest, TheEventValueRoundsHalvesToEven) {
    EXPECT_EQ(WindowPosEventValue("1.5"), 2);
    EXPECT_EQ(WindowPosEventValue("2.5"), 2);
    EXPECT_EQ(WindowPosEventValue("-2.5"), -2);
    EXPECT_EQ(WindowPosEventValue("-3"), -3);
    EXPECT_EQ(WindowPosEventValue(""), 0);
    EXPECT_EQ(WindowPosEventValue("9x"), 9);
    EXPECT_EQ(WindowPosEventValue("2147483647"), 2147483647);
    try {
        WindowPosEventValue("2147483648");
        ADD_FAILURE() << "no overflow";
    } catch (const CRuntimeError& error) {
        EXPECT_EQ(error.Number(), ErrorNumber::Overflow);
    }
}

} // namespace
} // namespace kiv
