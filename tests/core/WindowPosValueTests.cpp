#include "placement/WindowPosValue.h"
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

TEST(WindowPosValueTest, TheBoxIsReadAsANumberOrItsLeadingNumber) {
    // The box, its value, one step up, and the value passed on (halves to even).
    const struct {
        const char* box;
        const char* value;
        const char* up;
        int32_t event;
    } cases[] = {
        {"", "0", "1", 0},
        {" 12 ", " 12 ", "13", 12},
        {"12-", "12", "13", 12},
        {"-", "0", "1", 0},
        {"abc", "0", "1", 0},
        {"-3.25x", "-3.25", "-2.25", -3},
        {"2.5", "2.5", "3.5", 2},
        {"1.5", "1.5", "2.5", 2},
        {"-2.5", "-2.5", "-1.5", -2},
        {"2147483647", "2147483647", "2147483648", INT32_MAX},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box);
        std::string box = c.box;
        EXPECT_EQ(WindowPosReadValue(box), c.value);
        EXPECT_EQ(box, *c.box == '\0' ? "0" : c.box);
        EXPECT_EQ(WindowPosIncremented(c.box, 0, 1), c.up);
        EXPECT_EQ(WindowPosEventValue(c.box), c.event);
        EXPECT_EQ(WindowPosTakesValue(c.box), std::string(c.box) == c.value);
    }
    EXPECT_EQ(WindowPosIncremented("5", 0, 100), "105");
    EXPECT_EQ(WindowPosIncremented("0", 1, 10), "-10");
    EXPECT_EQ(WindowPosIncremented("7", 2, 10), "7");
    Keys keys; // Ctrl alone does nothing; Shift steps by ten, with Ctrl by a hundred
    keys.lControl = true;
    EXPECT_EQ(WindowPosStep(keys), 1);
    keys.lShift = true;
    EXPECT_EQ(WindowPosStep(keys), 100);
    EXPECT_THROW(WindowPosEventValue("2147483648"), CRuntimeError);
}

} // namespace
} // namespace kiv
