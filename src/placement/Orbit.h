#pragma once

#include "platform/Geometry.h"
#include "store/WindowSetting.h"

#include <cstdint>
#include <optional>

namespace kiv {

// One axis of the orbit: where the window is on it and which way it goes.
struct OrbitAxis {
    int32_t position = 0;
    bool movingBack = false; // towards smaller coordinates
};

// One orbit step on one axis inside origin ± range. The distance moved, or
// nothing when the range is 0 or the step was spent turning round (the step
// would have left the range). Raises Overflow when a sum leaves 32 bits.
std::optional<int32_t> StepOrbitAxis(OrbitAxis& axis, int32_t origin, int32_t range,
                                     int32_t increment);

// The orbit's state on the main window: the seconds counted, the position on
// both axes and their directions, and the step of the orbit test. The
// directions are never reset: switching orbiting off and on keeps them.
class COrbit {
public:
    // Orbiting switched: the count restarts and the orbit starts from here.
    void Restart(int32_t left, int32_t top);
    // One second passed: true when a step is due, which happens on every
    // (interval + 1)-th second; the count then starts again.
    bool CountSecond(int32_t interval);

    OrbitAxis& Horizontal() noexcept { return mHorizontal; }
    OrbitAxis& Vertical() noexcept { return mVertical; }

    // The orbit test: StartTest, then one NextTestStep per tick. Steps 1 to 4
    // show the left, upper, right and lower extremes of the setting's range;
    // step 5 and later give the setting's own rectangle and end the test.
    // The window keeps the setting's size throughout.
    struct TestStep {
        int32_t left = 0;
        int32_t top = 0;
        bool last = false;
    };
    void StartTest() noexcept { mTestOrbitStep = 0; }
    TestStep NextTestStep(const CWindowSetting& setting);

private:
    int32_t mOrbitTicks = 0;
    OrbitAxis mHorizontal;
    OrbitAxis mVertical;
    int16_t mTestOrbitStep = 0;
};

} // namespace kiv
