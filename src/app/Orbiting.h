#pragma once

#include "app/FeatureSeams.h"
#include "app/Selection.h"
#include "placement/Orbit.h"
#include "platform/Desktop.h"
#include "util/ErrorReport.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace kiv {

// The orbit page's two WindowPos controls and its two text boxes.
enum class OrbitRange { Horizontal, Vertical };
enum class OrbitTextBox { Increment, Interval };

// The "Orbiting" page and its two timers.
class IOrbitingView {
public:
    virtual ~IOrbitingView() = default;
    // A WindowPos value reads as a number (an empty box becomes "0"); showing
    // one takes only a valid number.
    virtual std::string RangeValue(OrbitRange range) = 0;
    virtual void ShowRangeValue(OrbitRange range, std::string_view value) = 0;
    virtual std::string OrbitText(OrbitTextBox box) const = 0;
    virtual void ShowOrbitText(OrbitTextBox box, std::string_view text) = 0;
    virtual bool IsOrbitingOnChecked() const = 0;
    virtual void SetOrbitTimerEnabled(bool enabled) = 0;
    virtual void SetTestOrbitTimerEnabled(bool enabled) = 0;
};

// Orbiting the window against burn-in, with the orbit test; the blanking
// strips follow each step.
class COrbiting {
public:
    COrbiting(IOrbitingView& view, ICurrentSetting& selection, IStripFollower& strips,
              IDesktop& desktop, IErrorReporter& reporter)
        : mView(view), mSelection(selection), mStrips(strips), mDesktop(desktop),
          mReporter(reporter) {}

    // Shows a setting's orbit values on the page.
    void ShowSetting(const CWindowSetting& setting);
    // Both ranges back to 0, with no setting behind them.
    void ShowNoValues();

    void chkOrbitingOn_Click();
    void tmrOrbit_Timer();
    void cmdTestOrbiting_Click();
    void tmrTestOrbit_Timer();
    // ValueIncremented of a range's WindowPos control, with the event's argument.
    void WindowPos_ValueIncremented(OrbitRange range, int32_t newValue);
    void txtOrbitIncrement_Validate();
    void txtOrbitInterval_Validate();

private:
    void OrbitWindow();
    // A timer's tick for the current setting, under the timer's busy flag:
    // a tick that comes while the last one runs is dropped, and without a
    // setting there is nothing to do.
    void Tick(bool& busy, const char* procedure,
              const std::function<void(const CWindowSetting& current)>& step);

    IOrbitingView& mView;
    ICurrentSetting& mSelection;
    IStripFollower& mStrips;
    IDesktop& mDesktop;
    IErrorReporter& mReporter;
    COrbit mOrbit;
    // Set while a timer's step runs, so a message box it shows cannot stack more.
    bool mOrbitBusy = false;
    bool mTestOrbitBusy = false;
};

} // namespace kiv
