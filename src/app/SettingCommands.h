#pragma once

#include "app/Dialogs.h"
#include "app/FeatureSeams.h"
#include "app/HookSupervisor.h"
#include "app/Selection.h"
#include "hotkeys/HotKeyEditor.h"
#include "platform/Desktop.h"
#include "util/ErrorReport.h"

#include <string>
#include <string_view>

namespace kiv {

// The commands on the named settings (add, delete, rename, save, save under
// another name), the rules that enable them, and the hot key of the selected
// setting on the hot key page.
class CSettingCommands : public ISettingCommandSet {
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

    void HandleAddSettingClick() override;
    void HandleDeleteClick() override;
    void HandleRenameClick() override;
    void HandleSaveClick() override;
    void HandleSaveAsClick() override;
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
