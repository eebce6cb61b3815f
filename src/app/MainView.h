#pragma once

#include "app/AspectMenu.h"
#include "platform/Geometry.h"
#include "playlist/DvdArrival.h"
#include "store/WindowSetting.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kiv {

// What the controller asks of the main window itself: the setting list, the
// caption, the tab strip and the lock watchdog's timer. The window only shows
// state and reports what the user did; setting a value here never runs a
// handler: the controller runs the handling itself where a change calls for it.
class IMainView : public IDvdArrivalView {
public:
    ~IMainView() override = default;

    virtual WindowHandle Handle() const = 0;

    // The setting list: sorted by the list itself, each entry carrying a number.
    virtual void ClearSettingList() = 0;
    virtual int32_t AddSettingListItem(std::string_view text, int32_t itemData) = 0;
    virtual int32_t SettingListCount() const = 0;
    virtual int32_t SettingListItemData(int32_t index) const = 0;
    virtual std::string SettingListText(int32_t index) const = 0;
    // First entry equal to `text`, letters compared without regard to case; -1 when none.
    virtual int32_t FindSettingListText(std::string_view text) const = 0;
    virtual int32_t SettingListIndex() const = 0;
    virtual void ShowSettingListIndex(int32_t index) = 0;

    virtual void SetCaption(std::string_view caption) = 0;
    // The setting's application name.
    virtual void ShowSetting(const CWindowSetting& setting) = 0;
    virtual void SetCheckerEnabled(bool enabled) = 0;

    // Lays out and shows the page of the tab `key`; with `initialize`, first
    // places every page on the tab strip and selects that tab.
    virtual void SetupTabPages(bool initialize, std::string_view key) = 0;
    virtual void SetToolTips() = 0;
    // 0 normal and activated, 1 minimized, anything else hidden.
    virtual void ShowAsStartMode(int32_t startMode) = 0;
    // Ends the process at once, without the normal shutdown.
    virtual void EndProgramNow() = 0;
    // Closes every modal window of the program that is open, as Cancel would.
    virtual void CancelModalWindows() = 0;
};

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

// The menu entries that run a main command, by menu: an entry's command is
// enabled and disabled with its toolbar button.
struct MenuCommand {
    int32_t index;
    MainCommand command;
};
inline constexpr MenuCommand kSettingMenuCommands[] = {{menu::kAdd, MainCommand::Add},
                                                       {menu::kDelete, MainCommand::Delete},
                                                       {menu::kRename, MainCommand::Rename},
                                                       {menu::kSave, MainCommand::Save},
                                                       {menu::kSaveAs, MainCommand::SaveAs}};
inline constexpr MenuCommand kFeatureMenuCommands[] = {{menu::kPlayList, MainCommand::PlayList},
                                                       {menu::kOptions, MainCommand::Options}};
inline constexpr MenuCommand kHelpMenuCommands[] = {{menu::kAbout, MainCommand::About}};

// The main window's controls the setting commands enable and fill.
class ISettingCommandsView {
public:
    virtual ~ISettingCommandsView() = default;
    virtual void SetCommandEnabled(MainCommand command, bool enabled) = 0;
    // Moves the keyboard focus to the button that chooses the application.
    virtual void FocusGetWindowInfo() = 0;
    virtual void ShowApplicationName(std::string_view name) = 0;
    virtual std::string ApplicationNameShown() const = 0;
};

// The pop-up menus that are never shown in the menu bar.
enum class MainPopup { TrayIcon, Context };
// A point on the screen, in pixels.
struct ScreenPoint {
    int32_t x = 0;
    int32_t y = 0;
};

// The main window's menus, its tray icon and the window as the menus show
// and hide it.
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

} // namespace kiv
