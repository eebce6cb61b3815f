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
    TestStep step{setting.WindowLeft, setting.WindowTop};
    const int32_t horizontal = setting.OrbitRangeHorizontal;
    const int32_t vertical = setting.OrbitRangeVertical;
    if (mTestOrbitStep == 1 || mTestOrbitStep == 3) {
        step.left = mTestOrbitStep == 1 ? CheckedSubtract32(step.left, horizontal)
                                        : CheckedAdd32(step.left, horizontal);
    } else if (mTestOrbitStep == 2 || mTestOrbitStep == 4) {
        step.top = mTestOrbitStep == 2 ? CheckedSubtract32(step.top, vertical)
                                       : CheckedAdd32(step.top, vertical);
    } else {
        step.last = true;
    }
    return step;
}

} // namespace kiv
