#pragma once

#include "platform/win32/ModalDialog.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Win32Platform.h"

namespace kiv::win32 {

// "About KIV": the program's title, version, what it does, a notice, and the
// way to the system's System Information program.
class frmAbout : public CModalDialog {
public:
    // Shows the box over `owner` and waits until it is closed.
    static void Show(HWND owner);

    enum ControlId : int {
        picIcon = 100,
        lblTitle,
        lblVersion,
        lblDescription,
        linSeparator,
        lblDisclaimer,
        cmdOK,
        cmdSysInfo,
    };

private:
    frmAbout() = default;

    bool OnCreate() override;
    void Layout(const CDpiScale& scale) override;

    CMessageBoxReporter mReporter;
    UniqueIcon mIcon;
    UniqueFont mTitleFont;
};

} // namespace kiv::win32
