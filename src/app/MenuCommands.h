#pragma once

#include "app/AspectMenu.h"
#include "app/BlankingSeams.h"
#include "app/CommandQueue.h"
#include "app/MainCommands.h"
#include "app/Selection.h"
#include "util/ErrorReport.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kiv {

// The pop-up menus that are never shown in the menu bar.
enum class MainPopup { TrayIcon, Context };
// A point on the screen, in pixels.
struct ScreenPoint {
    int32_t x = 0;
    int32_t y = 0;
};

// The menus, the tray icon and the main window as the menus show and hide it.
class IMenuView {
public:
    virtual ~IMenuView() = default;
    // The setting entries of the "Aspect Ratio", tray and context menus.
    virtual void ShowSettingMenus(const AspectMenuState& menus) = 0;
    // Shows a pop-up menu at `at` (at the pointer when not given) and returns
    // the index of the chosen entry, -1 when none was chosen.
    virtual int32_t ShowPopupMenu(MainPopup popup, std::optional<ScreenPoint> at) = 0;
    // The notification-area icon, with the window's icon and the tip "KIV".
    virtual bool AddTrayIcon() = 0;
    virtual bool DeleteTrayIcon() = 0;
    virtual void SetMainWindowVisible(bool visible) = 0;
    // Restores the window when minimized, gives it the focus and puts it on top.
    virtual void BringMainWindowToFront() = 0;
    // Closes the main window as its close box does: the program shuts down.
    virtual void UnloadMainWindow() = 0;
    // The help file's contents and index.
    virtual void ShowHelpContents(std::string_view helpFile) = 0;
    // Opens a document with the program the system associates with it.
    virtual bool OpenDocument(std::string_view path) = 0;
};

// The menu bar's entries, the menus that list the settings, the tray icon
// and its menu, and the blanking windows' context menu.
class CMenuCommands {
public:
    CMenuCommands(IMenuView& view, ISelection& selection, CCommandQueue& queue,
                  CMainCommands& commands, IBlankingSwitch& blanking, IErrorReporter& reporter,
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
    void RunContextEntry(int32_t index);
    void ShowHelp();

    IMenuView& mView;
    ISelection& mSelection;
    CCommandQueue& mQueue;
    CMainCommands& mCommands;
    IBlankingSwitch& mBlanking;
    IErrorReporter& mReporter;
    std::string mAppPath;
    std::string mHelpFile;
    bool mTrayIcon = false;
    AspectMenuState mAspectMenu;
};

} // namespace kiv
