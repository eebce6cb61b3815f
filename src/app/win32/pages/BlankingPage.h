#pragma once

#include "app/OrbitBlanking.h"
#include "app/win32/pages/TabPage.h"
#include "app/win32/pages/WindowPos.h"

namespace kiv::win32 {

// The "Blanking" page: the blanking switch and the four pads.
class CBlankingPage : public CTabPage {
public:
    enum ControlId : int {
        kBlankingOn = 700,
        kBlankLeft,
        kBlankRight,
        kBlankTop,
        kBlankBottom,
    };

    // The page's controls report to the blanking feature.
    void Bind(COrbitBlanking& feature);
    void Build() override;
    void Layout(const CDpiScale& scale) override;

    // blLeft, blRight, blTop, blBottom.
    CWindowPos& Pad(WindowPosControl control);
    bool IsBlankingChecked() const;
    void ShowBlankingChecked(bool checked);

private:
    CWindowPos blLeft;
    CWindowPos blRight;
    CWindowPos blTop;
    CWindowPos blBottom;
};

} // namespace kiv::win32
