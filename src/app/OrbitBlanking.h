#pragma once

#include "app/Selection.h"
#include "blanking/Blanking.h"
#include "blanking/Taskbar.h"
#include "placement/Orbit.h"
#include "platform/Desktop.h"
#include "store/Options.h"
#include "util/ErrorReport.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace kiv {

// The six WindowPos controls: the blanking pads and the orbit ranges.
enum class WindowPosControl {
    BlankLeft,
    BlankRight,
    BlankTop,
    BlankBottom,
    OrbitHorizontal,
    OrbitVertical
};
// The orbit page's two text boxes.
enum class OrbitTextBox { Increment, Interval };

// The "Orbiting" and "Blanking" pages and their timers.
class IOrbitBlankingView {
public:
    virtual ~IOrbitBlankingView() = default;
    // A WindowPos value reads as a number (an empty box becomes "0"); showing
    // one takes only a valid number.
    virtual std::string WindowPosValue(WindowPosControl control) = 0;
    virtual void ShowWindowPosValue(WindowPosControl control, std::string_view value) = 0;
    virtual std::string OrbitText(OrbitTextBox box) const = 0;
    virtual void ShowOrbitText(OrbitTextBox box, std::string_view text) = 0;
    virtual bool IsBlankingOnChecked() const = 0;
    virtual void ShowBlankingOnChecked(bool checked) = 0;
    virtual bool IsOrbitingOnChecked() const = 0;
    virtual void SetOrbitTimerEnabled(bool enabled) = 0;
    virtual void SetTestOrbitTimerEnabled(bool enabled) = 0;
};

// Blanking around the placed window, the taskbar it hides, and orbiting the
// window against burn-in, with the orbit test.
class COrbitBlanking : private IBlankingEvents {
public:
    // `contextMenu` shows the blanking windows' context menu at a screen point.
    COrbitBlanking(IOrbitBlankingView& view, ISelection& selection, IDesktop& desktop,
                   IBlankingPlatform& blankingPlatform, const COptions& options,
                   IErrorReporter& reporter, std::string taskbarMarkerPath,
                   std::function<void(int32_t, int32_t)> contextMenu);
    ~COrbitBlanking() override;

    // Start-up: the taskbar a killed run left hidden comes back, and the
    // blanking windows are made, still hidden.
    void Start();
    // Shutdown: the blanking windows go.
    void Stop();
    // Shows the taskbar when blanking left it hidden.
    void RestoreTaskbar();

    // Works the strips out anew around the current setting's window.
    void AdjustBlanking();
    void chkBlankingOn_Click();
    // Sets the blanking box, running its click handling when its state changes.
    void SetBlankingOnCheck(bool checked);
    void Animate();
    // Shows a setting's orbit and blanking values on their pages.
    void ShowSetting(const CWindowSetting& setting);
    // Every orbit and pad value back to 0, with no setting behind them.
    void ShowNoValues();

    void chkOrbitingOn_Click();
    void tmrOrbit_Timer();
    void OrbitWindow();
    void cmdTestOrbiting_Click();
    void tmrTestOrbit_Timer();
    // ValueIncremented of a WindowPos control, with the event's argument.
    void WindowPos_ValueIncremented(WindowPosControl control, int32_t& newValue);
    void txtOrbitIncrement_Validate();
    void txtOrbitInterval_Validate();

    // The session is ending and the process may be ended at any moment.
    void EndSession();
    // The shell made a new taskbar: hidden again while blanking.
    void TaskbarCreated();

private:
    // IBlankingEvents
    void BlankingKeyDown(int16_t& keyCode, int16_t& shift) override;
    void BlankingContextMenu(int32_t screenX, int32_t screenY) override;

    // A new pad value: negative becomes 0, the setting takes it, blanking follows.
    void PadValueIncremented(WindowPosControl control);
    WindowHandle CheckWindowExists();

    IOrbitBlankingView& mView;
    ISelection& mSelection;
    IDesktop& mDesktop;
    IBlankingPlatform& mBlankingPlatform;
    const COptions& mOptions;
    IErrorReporter& mReporter;
    std::function<void(int32_t, int32_t)> mContextMenu;
    // The taskbar outlives the blanking windows.
    CTaskbar mTaskbar;
    std::unique_ptr<CBlanking> mBlanking;
    COrbit mOrbit;
    // Set while a timer's step runs, so a message box it shows cannot stack more.
    bool mOrbitBusy = false;
    bool mTestOrbitBusy = false;
};

} // namespace kiv
