#pragma once

#include "dialogs/WindowSelect.h"
#include "platform/win32/Controls.h"
#include "platform/win32/ModalDialog.h"
#include "platform/win32/Win32Platform.h"

#include <optional>
#include <string>
#include <string_view>

namespace kiv::win32 {

// "KIV - Select Application": the two-page wizard in which the user names the
// application to control and picks its window among the running programs'.
class frmWindowSelect : public CModalDialog {
public:
    // Runs the wizard over `owner` (hidden meanwhile, so the wizard has a
    // taskbar button of its own) with `appName` in the name box; what the user
    // chose when Finish was pressed, nothing when cancelled.
    static std::optional<ApplicationChoice> Run(HWND owner, std::string_view appName,
                                                bool useCaption);

    enum ControlId : int {
        lblAppName = 100,
        txtAppName,
        lblFrame1,
        lblWindows,
        lstWindows,
        linButtons,
        cmdBack,
        cmdNext,
        cmdCancel,
    };

private:
    frmWindowSelect() = default;

    bool OnCreate() override;
    void Layout(const CDpiScale& scale) override;
    // Shows the current page's controls, hiding the other page's.
    void ShowPage();
    void ShowButtons();

    void txtAppName_Change();
    void lstWindows_Click();
    void cmdNext_Click();
    void cmdBack_Click();
    std::string AppName() const;

    CWindowSelect mWizard;
    CWin32Desktop mDesktop;
    CMessageBoxReporter mReporter;
    bool mUseCaption = false;
    std::string mInitialAppName;
    std::optional<ApplicationChoice> mAnswer;
};

} // namespace kiv::win32
