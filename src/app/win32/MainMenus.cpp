#include "app/win32/MainMenus.h"

#include <array>
#include <string>

namespace kiv::win32 {

namespace {

using menu::Item;

void Append(HMENU menu, int base, const Item& item) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_FTYPE;
    info.wID = static_cast<UINT>(base + item.index);
    if (item.caption == nullptr) {
        info.fType = MFT_SEPARATOR;
    } else {
        info.fType = MFT_STRING;
        info.fMask |= MIIM_STRING;
        info.dwTypeData = const_cast<char*>(item.caption);
    }
    ::InsertMenuItemA(menu, static_cast<UINT>(::GetMenuItemCount(menu)), TRUE, &info);
}

int PositionOf(HMENU menu, UINT id) {
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        if (::GetMenuItemID(menu, i) == id) {
            return i;
        }
    }
    return -1;
}

// Replaces entries 50-60 of `menu` with what `menus` shows, after the entry `after`.
void ReplaceSettingEntries(HMENU menu, int base, int32_t after, const AspectMenuState& menus) {
    for (int i = ::GetMenuItemCount(menu) - 1; i >= 0; --i) {
        const int id = static_cast<int>(::GetMenuItemID(menu, i));
        if (id >= base + kSettingMenuSeparator && id <= base + kLastSettingMenuEntry) {
            ::DeleteMenu(menu, static_cast<UINT>(i), MF_BYPOSITION);
        }
    }
    if (!menus.SeparatorVisible) {
        return;
    }
    int position = PositionOf(menu, static_cast<UINT>(base + after)) + 1;
    auto insert = [&](int32_t index, const std::string* caption) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_FTYPE;
        info.wID = static_cast<UINT>(base + index);
        info.fType = caption ? MFT_STRING : MFT_SEPARATOR;
        if (caption) {
            info.fMask |= MIIM_STRING;
            info.dwTypeData = const_cast<char*>(caption->c_str());
        }
        ::InsertMenuItemA(menu, static_cast<UINT>(position++), TRUE, &info);
    };
    insert(kSettingMenuSeparator, nullptr);
    for (size_t n = 0; n < menus.Entries.size(); ++n) {
        if (menus.Entries[n].Visible) {
            insert(kFirstSettingMenuEntry + static_cast<int32_t>(n), &menus.Entries[n].Caption);
        }
    }
}

template <size_t N> void AppendAll(HMENU menu, int base, const std::array<Item, N>& items) {
    for (const Item& item : items) {
        Append(menu, base, item);
    }
}

int BaseOf(MainPopup popup) {
    return popup == MainPopup::TrayIcon ? CMainMenus::kTrayIconBase : CMainMenus::kContextBase;
}

// Shows `menu` at `point` for the hidden `owner`, made foreground for as long
// as the menu shows so that a click elsewhere closes it; the chosen id or 0.
int TrackFor(HWND owner, HMENU menu, POINT point) {
    ::SetForegroundWindow(owner);
    const int chosen = static_cast<int>(
        ::TrackPopupMenu(menu, TPM_RETURNCMD, point.x, point.y, 0, owner, nullptr));
    ::PostMessageA(owner, WM_NULL, 0, 0);
    return chosen;
}
} // namespace

bool CMainMenus::Create(HWND owner) {
    UniqueMenu bar(::CreateMenu());
    UniqueMenu setting(::CreatePopupMenu());
    UniqueMenu feature(::CreatePopupMenu());
    UniqueMenu help(::CreatePopupMenu());
    mTrayIcon.Reset(::CreatePopupMenu());
    mContext.Reset(::CreatePopupMenu());
    mPositionEdit.Reset(::CreatePopupMenu());
    if (!bar || !setting || !feature || !help || !mTrayIcon || !mContext || !mPositionEdit) {
        return false;
    }

    AppendAll(setting.Get(), kSettingBase, menu::kSettingItems);
    AppendAll(feature.Get(), kFeatureBase, menu::kFeatureItems);
    AppendAll(help.Get(), kHelpBase, menu::kHelpItems);
    AppendAll(mTrayIcon.Get(), kTrayIconBase, menu::kTrayItems);
    AppendAll(mContext.Get(), kContextBase, menu::kContextItems);
    Append(mPositionEdit.Get(), kPositionEditBase, {menu::kPositionEdit, "Edit"});

    mSettingMenu = setting.Get();
    ::AppendMenuA(bar.Get(), MF_POPUP, reinterpret_cast<UINT_PTR>(setting.Release()),
                  "&Aspect Ratio");
    ::AppendMenuA(bar.Get(), MF_POPUP, reinterpret_cast<UINT_PTR>(feature.Release()), "&Features");
    ::AppendMenuA(bar.Get(), MF_POPUP, reinterpret_cast<UINT_PTR>(help.Release()), "&Help");
    if (!::SetMenu(owner, bar.Get())) {
        return false;
    }
    mBar = bar.Release();
    return true;
}

std::optional<CMainMenus::Entry> CMainMenus::FromCommandId(int id) {
    struct Range {
        Menu menu;
        int base;
    };
    // Highest base first: a range of 101 indexes reaches the next menu's
    // base (the Features menu's index 100 is the Help menu's About), and the
    // id belongs to the menu whose base it has reached.
    for (const Range& range :
         {Range{Menu::PositionEdit, kPositionEditBase}, Range{Menu::Context, kContextBase},
          Range{Menu::TrayIcon, kTrayIconBase}, Range{Menu::Help, kHelpBase},
          Range{Menu::Feature, kFeatureBase}, Range{Menu::Setting, kSettingBase}}) {
        if (id >= range.base && id < range.base + kIndexRange) {
            return Entry{range.menu, id - range.base};
        }
    }
    return std::nullopt;
}

void CMainMenus::ShowSettingEntries(const AspectMenuState& menus) {
    ReplaceSettingEntries(mSettingMenu, kSettingBase, menu::kSaveAs, menus);
    ReplaceSettingEntries(mTrayIcon.Get(), kTrayIconBase, menu::kTrayApply, menus);
    ReplaceSettingEntries(mContext.Get(), kContextBase, menu::kContextApply, menus);
}

void CMainMenus::SetEnabled(MainCommand command, bool enabled) {
    for (const MenuCommand& entry : kSettingMenuCommands) {
        if (entry.command == command) {
            ::EnableMenuItem(mSettingMenu, static_cast<UINT>(kSettingBase + entry.index),
                             MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
        }
    }
}

HMENU CMainMenus::Popup(MainPopup popup) const {
    return popup == MainPopup::TrayIcon ? mTrayIcon.Get() : mContext.Get();
}

HWND CMainMenus::MenuOwner() {
    if (!mMenuOwner) {
        // Never shown and owned by no window: making it foreground raises
        // nothing of KIV's over the picture.
        mMenuOwner.Reset(::CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP, 0, 0, 0, 0,
                                           nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr));
    }
    return mMenuOwner.Get();
}

int32_t CMainMenus::TrackPopup(MainPopup popup, std::optional<ScreenPoint> at) {
    POINT point{};
    if (at) {
        point = {at->x, at->y};
    } else {
        ::GetCursorPos(&point);
    }
    const int chosen = TrackFor(MenuOwner(), Popup(popup), point);
    const int base = BaseOf(popup);
    if (chosen < base || chosen >= base + kIndexRange) {
        return -1;
    }
    return chosen - base;
}

bool CMainMenus::TrackPositionEdit(HWND owner) {
    POINT point{};
    ::GetCursorPos(&point);
    return TrackFor(owner, mPositionEdit.Get(), point) == kPositionEditBase + menu::kPositionEdit;
}

} // namespace kiv::win32
