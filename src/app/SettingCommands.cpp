// The main window's commands on the named settings (add, delete, rename,
// save, save under another name), the rules that enable them, the toolbar's
// dispatch and the hot key page.
#include "app/MainController.h"

#include "util/Numbers.h"

#include <array>

namespace kiv {

namespace {
// Runs one step of a procedure whose failing steps are skipped.
template <typename Step> void SkippingErrors(Step&& step) noexcept {
    try {
        step();
    } catch (...) {
        // The next step runs all the same.
    }
}

constexpr std::array<WindowPosControl, 6> kBlankedValues = {
    WindowPosControl::OrbitHorizontal, WindowPosControl::OrbitVertical,
    WindowPosControl::BlankLeft,       WindowPosControl::BlankRight,
    WindowPosControl::BlankTop,        WindowPosControl::BlankBottom,
};
} // namespace

void CMainController::HandleAddSettingClick() {
    TrapErrors(mPlatform.reporter, "HandleAddSettingClick", [&] {
        Size screen = mPlatform.desktop.PrimaryScreenSize();
        std::optional<std::string> name = mView.AskSettingName("");
        if (!name) {
            return;
        }
        // A new setting covers the screen and controls no window yet.
        CWindowSetting values;
        values.SettingName = *name;
        values.WindowWidth = screen.width;
        values.WindowHeight = screen.height;
        mSettings.Add(values);

        FillSettingCombo();
        mSettings.LocateItem(*name, *this);
        PopulateAspectmenu();
        // Choosing the application is the user's next step.
        mView.FocusGetWindowInfo();
        SetButtonEnabledState();
    });
}

void CMainController::HandleDeleteClick() {
    if (!mCurrentSetting) {
        return;
    }
    // No confirmation, and nothing reported from here on: a failing step is skipped.
    SkippingErrors([&] {
        std::string key = CurrentItemKey();
        mSettings.Remove(key);
        // The entry's selection goes with its setting, so the refill below
        // selects no neighbour in its place.
        mView.ShowSettingListIndex(-1);
    });
    SkippingErrors([&] { mView.ShowApplicationName(""); });
    SkippingErrors([&] { mView.ShowPosition(CWindowSetting{}); });
    SkippingErrors([&] {
        for (WindowPosControl control : kBlankedValues) {
            mView.ShowWindowPosValue(control, "0");
        }
    });
    SkippingErrors([&] { mView.HotKeyFrame().ShowHotKeyText(""); });
    SkippingErrors([&] {
        IHotKeyEditorView& frame = mView.HotKeyFrame();
        mHotKeyEditor.WhileLoading([&] {
            frame.ShowCtrlChecked(false);
            frame.ShowShiftChecked(false);
            frame.ShowKeyListIndex(-1);
        });
    });
    SkippingErrors([&] { mSettings.SaveItems(); });
    SkippingErrors([&] { mSettings.LoadItems(); });
    SkippingErrors([&] { FillSettingCombo(); });
    SkippingErrors([&] { PopulateAspectmenu(); });
    SkippingErrors([&] {
        mCurrentSetting.reset();
        // Nothing is selected any more: the deselection runs its handling.
        cboSettingName_Click();
    });
    if (mOptions.SubClassWindowSize) {
        SkippingErrors([&] { StopWindowHook(); });
    }
    SkippingErrors([&] { RestartKeyHook(); });
    SkippingErrors([&] { SetButtonEnabledState(); });
}

void CMainController::HandleRenameClick() {
    TrapErrors(mPlatform.reporter, "HandleRenameClick", [&] {
        if (!mCurrentSetting) {
            return;
        }
        int32_t index = mView.SettingListIndex();
        std::optional<std::string> name =
            mView.AskSettingName(index >= 0 ? mView.SettingListText(index) : std::string());
        if (!name) {
            return;
        }
        mCurrentSetting->SettingName = *name;
        // Saving stores every other pending edit of the working copy too.
        HandleSaveClick();
        PopulateAspectmenu();
        mSettings.LocateItem(*name, *this);
    });
}

void CMainController::HandleSaveClick() {
    TrapErrors(mPlatform.reporter, "HandleSaveClick", [&] {
        if (!mCurrentSetting || mView.SettingListIndex() < 0) {
            return;
        }
        const CWindowSettings::Pointer& stored = mSettings.Item(CurrentItemKey());
        std::string key = stored->ItemKey;
        *stored = mCurrentSetting->CopyWithoutKey();
        stored->ItemKey = std::move(key);
        mSettings.SaveItems();

        // Selecting the entry again renews the working copy and applies it.
        FillSettingCombo();
        if (!RestartWindowHook()) {
            return;
        }
        RestartMouseHook();
        RestartKeyHook();
    });
}

void CMainController::HandleSaveAsClick() {
    TrapErrors(mPlatform.reporter, "HandleSaveAsClick", [&] {
        if (!mCurrentSetting) {
            return;
        }
        std::optional<std::string> name =
            mView.AskSettingName("Copy of " + mCurrentSetting->SettingName);
        if (name) {
            // The copy takes the pending edits; the source keeps its stored values.
            CWindowSetting values = mCurrentSetting->CopyWithoutKey();
            values.SettingName = *name;
            mSettings.Add(values);
            mSettings.SaveItems();
            FillSettingCombo();
            mSettings.LocateItem(*name, *this);
            PopulateAspectmenu();
            RestartKeyHook();
        }
        SetButtonEnabledState();
    });
}

void CMainController::SetButtonEnabledState() {
    TrapErrors(mPlatform.reporter, "SetButtonEnabledState", [&] {
        const bool available = mView.SettingListCount() > 0 && mCurrentSetting != nullptr;
        if (mReadOnly) {
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

void CMainController::tlbMain_ButtonClick(std::string_view key) {
    if (key == "btnAdd") {
        HandleAddSettingClick();
    } else if (key == "btnDelete") {
        HandleDeleteClick();
    } else if (key == "btnRename") {
        HandleRenameClick();
    } else if (key == "btnSave") {
        HandleSaveClick();
    } else if (key == "btnSaveAs") {
        HandleSaveAsClick();
    }
    // "btnOptions", "btnPlayList" and "btnAbout" open windows that do not exist
    // yet; their buttons stay disabled until they do.
}

bool CMainController::RestartKeyHook() {
    if (!mOptions.GlobalKeyHook) {
        return true;
    }
    if (!SetKeyHookOff()) {
        return false;
    }
    mKeyHooks.SetKeyHookOn(mView.Handle(), mSettings, mOptions);
    return true;
}

bool CMainController::RestartWindowHook() {
    if (!mOptions.SubClassWindowSize) {
        return true;
    }
    if (!StopWindowHook()) {
        return false;
    }
    StartWindowHook();
    return true;
}

void CMainController::RestartMouseHook() {
    mKeyHooks.StopMouseHook();
    if (mOptions.AutoMouseHide && mCurrentSetting) {
        mKeyHooks.StartMouseHook(mCurrentSetting->WindowClass);
    }
}

void CMainController::LoadKeyCombo() {
    CHotKeyEditor::LoadKeyCombo(mView.HotKeyFrame());
}

void CMainController::Let_HotKey(std::string_view hotKey) {
    mHotKeyEditor.Let_HotKey(mView.HotKeyFrame(), hotKey);
}

void CMainController::SetNewKeyCode() {
    if (mHotKeyEditor.IsLoading() || !mCurrentSetting) {
        return;
    }
    IHotKeyEditorView& frame = mView.HotKeyFrame();
    if (std::optional<std::string> text = mHotKeyEditor.SetNewKeyCode(frame)) {
        // Kept in the working copy; the key hook learns it when the setting is saved.
        mCurrentSetting->HotKey = *text;
        CHotKeyEditor::ShowBuiltHotKey(frame, *text);
    }
}

} // namespace kiv
