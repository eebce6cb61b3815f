#pragma once

#include "app/FeatureSeams.h"
#include "app/Selection.h"
#include "blanking/Blanking.h"
#include "blanking/Taskbar.h"
#include "platform/Desktop.h"
#include "store/Options.h"
#include "util/ErrorReport.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace kiv {

// The blanking page's four WindowPos controls.
enum class BlankPad { Left, Right, Top, Bottom };

// The "Blanking" page.
class IBlankingView {
public:
    virtual ~IBlankingView() = default;
    // A WindowPos value reads as a number (an empty box becomes "0"); showing
    // one takes only a valid number.
    virtual std::string PadValue(BlankPad pad) = 0;
    virtual void ShowPadValue(BlankPad pad, std::string_view value) = 0;
    virtual bool IsBlankingOnChecked() const = 0;
    virtual void ShowBlankingOnChecked(bool checked) = 0;
};

// Blanking around the placed window and the taskbar it hides.
class CScreenBlanking : public IStripFollower, public IBlankingSwitch, private IBlankingEvents {
public:
    CScreenBlanking(IBlankingView& view, ICurrentSetting& selection, IDesktop& desktop,
                    IBlankingPlatform& blankingPlatform, const COptions& options,
                    IErrorReporter& reporter, std::string taskbarMarkerPath,
                    IBlankingContextMenu& contextMenu);
    ~CScreenBlanking() override;

    // Start-up: the taskbar a killed run left hidden comes back, and the
    // blanking windows are made, still hidden.
    void Start();
    // Shutdown: the blanking windows go.
    void Stop();
    // Shows the taskbar when blanking left it hidden.
    void RestoreTaskbar();

    // IStripFollower
    void AdjustBlanking() override;
    void ShiftStrips(int32_t dx, int32_t dy) override;
    // IBlankingSwitch
    void SetBlankingOnCheck(bool checked) override;
    void Animate() override;

    void chkBlankingOn_Click();
    // Shows a setting's pads and blanking box on the page.
    void ShowSetting(const CWindowSetting& setting);
    // Every pad back to 0, with no setting behind them.
    void ShowNoValues();
    // ValueIncremented of a pad's WindowPos control, with the event's argument.
    void WindowPos_ValueIncremented(BlankPad pad, int32_t newValue);

    // The session is ending and the process may be ended at any moment.
    void EndSession();
    // The shell made a new taskbar: hidden again while blanking.
    void TaskbarCreated();

private:
    // IBlankingEvents
    void BlankingKeyDown(int16_t& keyCode, int16_t& shift) override;
    void BlankingContextMenu(int32_t screenX, int32_t screenY) override;

    WindowHandle CheckWindowExists();

    IBlankingView& mView;
    ICurrentSetting& mSelection;
    IDesktop& mDesktop;
    IBlankingPlatform& mBlankingPlatform;
    const COptions& mOptions;
    IErrorReporter& mReporter;
    IBlankingContextMenu& mContextMenu;
    // The taskbar outlives the blanking windows.
    CTaskbar mTaskbar;
    std::unique_ptr<CBlanking> mBlanking;
};

} // namespace kiv
