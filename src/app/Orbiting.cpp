#include "app/Orbiting.h"

#include "placement/AppWindow.h"
#include "placement/WindowPosValue.h"
#include "util/Numbers.h"
#include "util/ScopeFlag.h"

#include <optional>

namespace kiv {

namespace {
int32_t& RangeField(CWindowSetting& setting, OrbitRange range) {
    return range == OrbitRange::Horizontal ? setting.OrbitRangeHorizontal
                                           : setting.OrbitRangeVertical;
}

// An orbit text box's number: empty is 0.
int32_t OrbitTextValue(const std::string& text) {
    return text.empty() ? 0 : StrictToInt32(text);
}
} // namespace

void COrbiting::ShowSetting(const CWindowSetting& setting) {
    mView.ShowRangeValue(OrbitRange::Horizontal, DecimalText(setting.OrbitRangeHorizontal));
    mView.ShowRangeValue(OrbitRange::Vertical, DecimalText(setting.OrbitRangeVertical));
    mView.ShowOrbitText(OrbitTextBox::Interval, DecimalText(setting.OrbitInterval));
    mView.ShowOrbitText(OrbitTextBox::Increment, DecimalText(setting.OrbitIncrement));
}

void COrbiting::ShowNoValues() {
    mView.ShowRangeValue(OrbitRange::Horizontal, "0");
    mView.ShowRangeValue(OrbitRange::Vertical, "0");
}

void COrbiting::chkOrbitingOn_Click() {
    TrapErrors(mReporter, "chkOrbitingOn_Click", [&] {
        CWindowSetting* current = mSelection.CurrentSetting();
        if (!current) {
            return;
        }
        bool on = mView.IsOrbitingOnChecked();
        if (!on) {
            // Stopped first, so that a range that does not convert cannot keep it running.
            mView.SetOrbitTimerEnabled(false);
        }
        mOrbit.Restart(current->WindowLeft, current->WindowTop);
        current->OrbitRangeHorizontal =
            WindowPosEventValue(mView.RangeValue(OrbitRange::Horizontal));
        current->OrbitRangeVertical = WindowPosEventValue(mView.RangeValue(OrbitRange::Vertical));
        if (on) {
            mView.SetOrbitTimerEnabled(true);
        } else {
            mSelection.AdjustWindow();
        }
    });
}

void COrbiting::Tick(bool& busy, const char* procedure,
                     const std::function<void(const CWindowSetting& current)>& step) {
    if (busy) {
        return;
    }
    CScopeFlag flag(busy);
    TrapErrors(mReporter, procedure, [&] {
        if (const CWindowSetting* current = mSelection.CurrentSetting()) {
            step(*current);
        }
    });
}

void COrbiting::tmrOrbit_Timer() {
    // Without a setting the count waits for one.
    Tick(mOrbitBusy, "tmrOrbit_Timer", [this](const CWindowSetting& current) {
        if (mOrbit.CountSecond(current.OrbitInterval)) {
            OrbitWindow();
        }
    });
}

void COrbiting::OrbitWindow() {
    TrapErrors(mReporter, "OrbitWindow", [&] {
        const CWindowSetting* current = mSelection.CurrentSetting();
        if (!current) {
            return;
        }
        const CWindowSetting& setting = *current;
        if (setting.OrbitRangeHorizontal == 0 && setting.OrbitRangeVertical == 0) {
            return;
        }
        WindowHandle window = GetAppWindow(mDesktop, setting.WindowClass);
        if (window == 0) {
            return;
        }
        if (std::optional<int32_t> moved =
                StepOrbitAxis(mOrbit.Horizontal(), setting.WindowLeft, setting.OrbitRangeHorizontal,
                              setting.OrbitIncrement)) {
            mStrips.ShiftStrips(*moved, 0);
        }
        if (std::optional<int32_t> moved =
                StepOrbitAxis(mOrbit.Vertical(), setting.WindowTop, setting.OrbitRangeVertical,
                              setting.OrbitIncrement)) {
            mStrips.ShiftStrips(0, *moved);
        }
        mDesktop.MoveWindow(window, mOrbit.Horizontal().position, mOrbit.Vertical().position,
                            setting.WindowWidth, setting.WindowHeight);
    });
}

void COrbiting::cmdTestOrbiting_Click() {
    TrapErrors(mReporter, "cmdTestOrbiting_Click", [&] {
        mOrbit.StartTest();
        mView.SetTestOrbitTimerEnabled(true);
    });
}

void COrbiting::tmrTestOrbit_Timer() {
    // With no setting selected the test goes on once one is.
    Tick(mTestOrbitBusy, "tmrTestOrbit_Timer", [this](const CWindowSetting& current) {
        COrbit::TestStep step = mOrbit.NextTestStep(current);
        // Copied: placing the window again runs messages.
        const CWindowSetting setting = current;
        if (step.last) {
            mSelection.AdjustWindow();
            mView.SetTestOrbitTimerEnabled(false);
        }
        if (WindowHandle window = GetAppWindow(mDesktop, setting.WindowClass)) {
            mDesktop.MoveWindow(window, step.left, step.top, setting.WindowWidth,
                                setting.WindowHeight);
            mStrips.AdjustBlanking();
        }
    });
}

void COrbiting::WindowPos_ValueIncremented(OrbitRange range, int32_t newValue) {
    if (CWindowSetting* current = mSelection.CurrentSetting()) {
        RangeField(*current, range) = newValue;
    }
}

void COrbiting::txtOrbitIncrement_Validate() {
    TrapErrors(mReporter, "txtOrbitIncrement_Validate", [&] {
        if (CWindowSetting* current = mSelection.CurrentSetting()) {
            current->OrbitIncrement = OrbitTextValue(mView.OrbitText(OrbitTextBox::Increment));
        }
    });
}

void COrbiting::txtOrbitInterval_Validate() {
    TrapErrors(mReporter, "txtOrbitInterval_Validate", [&] {
        if (CWindowSetting* current = mSelection.CurrentSetting()) {
            current->OrbitInterval = OrbitTextValue(mView.OrbitText(OrbitTextBox::Interval));
        }
    });
}

} // namespace kiv
