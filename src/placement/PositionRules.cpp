#include "placement/PositionRules.h"

#include "util/Numbers.h"

namespace kiv {

namespace {
// One change of a nudge: a field and the amount added to it.
struct Step {
    int32_t CWindowSetting::*field;
    int32_t delta;
};

// The changes of each nudge, in the order they are made.
struct Nudge {
    Step steps[4];
    int count;
};

constexpr Nudge kNudges[kNudgeButtonCount] = {
    {{{&CWindowSetting::WindowLeft, -1}}, 1},
    {{{&CWindowSetting::WindowLeft, +1}}, 1},
    {{{&CWindowSetting::WindowTop, -1}}, 1},
    {{{&CWindowSetting::WindowTop, +1}}, 1},
    {{{&CWindowSetting::WindowLeft, +1}, {&CWindowSetting::WindowWidth, -2}}, 2},
    {{{&CWindowSetting::WindowLeft, -1}, {&CWindowSetting::WindowWidth, +2}}, 2},
    {{{&CWindowSetting::WindowTop, +1}, {&CWindowSetting::WindowHeight, -2}}, 2},
    {{{&CWindowSetting::WindowTop, -1}, {&CWindowSetting::WindowHeight, +2}}, 2},
    {{{&CWindowSetting::WindowLeft, -1},
      {&CWindowSetting::WindowWidth, +2},
      {&CWindowSetting::WindowTop, -1},
      {&CWindowSetting::WindowHeight, +2}},
     4},
    {{{&CWindowSetting::WindowLeft, +1},
      {&CWindowSetting::WindowWidth, -2},
      {&CWindowSetting::WindowTop, +1},
      {&CWindowSetting::WindowHeight, -2}},
     4},
};
} // namespace

int32_t& PositionField(CWindowSetting& setting, PositionLabel label) {
    // In the order of the labels.
    static constexpr int32_t CWindowSetting::*kFields[] = {
        &CWindowSetting::WindowLeft, &CWindowSetting::WindowTop, &CWindowSetting::WindowWidth,
        &CWindowSetting::WindowHeight};
    return setting.*kFields[static_cast<size_t>(label)];
}

void ApplyNudge(CWindowSetting& setting, int32_t index) {
    if (index < 0 || index >= kNudgeButtonCount) {
        return;
    }
    const Nudge& nudge = kNudges[index];
    for (int i = 0; i < nudge.count; ++i) {
        int32_t& field = setting.*(nudge.steps[i].field);
        field = CheckedAdd32(field, nudge.steps[i].delta);
    }
}

} // namespace kiv
