#pragma once

#include "app/Dialogs.h"
#include "app/HookSupervisor.h"
#include "app/OrbitBlanking.h"
#include "app/PositionEditor.h"
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
    // The hot key page's controls.
    virtual IHotKeyEditorView& HotKeyFrame() = 0;
};

// The menus that list the settings, rebuilt whenever the collection changes.
class ISettingMenus {
public:
    virtual ~ISettingMenus() = default;
    virtual void PopulateAspectmenu() = 0;
};

// The commands on the named settings (add, delete, rename, save, save under
// another name), the rules that enable them, and the hot key of the selected
// setting on the hot key page.
class CSettingCommands {
public:
    struct Views {
        ISettingCommandsView& commands;
        IDialogs& dialogs;
        IPositionView& position;
    };
    CSettingCommands(const Views& views, ISelection& selection, ISettingMenus& menus,
                     COrbitBlanking& orbitBlanking, CHookSupervisor& hooks, IDesktop& desktop,
                     IErrorReporter& reporter)
        : mView(views.commands), mDialogs(views.dialogs), mPositionView(views.position),
          mSelection(selection), mMenus(menus), mOrbitBlanking(orbitBlanking), mHooks(hooks),
          mDesktop(desktop), mReporter(reporter) {}

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
    IPositionView& mPositionView;
    ISelection& mSelection;
    ISettingMenus& mMenus;
    COrbitBlanking& mOrbitBlanking;
    CHookSupervisor& mHooks;
    IDesktop& mDesktop;
    IErrorReporter& mReporter;
    CHotKeyEditor mHotKeyEditor{HotKeyEditorKind::MainWindow};
};

} // namespace kiv
