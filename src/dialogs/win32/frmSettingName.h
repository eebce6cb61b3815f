#pragma once

#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Window.h"

#include <optional>
#include <string>
#include <string_view>

namespace kiv::win32 {

// "Setting Name": the small modal dialog that asks for a setting's name.
class frmSettingName : public CWindow {
public:
    // Shows the dialog over `owner` with `initialText` in the box, selected,
    // and waits; the name when the user pressed OK, nothing when cancelled.
    static std::optional<std::string> Ask(HWND owner, std::string_view initialText);

    enum ControlId : int {
        lblWindowCaption = 100,
        txtWindowSetting,
        cmdOK = IDOK,
        cmdCancel = IDCANCEL,
    };

private:
    frmSettingName() = default;
    ~frmSettingName() override;

    bool OnCreate() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnClose() override;
    bool OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    void Layout();
    void Finish(bool accepted);
    void UpdateOkButton();
    static LRESULT CALLBACK NameBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR data);

    std::string mInitialText;
    std::optional<std::string> mAnswer;
    bool mDone = false;
    UINT mDpi = 96;
    UniqueGdiObject mFont;
};

} // namespace kiv::win32
