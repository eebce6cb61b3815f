#pragma once

#include "app/ScreenBlanking.h"
#include "app/win32/pages/WindowPos.h"
#include "platform/win32/TabPage.h"

namespace kiv::win32 {

// The "Blanking" page: the blanking switch and the four pads.
class CBlankingPage : public CTabPage, public IBlankingView {
public:
    enum ControlId : int {
        kBlankingOn = 700,
        kBlankLeft,
        kBlankRight,
        kBlankTop,
        kBlankBottom,
    };

    // The page's controls report to the blanking feature.
    void Bind(CScreenBlanking& feature);
    void Build() override;
    void Layout(const CDpiScale& scale) override;

    // IBlankingView
    std::string PadValue(BlankPad pad) override { return Pad(pad).Value(); }
    void ShowPadValue(BlankPad pad, std::string_view value) override { Pad(pad).SetValue(value); }
    bool IsBlankingOnChecked() const override;
    void ShowBlankingOnChecked(bool checked) override;

private:
    CWindowPos& Pad(BlankPad pad);

    CWindowPos mLeft;
    CWindowPos mRight;
    CWindowPos mTop;
    CWindowPos mBottom;
};

} // namespace kiv::win32
