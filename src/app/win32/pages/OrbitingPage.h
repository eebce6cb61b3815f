#pragma once

#include "app/Orbiting.h"
#include "app/win32/pages/WindowPos.h"
#include "platform/win32/TabPage.h"

#include <string>
#include <string_view>

namespace kiv::win32 {

// The "Orbiting" page: the orbit switch and test, the two ranges, and the
// increment and interval boxes.
class COrbitingPage : public CTabPage, public IOrbitingView {
public:
    enum ControlId : int {
        kOrbitingOn = 600,
        kTestOrbiting,
        kOrbHorizontal,
        kOrbVertical,
        kOrbitIncrementLabel,
        kOrbitIncrement,
        kOrbitIntervalLabel,
        kOrbitInterval,
    };

    // The page's controls and its timers report to the orbiting feature.
    void Bind(COrbiting& feature);
    void Build() override;
    void Layout(const CDpiScale& scale) override;

    // IOrbitingView
    std::string RangeValue(OrbitRange range) override { return Range(range).Value(); }
    void ShowRangeValue(OrbitRange range, std::string_view value) override {
        Range(range).SetValue(value);
    }
    std::string OrbitText(OrbitTextBox box) const override;
    void ShowOrbitText(OrbitTextBox box, std::string_view text) override;
    bool IsOrbitingOnChecked() const override;
    void SetOrbitTimerEnabled(bool enabled) override;
    void SetTestOrbitTimerEnabled(bool enabled) override;

private:
    bool OnTimer(UINT_PTR id) override;
    CWindowPos& Range(OrbitRange range) {
        return range == OrbitRange::Horizontal ? mHorizontal : mVertical;
    }

    COrbiting* mFeature = nullptr;
    CWindowPos mHorizontal;
    CWindowPos mVertical;
};

} // namespace kiv::win32
