#pragma once

#include "app/MenuCommands.h"
#include "platform/win32/UniqueHandle.h"

#include <optional>

namespace kiv::win32 {

// The main window's menus: the bar ("&Aspect Ratio", "&Features", "&Help")
// and the pop-ups never shown in it (tray, context, position edit). A menu
// entry's command id is its menu's base plus the entry's index.
class CMainMenus {
public:
    enum class Menu { Setting, Feature, Help, TrayIcon, Context, PositionEdit };
    static constexpr int kSettingBase = 1000;
    static constexpr int kFeatureBase = 1200;
    static constexpr int kHelpBase = 1300;
    static constexpr int kTrayIconBase = 1400;
    static constexpr int kContextBase = 1500;
    static constexpr int kPositionEditBase = 1600;
    static constexpr int kIndexRange = 101; // indexes 0 to 100

    // Builds every menu and gives `owner` the bar.
    bool Create(HWND owner);

    // Which menu and entry a command id of the bar is.
    struct Entry {
        Menu menu;
        int32_t index;
    };
    static std::optional<Entry> FromCommandId(int id);

    // The setting entries 51-60 and the separator at 50 of the three menus.
    void ShowSettingEntries(const AspectMenuState& menus);
    void SetEnabled(MainCommand command, bool enabled);

    // Shows the tray or context menu at `at` (the pointer when not given)
    // without bringing any of KIV's windows forward; the index of the chosen
    // entry, -1 when none was chosen.
    int32_t TrackPopup(MainPopup popup, std::optional<ScreenPoint> at);
    // A position label's "Edit" menu at the pointer; true when it was chosen.
    bool TrackPositionEdit(HWND owner);

    HMENU Popup(MainPopup popup) const;

private:
    HMENU mBar = nullptr;         // the window's: destroyed with it
    HMENU mSettingMenu = nullptr; // part of the bar
    UniqueMenu mTrayIcon;
    UniqueMenu mContext;
    UniqueMenu mPositionEdit;
    // The tray and context menus' owner.
    HWND MenuOwner();
    UniqueWindow mMenuOwner;
};

} // namespace kiv::win32
