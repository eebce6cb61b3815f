#pragma once

#include "app/AspectMenu.h"
#include "app/CommandQueue.h"
#include "app/FeatureSeams.h"
#include "app/MainView.h"
#include "app/Selection.h"
#include "util/ErrorReport.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kiv {

// The menu bar's entries, the menus that list the settings, the tray icon
// and its menu, and the blanking windows' context menu.
class CMenuCommands {
public:
    CMenuCommands(IMenuView& view, ISelection& selection, CCommandQueue& queue,
                  IMainCommandRunner& commands, IBlankingSwitch& blanking, IErrorReporter& reporter,
                  std::string appPath)
        : mView(view), mSelection(selection), mQueue(queue), mCommands(commands),
          mBlanking(blanking), mReporter(reporter), mAppPath(std::move(appPath)) {}

    // Start-up: the help file when there is one.
    void SetHelpFile(std::string helpFile) { mHelpFile = std::move(helpFile); }
    // The setting list changed: the menus that list it are built anew.
    void PopulateAspectmenu();
    // Each handler gets the entry's index. A chosen entry runs after the
    // command running when there is one; Exit first closes what is open.
    void mnuSetting_Click(int32_t index);
    void mnuFeature_Click(int32_t index);
    void mnuHelp_Click(int32_t index);
    void mnuTrayIcon_Click(int32_t index);
    void mnuContext_Click(int32_t index);

    void AddTrayIcon();
    void RemoveTrayIcon();
    // The shell made a new taskbar: its notification area knows no icon.
    void TaskbarCreated();
    // A mouse event on the tray icon, as its mouse message (516: right button down).
    void TrayIcon_MouseEvent(int32_t mouseMessage);
    // The blanking windows' right click: the context menu at a screen point.
    void ShowContextMenu(int32_t screenX, int32_t screenY);

private:
    // Choosing a setting entry (51-60) of a menu.
    void ChooseSettingFromMenu(int32_t index);
    // Runs the command of the entry `index` among `entries`; false when none is that entry.
    bool InvokeMenuCommand(std::span<const MenuCommand> entries, int32_t index);
    void RunContextEntry(int32_t index);
    void ShowHelp();

    IMenuView& mView;
    ISelection& mSelection;
    CCommandQueue& mQueue;
    IMainCommandRunner& mCommands;
    IBlankingSwitch& mBlanking;
    IErrorReporter& mReporter;
    std::string mAppPath;
    std::string mHelpFile;
    bool mTrayIcon = false;
    AspectMenuState mAspectMenu;
};

} // namespace kiv
