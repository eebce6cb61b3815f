#pragma once

#include "app/Dialogs.h"
#include "app/HookSupervisor.h"
#include "app/Selection.h"
#include "hotkeys/HotKeyEditor.h"
#include "platform/Desktop.h"
#include "util/ErrorReport.h"

#include <string>
#include <string_view>

namespace kiv {

// Commands whose enabled state the setting rules decide; each stands for its
// toolbar button and its menu entry alike.
enum class MainCommand {
    Add,
    Delete,
    Rename,
    Save,
    SaveAs,
    GetWindowInfo,
    HotKeyShift,
    HotKeyCtrl,
    HotKeyKey,
    Options,
    PlayList,
    About
};

// The controls the setting commands enable and fill.
class ISettingCommandsView {
public:
    virtual ~ISettingCommandsView() = default;
    virtual void SetCommandEnabled(MainCommand command, bool enabled) = 0;
    // Moves the keyboard focus to the button that chooses the application.
    virtual void FocusGetWindowInfo() = 0;
    virtual void ShowApplicationName(std::string_view name) = 0;
    virtual std::string ApplicationNameShown() const = 0;
};

// The commands on the named settings (add, delete, rename, save, save under
// another name), the rules that enable them, and the hot key of the selected
// setting on the hot key page.
class CSettingCommands {
public:
    struct Views {
        ISettingCommandsView& commands;
        IDialogs& dialogs;
        // The hot key page's controls.
        IHotKeyEditorView& hotKey;
    };
    CSettingCommands(const Views& views, ISelection& selection, CHookSupervisor& hooks,
                     IDesktop& desktop, IErrorReporter& reporter)
        : mView(views.commands), mDialogs(views.dialogs), mHotKeyView(views.hotKey),
          mSelection(selection), mHooks(hooks), mDesktop(desktop), mReporter(reporter) {}

    void HandleAddSettingClick();
    void HandleDeleteClick();
    void HandleRenameClick();
    void HandleSaveClick();
    void HandleSaveAsClick();
    void SetButtonEnabledState();

    // The hot key page: the key list, showing a setting's hot key, and the
    // text the user builds with the boxes and the list.
    void LoadKeyCombo();
    void Let_HotKey(std::string_view hotKey);
    void SetNewKeyCode();

private:
    ISettingCommandsView& mView;
    IDialogs& mDialogs;
    IHotKeyEditorView& mHotKeyView;
    ISelection& mSelection;
    CHookSupervisor& mHooks;
    IDesktop& mDesktop;
    IErrorReporter& mReporter;
    CHotKeyEditor mHotKeyEditor{HotKeyEditorKind::MainWindow};
};

} // namespace kiv
