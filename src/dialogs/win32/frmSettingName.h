#pragma once

#include "platform/win32/ModalDialog.h"

#include <optional>
#include <string>
#include <string_view>

namespace kiv::win32 {

// "Setting Name": the small modal dialog that asks for a setting's name.
class frmSettingName : public CModalDialog {
public:
    // Shows the dialog over `owner` with `initialText` in the box, selected,
    // and waits; the name when the user pressed OK, nothing when cancelled.
    static std::optional<std::string> Ask(HWND owner, std::string_view initialText);

    enum ControlId : int {
        lblWindowCaption = 100,
        txtWindowSetting,
        cmdOK,
        cmdCancel,
    };

private:
    frmSettingName() = default;

    bool OnCreate() override;
    void Layout(const CDpiScale& scale) override;
    void TakeOutSeparators(HWND box);
    void UpdateOkButton();
    std::string Name() const;

    std::string mInitialText;
    std::string mAnswer;
};

} // namespace kiv::win32
