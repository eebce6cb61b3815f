#include "placement/Orbit.h"

#include "util/Numbers.h"

namespace kiv {

std::optional<int32_t> StepOrbitAxis(OrbitAxis& axis, int32_t origin, int32_t range,
                                     int32_t increment) {
    if (range == 0) {
        return std::nullopt;
    }
    if (axis.movingBack) {
        int32_t candidate = CheckedSubtract32(axis.position, increment);
        if (candidate < CheckedSubtract32(origin, range)) {
            axis.movingBack = false;
            return std::nullopt;
        }
        int32_t moved = CheckedSubtract32(0, increment);
        axis.position = candidate;
        return moved;
    }
    int32_t candidate = CheckedAdd32(axis.position, increment);
    if (candidate > CheckedAdd32(origin, range)) {
        axis.movingBack = true;
        return std::nullopt;
    }
    axis.position = candidate;
    return increment;
}

void COrbit::Restart(int32_t left, int32_t top) {
    mOrbitTicks = 0;
    mHorizontal.position = left;
    mVertical.position = top;
}

bool COrbit::CountSecond(int32_t interval) {
    mOrbitTicks = CheckedAdd32(mOrbitTicks, 1);
    if (mOrbitTicks > interval) {
        mOrbitTicks = 0;
        return true;
    }
    return false;
}

COrbit::TestStep COrbit::NextTestStep(const CWindowSetting& setting) {
    mTestOrbitStep =
        mTestOrbitStep < INT16_MAX ? static_cast<int16_t>(mTestOrbitStep + 1) : mTestOrbitStep;
    TestStep step;
    step.rect = {setting.WindowLeft, setting.WindowTop, setting.WindowWidth, setting.WindowHeight};
    switch (mTestOrbitStep) {
    case 1:
        step.rect.left = CheckedSubtract32(setting.WindowLeft, setting.OrbitRangeHorizontal);
        break;
    case 2:
        step.rect.top = CheckedSubtract32(setting.WindowTop, setting.OrbitRangeVertical);
        break;
    case 3:
        step.rect.left = CheckedAdd32(setting.WindowLeft, setting.OrbitRangeHorizontal);
        break;
    case 4:
        step.rect.top = CheckedAdd32(setting.WindowTop, setting.OrbitRangeVertical);
        break;
    default:
        step.last = true;
        break;
    }
    return step;
}

} // namespace kiv
