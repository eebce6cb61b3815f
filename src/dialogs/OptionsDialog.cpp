#include "dialogs/OptionsDialog.h"

#include "util/KeyFilters.h"
#include "util/Numbers.h"

#include <utility>

namespace kiv {

namespace {
// The option each feature of the list assigns a hot key to, feature 1 first.
constexpr std::array<std::string COptions::*, 10> kFeatureOptions = {
    &COptions::HotKeySetFocusApp,   &COptions::HotKeySetFocusKIV, &COptions::HotKeyMoveUp,
    &COptions::HotKeyMoveDown,      &COptions::HotKeyMoveLeft,    &COptions::HotKeyMoveRight,
    &COptions::HotKeyExpand,        &COptions::HotKeyShrink,      &COptions::HotKeySave,
    &COptions::HotKeyReapplyCurrent};

// "0" to "9", Backspace and "-": the margins that take -1 for the default.
constexpr std::array<int16_t, 12> kMarginKeys = {'0', '1', '2', '3', '4',           '5',
                                                 '6', '7', '8', '9', kKeyBackspace, '-'};
} // namespace

COptionsDialog::COptionsDialog(IOptionsView& view, const OptionsDialogInput& input,
                               IErrorReporter& reporter)
    : mView(view), mInput(input), mReporter(reporter), mOptions(reporter) {
    mInput.options.AssignTo(mOptions);
}

void COptionsDialog::Form_Load() {
    TrapErrors(mReporter, "Form_Load", [&] {
        LoadSettingList();
        LoadFeatureList();
        LoadWindowStartList();
        ShowCurrentValues();
        mView.SetToolTips();
        SetControlEnabledState();
    });
}

void COptionsDialog::LoadSettingList() {
    TrapErrors(mReporter, "LoadSettingList", [&] {
        for (const std::string& name : mInput.settingNames) {
            mView.AddListItem(OptionsList::PlayListDefaultSetting, name, 0);
        }
    });
}

void COptionsDialog::LoadWindowStartList() {
    TrapErrors(mReporter, "LoadWindowStartList", [&] {
        for (size_t mode = 0; mode < kStartModeNames.size(); ++mode) {
            mView.AddListItem(OptionsList::WindowStartMode, kStartModeNames[mode],
                              static_cast<int32_t>(mode));
        }
    });
}

void COptionsDialog::LoadFeatureList() {
    TrapErrors(mReporter, "LoadFeatureList", [&] {
        for (size_t i = 0; i < kFeatureNames.size(); ++i) {
            mView.AddListItem(OptionsList::Feature, kFeatureNames[i], static_cast<int32_t>(i + 1));
        }
        mView.ShowListIndex(OptionsList::Feature, 0);
        cboFeature_Click();
    });
}

void COptionsDialog::ShowCurrentValues() {
    TrapErrors(mReporter, "ShowCurrentValues", [&] {
        mView.ShowChecked(OptionsCheck::SubClassWindowSize, mOptions.SubClassWindowSize);
        mView.ShowChecked(OptionsCheck::GlobalKeyHook, mOptions.GlobalKeyHook);
        mView.ShowChecked(OptionsCheck::SpecifyDimensions, mOptions.SpecifyDimensions);
        mView.ShowChecked(OptionsCheck::UseCaptionNotClass, mOptions.UseCaptionNotClass);

        mView.ShowText(OptionsText::AssumedWidth, DecimalText(mOptions.AssumedWidth));
        mView.ShowText(OptionsText::AssumedHeight, DecimalText(mOptions.AssumedHeight));
        mView.ShowText(OptionsText::TaskBarMargin, DecimalText(mOptions.TaskBarMargin));
        mView.ShowText(OptionsText::TitleBarMargin, DecimalText(mOptions.TitleBarMargin));
        mView.ShowText(OptionsText::SideMargin, DecimalText(mOptions.SideMargin));
        mView.ShowText(OptionsText::LaunchApplication, mOptions.LaunchApplication);

        // A stored mode the list does not offer leaves it without selection.
        const int32_t mode = mOptions.WindowStartMode;
        mView.ShowListIndex(OptionsList::WindowStartMode,
                            mode >= 0 && mode < static_cast<int32_t>(kStartModeNames.size()) ? mode
                                                                                             : -1);

        mView.ShowChecked(OptionsCheck::PlayListAutoSelect, mOptions.PlayListAutoSelect);
        mView.ShowChecked(OptionsCheck::PlayListAutoAdd, mOptions.PlayListAutoAdd);

        mView.ShowListIndex(OptionsList::Drive,
                            mView.FindListText(OptionsList::Drive, mOptions.Drive, false));
        mView.ShowListIndex(OptionsList::PlayListDefaultSetting,
                            mView.FindListText(OptionsList::PlayListDefaultSetting,
                                               mOptions.PlayListDefaultSetting, true));

        mView.ShowChecked(OptionsCheck::DisableDVDRomContent, mOptions.DisableDVDRomContent);
        mView.ShowChecked(OptionsCheck::AutoMouseHide, mOptions.AutoMouseHide);
        mView.ShowChecked(OptionsCheck::ShowTrayIcon, mOptions.ShowTrayIcon);

        // The system's list is the truth: an entry of another copy of KIV, or
        // one removed by hand, shows as not starting this one.
        IStartWithWindows* logon = mInput.startWithWindows;
        if (logon == nullptr) {
            mStartsWithWindows = mOptions.StartWithWindows;
        } else {
            const std::optional<std::string> entry = logon->Entry();
            mStartsWithWindows = entry && StartsProgram(*entry, logon->ProgramPath());
        }
        mView.ShowChecked(OptionsCheck::StartWithWindows, mStartsWithWindows);
    });
}

void COptionsDialog::SetControlEnabledState() {
    TrapErrors(mReporter, "SetControlEnabledState", [&] {
        const bool specifyEnabled = mView.IsChecked(OptionsCheck::SubClassWindowSize);
        mView.EnableSpecifyDimensions(specifyEnabled);
        mView.EnableAssumedDimensions(specifyEnabled &&
                                      mView.IsChecked(OptionsCheck::SpecifyDimensions));
    });
}

std::string* COptionsDialog::FeatureHotKey(COptions& options, int32_t feature) {
    if (feature < 1 || feature > static_cast<int32_t>(kFeatureOptions.size())) {
        return nullptr;
    }
    return &(options.*kFeatureOptions[static_cast<size_t>(feature - 1)]);
}

int32_t COptionsDialog::SelectedFeature() const {
    const int32_t index = mView.ListIndex(OptionsList::Feature);
    return index < 0 ? 0 : mView.ListItemData(OptionsList::Feature, index);
}

void COptionsDialog::cboFeature_Click() {
    if (const std::string* hotKey = FeatureHotKey(mOptions, SelectedFeature())) {
        mView.ShowFeatureHotKey(*hotKey);
    }
}

void COptionsDialog::hkFeature_HotKeyChanged(const std::string& hotKey) {
    // Kept in the copy: nothing reaches the program's options before Save.
    if (std::string* option = FeatureHotKey(mOptions, SelectedFeature())) {
        *option = hotKey;
    }
}

void COptionsDialog::MarginLeft(OptionsText box, bool towardsExit) {
    if (towardsExit) {
        return;
    }
    const std::optional<OptionsText> givenBack = std::exchange(mFocusGivenBack, std::nullopt);
    if (givenBack && *givenBack != box) {
        return; // only the box holding the focus again can lose it next
    }
    ValidateMargin(box);
}

void COptionsDialog::ValidateMargin(OptionsText box) {
    const char* procedure =
        box == OptionsText::SideMargin ? "txtSideMargin_Validate" : "txtTitleBarMargin_Validate";
    TrapErrors(mReporter, procedure, [&] {
        const std::string text = mView.Text(box);
        std::string_view message;
        if (!IsNumeric(text)) {
            message = kNotNumericMessage;
        } else if (*ParseNumeric(text) < -1) {
            message = kBelowDefaultMessage;
        } else {
            return;
        }
        // The text stays as typed; the focus goes back to it.
        mReporter.ShowMessage(message, kAppTitle);
        mFocusGivenBack = box;
        mView.FocusText(box);
    });
}

void COptionsDialog::WriteControls() {
    // Field by field: a box that cannot be read ends the save there, and the
    // fields before it keep their new values.
    COptions& options = mInput.options;
    options.SubClassWindowSize = mView.IsChecked(OptionsCheck::SubClassWindowSize);
    options.GlobalKeyHook = mView.IsChecked(OptionsCheck::GlobalKeyHook);
    options.SpecifyDimensions =
        mView.IsChecked(OptionsCheck::SpecifyDimensions) && mView.IsSpecifyDimensionsEnabled();
    if (options.SpecifyDimensions) {
        options.AssumedHeight = StrictToInt32(mView.Text(OptionsText::AssumedHeight));
        options.AssumedWidth = StrictToInt32(mView.Text(OptionsText::AssumedWidth));
    }
    options.TaskBarMargin = StrictToInt32(mView.Text(OptionsText::TaskBarMargin));
    options.TitleBarMargin = StrictToInt32(mView.Text(OptionsText::TitleBarMargin));
    options.SideMargin = StrictToInt32(mView.Text(OptionsText::SideMargin));
    options.PlayListAutoSelect = mView.IsChecked(OptionsCheck::PlayListAutoSelect);
    options.PlayListAutoAdd = mView.IsChecked(OptionsCheck::PlayListAutoAdd);
    if (const int32_t drive = mView.ListIndex(OptionsList::Drive); drive >= 0) {
        const std::string entry = mView.ListText(OptionsList::Drive, drive);
        options.Drive = entry.substr(0, entry.find(':'));
    }
    if (const int32_t setting = mView.ListIndex(OptionsList::PlayListDefaultSetting);
        setting >= 0) {
        options.PlayListDefaultSetting =
            mView.ListText(OptionsList::PlayListDefaultSetting, setting);
    }
    options.DisableDVDRomContent = mView.IsChecked(OptionsCheck::DisableDVDRomContent);
    options.AutoMouseHide = mView.IsChecked(OptionsCheck::AutoMouseHide);
    options.ShowTrayIcon = mView.IsChecked(OptionsCheck::ShowTrayIcon);
    options.UseCaptionNotClass = mView.IsChecked(OptionsCheck::UseCaptionNotClass);
    options.LaunchApplication = mView.Text(OptionsText::LaunchApplication);
    const int32_t mode = mView.ListIndex(OptionsList::WindowStartMode);
    if (mode < 0) {
        Raise(ErrorNumber::SubscriptOutOfRange);
    }
    options.WindowStartMode = mView.ListItemData(OptionsList::WindowStartMode, mode);
    for (int32_t feature = 1; feature <= static_cast<int32_t>(kFeatureOptions.size()); ++feature) {
        *FeatureHotKey(options, feature) = *FeatureHotKey(mOptions, feature);
    }
    options.StartWithWindows = mView.IsChecked(OptionsCheck::StartWithWindows);
}

bool COptionsDialog::ApplyStartWithWindows() {
    IStartWithWindows* logon = mInput.startWithWindows;
    const bool wanted = mInput.options.StartWithWindows;
    if (logon == nullptr || wanted == mStartsWithWindows) {
        return true; // an entry the box did not change is left as it is, arguments and all
    }
    if (wanted ? !logon->WriteEntry(StartCommandFor(logon->ProgramPath()))
               : !logon->RemoveEntry()) {
        mReporter.ShowMessage(wanted ? kStartNotAddedMessage : kStartNotRemovedMessage, kAppTitle);
        return false;
    }
    mStartsWithWindows = wanted;
    return true;
}

void COptionsDialog::cmdSave_Click() {
    TrapErrors(mReporter, "cmdSave_Click", [&] {
        COptions before(mReporter);
        mInput.options.AssignTo(before);
        WriteControls();
        if (!ApplyStartWithWindows() || !mInput.options.SaveSettings()) {
            // Said by either. The program goes on with the options its file
            // holds; the dialog stays open with the user's values.
            before.AssignTo(mInput.options);
            return;
        }
        // The values go through the file once.
        mInput.options.RetrieveSettings();
        if (mInput.disableDVDRomContent) {
            mInput.disableDVDRomContent(mInput.options.DisableDVDRomContent);
        }
        mView.Unload();
    });
}

void COptionsDialog::cmdExit_Click() {
    TrapErrors(mReporter, "cmdExit_Click", [&] { mView.Unload(); });
}

int16_t COptionsDialog::FilterKeyPress(OptionsText box, int16_t keyAscii) {
    switch (box) {
    case OptionsText::AssumedHeight:
    case OptionsText::AssumedWidth:
    case OptionsText::TaskBarMargin:
        FilterKeyPressDigits(keyAscii);
        return keyAscii;
    case OptionsText::TitleBarMargin:
    case OptionsText::SideMargin:
        return FilterKeyPressValues(keyAscii, kMarginKeys);
    default:
        return keyAscii;
    }
}

} // namespace kiv
