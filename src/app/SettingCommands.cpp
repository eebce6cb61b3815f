// The main window's commands on the named settings (add, delete, rename,
// save, save under another name), the rules that enable them and the hot key
// page.
#include "app/SettingCommands.h"

#include "util/Numbers.h"

namespace kiv {

void CSettingCommands::HandleAddSettingClick() {
    TrapErrors(mReporter, "HandleAddSettingClick", [&] {
        Size screen = mDesktop.PrimaryScreenSize();
        std::optional<std::string> name = mDialogs.AskSettingName("");
        if (!name) {
            return;
        }
        // A new setting covers the screen and controls no window yet.
        CWindowSetting values;
        values.SettingName = *name;
        values.WindowWidth = screen.width;
        values.WindowHeight = screen.height;
        mSelection.Settings().Add(values);

        mSelection.FillSettingCombo();
        mSelection.Settings().LocateItem(*name, mSelection);
        // Choosing the application is the user's next step.
        mView.FocusGetWindowInfo();
        SetButtonEnabledState();
    });
}

void CSettingCommands::HandleDeleteClick() {
    if (!mSelection.CurrentSetting()) {
        return;
    }
    // No confirmation, and nothing reported from here on: a failing step is skipped.
    SkippingErrors("HandleDeleteClick", [&] {
        std::string key = mSelection.CurrentItemKey();
        mSelection.Settings().Remove(key);
        // The entry's selection goes with its setting, so the refill below
        // selects no neighbour in its place.
        mSelection.ShowListIndex(-1);
    });
    SkippingErrors("HandleDeleteClick", [&] { mView.ShowApplicationName(""); });
    SkippingErrors("HandleDeleteClick", [&] { mSelection.ShowNoSetting(); });
    SkippingErrors("HandleDeleteClick", [&] { mHotKeyView.ShowHotKeyText(""); });
    SkippingErrors("HandleDeleteClick", [&] {
        mHotKeyEditor.WhileLoading([&] {
            mHotKeyView.ShowCtrlChecked(false);
            mHotKeyView.ShowShiftChecked(false);
            mHotKeyView.ShowKeyListIndex(-1);
        });
    });
    SkippingErrors("HandleDeleteClick", [&] { mSelection.Settings().SaveItems(); });
    SkippingErrors("HandleDeleteClick", [&] { mSelection.Settings().LoadItems(); });
    SkippingErrors("HandleDeleteClick", [&] { mSelection.FillSettingCombo(); });
    // Nothing is selected any more: the deselection runs its handling.
    SkippingErrors("HandleDeleteClick", [&] { mSelection.cboSettingName_Click(); });
    SkippingErrors("HandleDeleteClick", [&] { mHooks.RestartWindowHook(nullptr); });
    SkippingErrors("HandleDeleteClick", [&] { mHooks.RestartKeyHook(mSelection.Settings()); });
    SkippingErrors("HandleDeleteClick", [&] { SetButtonEnabledState(); });
}

void CSettingCommands::HandleRenameClick() {
    TrapErrors(mReporter, "HandleRenameClick", [&] {
        if (!mSelection.CurrentSetting()) {
            return;
        }
        int32_t index = mSelection.ListIndex();
        const std::string key = mSelection.SelectedItemKey();
        std::optional<std::string> name =
            mDialogs.AskSettingName(index >= 0 ? mSelection.ListText(index) : std::string());
        if (!name) {
            return;
        }
        // The dialog ran messages: the working copy is looked up again, and
        // when another entry is selected by now, the stored setting is renamed.
        if (CWindowSetting* current = mSelection.CurrentSettingOf(key)) {
            current->SettingName = *name;
            // Saving stores every other pending edit of the working copy too.
            HandleSaveClick();
        } else {
            CWindowSettings& settings = mSelection.Settings();
            settings.Item(key)->SettingName = *name;
            settings.SaveItems();
            mSelection.FillSettingCombo();
            mHooks.RestartKeyHook(settings);
        }
        mSelection.Settings().LocateItem(*name, mSelection);
    });
}

void CSettingCommands::HandleSaveClick() {
    TrapErrors(mReporter, "HandleSaveClick", [&] {
        const CWindowSetting* current = mSelection.CurrentSetting();
        if (!current || mSelection.ListIndex() < 0) {
            return;
        }
        CWindowSettings& settings = mSelection.Settings();
        const CWindowSettings::Pointer& stored = settings.Item(mSelection.CurrentItemKey());
        std::string key = stored->ItemKey;
        *stored = current->CopyWithoutKey();
        stored->ItemKey = std::move(key);
        settings.SaveItems();

        // Selecting the entry again renews the working copy and applies it.
        mSelection.FillSettingCombo();
        if (!mHooks.RestartWindowHook(mSelection.CurrentSetting())) {
            return;
        }
        mHooks.RestartMouseHook(mSelection.CurrentSetting());
        mHooks.RestartKeyHook(settings);
    });
}

void CSettingCommands::HandleSaveAsClick() {
    TrapErrors(mReporter, "HandleSaveAsClick", [&] {
        const CWindowSetting* current = mSelection.CurrentSetting();
        if (!current) {
            return;
        }
        // The copy takes the pending edits as they are now: the dialog runs messages.
        CWindowSetting values = current->CopyWithoutKey();
        std::optional<std::string> name = mDialogs.AskSettingName("Copy of " + values.SettingName);
        if (name) {
            // The source keeps its stored values.
            values.SettingName = *name;
            CWindowSettings& settings = mSelection.Settings();
            settings.Add(values);
            settings.SaveItems();
            mSelection.FillSettingCombo();
            settings.LocateItem(*name, mSelection);
            mHooks.RestartKeyHook(settings);
        }
        SetButtonEnabledState();
    });
}

void CSettingCommands::SetButtonEnabledState() {
    TrapErrors(mReporter, "SetButtonEnabledState", [&] {
        const bool available = mSelection.ListCount() > 0 && mSelection.CurrentSetting() != nullptr;
        if (mSelection.ReadOnly()) {
            // The hot key page keeps whatever state it has.
            for (MainCommand command :
                 {MainCommand::Add, MainCommand::Delete, MainCommand::Rename, MainCommand::Save,
                  MainCommand::SaveAs, MainCommand::GetWindowInfo}) {
                mView.SetCommandEnabled(command, false);
            }
            return;
        }
        // Add stays as it is: a setting can always be added.
        for (MainCommand command :
             {MainCommand::Delete, MainCommand::Rename, MainCommand::Save, MainCommand::SaveAs,
              MainCommand::GetWindowInfo, MainCommand::HotKeyCtrl, MainCommand::HotKeyShift,
              MainCommand::HotKeyKey}) {
            mView.SetCommandEnabled(command, available);
        }
    });
}

void CSettingCommands::LoadKeyCombo() {
    CHotKeyEditor::LoadKeyCombo(mHotKeyView);
}

void CSettingCommands::Let_HotKey(std::string_view hotKey) {
    mHotKeyEditor.Let_HotKey(mHotKeyView, hotKey);
}

void CSettingCommands::SetNewKeyCode() {
    CWindowSetting* current = mSelection.CurrentSetting();
    if (mHotKeyEditor.IsLoading() || !current) {
        return;
    }
    if (std::optional<std::string> text = mHotKeyEditor.SetNewKeyCode(mHotKeyView)) {
        // Kept in the working copy; the key hook learns it when the setting is saved.
        current->HotKey = *text;
        CHotKeyEditor::ShowBuiltHotKey(mHotKeyView, *text);
    }
}

} // namespace kiv
