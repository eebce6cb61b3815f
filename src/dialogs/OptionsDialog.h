#pragma once

#include "platform/StartWithWindows.h"
#include "store/Options.h"
#include "util/ErrorReport.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kiv {

// The options dialog's controls as its rules see them.
enum class OptionsCheck {
    SubClassWindowSize,
    GlobalKeyHook,
    SpecifyDimensions,
    UseCaptionNotClass,
    PlayListAutoSelect,
    PlayListAutoAdd,
    DisableDVDRomContent,
    AutoMouseHide,
    ShowTrayIcon,
    StartWithWindows,
};
enum class OptionsText {
    AssumedWidth,
    AssumedHeight,
    TaskBarMargin,
    TitleBarMargin,
    SideMargin,
    LaunchApplication,
};
// The start modes, the default setting for new play list entries, the drive
// list (the window fills it with the system's drives) and the hot key features.
enum class OptionsList { WindowStartMode, PlayListDefaultSetting, Drive, Feature };

// What the options dialog's rules ask of its window. Showing a value never
// runs a handler: the rules run the handling themselves where it is due.
class IOptionsView {
public:
    virtual ~IOptionsView() = default;
    virtual bool IsChecked(OptionsCheck box) const = 0;
    virtual void ShowChecked(OptionsCheck box, bool checked) = 0;
    virtual bool IsSpecifyDimensionsEnabled() const = 0;
    virtual void EnableSpecifyDimensions(bool enabled) = 0;
    // The two assumed dimension boxes and their labels.
    virtual void EnableAssumedDimensions(bool enabled) = 0;

    virtual std::string Text(OptionsText box) const = 0;
    virtual void ShowText(OptionsText box, std::string_view text) = 0;
    virtual void FocusText(OptionsText box) = 0;

    virtual void AddListItem(OptionsList list, std::string_view text, int32_t itemData) = 0;
    // -1 when nothing is selected; showing -1 clears the selection.
    virtual int32_t ListIndex(OptionsList list) const = 0;
    virtual void ShowListIndex(OptionsList list, int32_t index) = 0;
    virtual std::string ListText(OptionsList list, int32_t index) const = 0;
    virtual int32_t ListItemData(OptionsList list, int32_t index) const = 0;
    // First entry equal to (exact) or beginning with `text`, letter case
    // ignored; -1 when none.
    virtual int32_t FindListText(OptionsList list, std::string_view text, bool exact) const = 0;

    // Shows a hot key on the feature's editor, which then announces it
    // (COptionsDialog::hkFeature_HotKeyChanged).
    virtual void ShowFeatureHotKey(std::string_view hotKey) = 0;
    virtual void SetToolTips() = 0;
    // Closes the dialog.
    virtual void Unload() = 0;
};

// What the options dialog is given when it opens.
struct OptionsDialogInput {
    // The program's options: copied when the dialog loads, written by Save.
    COptions& options;
    // The texts of the main window's setting list, in its order.
    std::vector<std::string> settingNames;
    // Switches the system's automatic start of disc content off (true) or on.
    std::function<void(bool disable)> disableDVDRomContent;
    // KIV's entry among the programs Windows starts at logon; without one the
    // box shows the stored choice and Save changes no entry.
    IStartWithWindows* startWithWindows = nullptr;
};

// The rules of the options dialog: filling the controls from a copy of the
// options, the enabled state, the hot key of each feature, the checks of the
// margin boxes, and Save, which adds or removes KIV's entry among the
// programs Windows starts and writes the controls into the program's options
// and their file; when either cannot be written the dialog stays open and the
// program's options keep their values. Exit, or closing the
// window, drops the copy.
class COptionsDialog {
public:
    // The hot key features, in the order of the feature list (feature 1 first).
    static constexpr std::array<std::string_view, 10> kFeatureNames = {
        "Select controlled application",
        "Select KIV",
        "Move application up",
        "Move application down",
        "Move application left",
        "Move application right",
        "Expand application window",
        "Shrink application window",
        "Save Changes",
        "Reapply Current Settings"};
    static constexpr std::array<std::string_view, 3> kStartModeNames = {"Normal", "Minimized",
                                                                        "Hidden"};
    static constexpr std::string_view kNotNumericMessage = "Value must be numeric";
    static constexpr std::string_view kBelowDefaultMessage =
        "Value must be -1 for default, or a positive number";
    static constexpr std::string_view kStartNotAddedMessage =
        "KIV could not add itself to the programs that start with Windows. Nothing was saved.";
    static constexpr std::string_view kStartNotRemovedMessage =
        "KIV could not remove itself from the programs that start with Windows. Nothing was "
        "saved.";

    COptionsDialog(IOptionsView& view, const OptionsDialogInput& input, IErrorReporter& reporter);

    // After the window has built and laid out its controls and shown the
    // first page: fills the lists and the controls.
    void Form_Load();
    void cboFeature_Click();
    void hkFeature_HotKeyChanged(const std::string& hotKey);
    // Also the click of the window size, dimensions and global hot key boxes.
    void SetControlEnabledState();
    // The title bar or side margin box lost the focus to another control of
    // the dialog. Checked, except on the way to Exit (nothing is kept, so
    // nothing needs checking) and when it lost the focus to the box a failed
    // check gave it back to: two failing boxes would else hand the focus and
    // their messages back and forth for ever.
    void MarginLeft(OptionsText box, bool towardsExit);
    // The title bar or side margin box is about to lose the focus.
    void ValidateMargin(OptionsText box);
    void cmdSave_Click();
    void cmdExit_Click();

    // The keystroke a text box keeps: digits for the dimensions and the task
    // bar margin, digits and "-" for the two margins that take -1.
    static int16_t FilterKeyPress(OptionsText box, int16_t keyAscii);

private:
    void LoadSettingList();
    void LoadWindowStartList();
    void LoadFeatureList();
    void ShowCurrentValues();
    // The hot key option of feature 1 to 10 in `options`; null for any other number.
    static std::string* FeatureHotKey(COptions& options, int32_t feature);
    int32_t SelectedFeature() const;
    // Writes the controls into the program's options, field by field.
    void WriteControls();
    // Adds or removes KIV's entry when the box no longer shows what it did.
    // False, and said, when the system refused.
    bool ApplyStartWithWindows();

    IOptionsView& mView;
    OptionsDialogInput mInput;
    IErrorReporter& mReporter;
    // The box a failed check put the focus back into, until its own next check.
    std::optional<OptionsText> mFocusGivenBack;
    // Whether KIV's entry starts this copy of KIV, as the box showed it.
    bool mStartsWithWindows = false;
    COptions mOptions;
};

} // namespace kiv
