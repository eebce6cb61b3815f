#pragma once

#include "app/OrbitBlanking.h"
#include "app/win32/pages/TabPage.h"
#include "app/win32/pages/WindowPos.h"

#include <string>
#include <string_view>

namespace kiv::win32 {

// The "Orbiting" page: the orbit switch and test, the two ranges, and the
// increment and interval boxes.
class COrbitingPage : public CTabPage {
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

    // The page's controls report to the orbiting feature.
    void Bind(COrbitBlanking& feature);
    void Build() override;
    void Layout(const CDpiScale& scale) override;

    CWindowPos& orbHorizontal() noexcept { return mHorizontal; }
    CWindowPos& orbVertical() noexcept { return mVertical; }
    bool IsOrbitingChecked() const;
    std::string OrbitText(OrbitTextBox box) const;
    void ShowOrbitText(OrbitTextBox box, std::string_view text);

private:
    CWindowPos mHorizontal;
    CWindowPos mVertical;
};

} // namespace kiv::win32
