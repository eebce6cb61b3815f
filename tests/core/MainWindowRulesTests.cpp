// The number and text rules behind the main window's position controls and
// the setting name dialog.
#include "app/PositionRules.h"
#include "store/SettingNameRules.h"
#include "util/RuntimeError.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>

namespace kiv {
namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

using Ltwh = std::array<int32_t, 4>; // left, top, width, height

CWindowSetting At(Ltwh r) {
    CWindowSetting s;
    s.WindowLeft = r[0];
    s.WindowTop = r[1];
    s.WindowWidth = r[2];
    s.WindowHeight = r[3];
    return s;
}
Ltwh Of(const CWindowSetting& s) {
    return {s.WindowLeft, s.WindowTop, s.WindowWidth, s.WindowHeight};
}

TEST(Nudges, EachButtonChangesTheRectangleByItsStep) {
    const Ltwh start{100, 200, 640, 480};
    const Ltwh expected[kNudgeButtonCount] = {
        {99, 200, 640, 480},  {101, 200, 640, 480}, {100, 199, 640, 480}, {100, 201, 640, 480},
        {101, 200, 638, 480}, {99, 200, 642, 480},  {100, 201, 640, 478}, {100, 199, 640, 482},
        {99, 199, 642, 482},  {101, 201, 638, 478},
    };
    for (int32_t index = 0; index < kNudgeButtonCount; ++index) {
        SCOPED_TRACE(index);
        CWindowSetting s = At(start);
        ApplyNudge(s, index);
        EXPECT_EQ(Of(s), expected[index]);
    }
}

TEST(Nudges, SizeChangesHaveNoBoundsAndOtherIndexesChangeNothing) {
    CWindowSetting s = At({0, 0, 2, 1});
    ApplyNudge(s, 9);
    ApplyNudge(s, 4);
    EXPECT_EQ(Of(s), (Ltwh{2, 1, -2, -1}));
    ApplyNudge(s, kNudgeButtonCount);
    EXPECT_EQ(Of(s), (Ltwh{2, 1, -2, -1}));
}

TEST(Nudges, OverflowStopsAtTheFieldThatCannotTakeTheStep) {
    CWindowSetting s = At({kMin, 0, 10, 10});
    EXPECT_THROW(ApplyNudge(s, 0), CRuntimeError);
    EXPECT_EQ(s.WindowLeft, kMin);
    // Expand: left, then width, then top, then height.
    CWindowSetting e = At({5, 5, kMax - 1, 10});
    EXPECT_THROW(ApplyNudge(e, 8), CRuntimeError);
    EXPECT_EQ(Of(e), (Ltwh{4, 5, kMax - 1, 10}));
}

TEST(SettingName, TheFileSeparatorsCannotBeTypedOrPastedAndOkNeedsACharacter) {
    for (int32_t key : std::initializer_list<int32_t>{'a', ' ', ';', '=', 8, 0xE9}) {
        EXPECT_EQ(SettingNameRules::AcceptsKeystroke(key), key != ';' && key != '=') << key;
    }
    EXPECT_EQ(SettingNameRules::WithoutSeparators("S1=a;b c"), "S1ab c");
    EXPECT_EQ(SettingNameRules::WithoutSeparators("Caf\xE9"), "Caf\xE9");
    EXPECT_FALSE(SettingNameRules::OkEnabled(""));
    EXPECT_TRUE(SettingNameRules::OkEnabled(" "));
}

} // namespace
} // namespace kiv
