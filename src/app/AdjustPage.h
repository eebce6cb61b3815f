#pragma once

#include "app/TabPage.h"
#include "store/WindowSetting.h"

namespace kiv::win32 {

// The "Window Position" page: the controlled window's rectangle and the lock box.
class CAdjustPage : public CTabPage {
public:
    enum ControlId : int {
        kLeftCaption = 200,
        kLeft,
        kTopCaption,
        kTop,
        kWidthCaption,
        kWidth,
        kHeightCaption,
        kHeight,
        kLockPosition,
    };

    void Build() override;
    void Layout(const CDpiScale& scale) override;

    void ShowPosition(const CWindowSetting& setting);
    bool IsLockChecked() const;
    void ShowLockChecked(bool checked);
};

} // namespace kiv::win32
