#pragma once

#include "dialogs/OptionsDialog.h"
#include "hotkeys/win32/HotKeyControl.h"
#include "platform/win32/Controls.h"
#include "platform/win32/ModalDialog.h"
#include "platform/win32/TabPage.h"
#include "platform/win32/Win32Platform.h"

#include <array>
#include <span>
#include <string_view>

namespace kiv::win32 {

// A control of an options page, placed in device-independent pixels.
struct OptionsControlSpec {
    int id;
    const char* className;
    const char* text;
    DWORD style;
    int x, y, width, height;
    std::string_view tip = {};
    DWORD exStyle = 0;
};

// One page of the options dialog: the controls of its table.
class COptionsPage : public CTabPage {
public:
    COptionsPage() = default;
    void SetControls(std::span<const OptionsControlSpec> controls) { mControls = controls; }
    void Build() override;
    void Layout(const CDpiScale& scale) override;

private:
    std::span<const OptionsControlSpec> mControls;
};

// "KIV Options": the modal dialog that edits the program options on five
// tab pages. The rules live in COptionsDialog; the window shows them.
class frmOptions : public CModalDialog, private IOptionsView {
public:
    // Shows the dialog over `owner` and returns when the user has saved or left.
    static void Show(HWND owner, const OptionsDialogInput& input);

    enum ControlId : int {
        tabOptions = 10, // clear of the hot key editor's part ids
        cmdSave,
        cmdExit,
        // "&Window"
        chkShowTrayIcon = 200,
        lblWindowStartMode,
        cboWindowStartMode,
        chkSubClassWindowSize,
        chkSpecifyDimensions,
        lblAssumedHeight,
        txtAssumedHeight,
        lblAssumedWidth,
        txtAssumedWidth,
        // "&PlayList"
        chkPlayListAutoSelect = 300,
        chkPlayListAutoAdd,
        Label1,
        cboPlayListDefaultSetting,
        lblDrive,
        drvDrive,
        Label3,
        txtLaunchApplication,
        cmdGetLaunchProgram,
        // "&Blanking"
        lblTaskBarMargin = 400,
        txtTaskBarMargin,
        lblTitleBarMargin,
        txtTitleBarMargin,
        lblSideMargin,
        txtSideMargin,
        // "&HotKeys"
        fraSetHotKey = 500,
        Label2,
        cboFeature,
        hkFeature,
        chkGlobalKeyHook,
        // "&Other"
        chkUseCaptionNotClass = 600,
        chkAutoMouseHide,
        chkDisableDVDRomContent,
        chkStartWithWindows,
    };

private:
    explicit frmOptions(const OptionsDialogInput& input);

    bool OnCreate() override;
    bool OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Layout(const CDpiScale& scale) override;
    void FillDriveList();
    void FilterTextBoxes();
    // Hides every page, then shows the one of the tab `key` in front.
    void tabOptions_Click(std::string_view key);
    void cmdGetLaunchProgram_Click();
    // A control of the dialog or of any of its pages.
    HWND Item(int id) const;

    // IOptionsView
    bool IsChecked(OptionsCheck box) const override;
    void ShowChecked(OptionsCheck box, bool checked) override;
    bool IsSpecifyDimensionsEnabled() const override;
    void EnableSpecifyDimensions(bool enabled) override;
    void EnableAssumedDimensions(bool enabled) override;
    std::string Text(OptionsText box) const override;
    void ShowText(OptionsText box, std::string_view text) override;
    void FocusText(OptionsText box) override;
    void AddListItem(OptionsList list, std::string_view text, int32_t itemData) override;
    int32_t ListIndex(OptionsList list) const override;
    void ShowListIndex(OptionsList list, int32_t index) override;
    std::string ListText(OptionsList list, int32_t index) const override;
    int32_t ListItemData(OptionsList list, int32_t index) const override;
    int32_t FindListText(OptionsList list, std::string_view text, bool exact) const override;
    void ShowFeatureHotKey(std::string_view hotKey) override;
    void SetToolTips() override;
    void Unload() override;

    CMessageBoxReporter mReporter;
    std::array<COptionsPage, 5> mPages;
    CHotKeyControl mHotKey;
    COptionsDialog mDialog;
    HWND mToolTips = nullptr; // owned by the dialog, destroyed with it
    CToolTipTable mButtonTips;
};

} // namespace kiv::win32
