#include "app/win32/MainMenus.h"

#include <string>

namespace kiv::win32 {

namespace {

struct Item {
    int32_t index;
    const char* caption; // nullptr for a separator
};

void Append(HMENU menu, int base, const Item& item, bool enabled = true) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE;
    info.wID = static_cast<UINT>(base + item.index);
    info.fState = enabled ? MFS_ENABLED : MFS_DISABLED;
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

int BaseOf(MainPopup popup) {
    switch (popup) {
    case MainPopup::TrayIcon:
        return CMainMenus::kTrayIconBase;
    case MainPopup::Context:
        return CMainMenus::kContextBase;
    case MainPopup::PositionEdit:
        break;
    }
    return CMainMenus::kPositionEditBase;
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

    for (const Item& item :
         {Item{0, "&Add..."}, Item{10, "&Delete"}, Item{20, "&Rename..."}, Item{30, "&Save"},
          Item{40, "Save &As..."}, Item{99, nullptr}, Item{100, "E&xit"}}) {
        Append(setting.Get(), kSettingBase, item);
    }
    // The play list and options windows are not part of the program yet.
    Append(feature.Get(), kFeatureBase, {0, "&Play List..."}, false);
    Append(feature.Get(), kFeatureBase, {10, "Op&tions..."}, false);
    // Nor is the About box.
    Append(help.Get(), kHelpBase, {0, "&About..."}, false);
    Append(help.Get(), kHelpBase, {10, "&Help on KIV"});

    for (const Item& item : {Item{0, "Show KIV"}, Item{1, "Hide KIV"}, Item{2, "Exit KIV"},
                             Item{10, nullptr}, Item{11, "Apply Current Setting"}}) {
        Append(mTrayIcon.Get(), kTrayIconBase, item);
    }
    for (const Item& item : {Item{0, "Blanking Off"}, Item{5, "Animate"}, Item{10, "Show KIV"},
                             Item{20, nullptr}, Item{25, "Apply Current Setting"}}) {
        Append(mContext.Get(), kContextBase, item);
    }
    Append(mPositionEdit.Get(), kPositionEditBase, {0, "Edit"});

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
    for (const Range& range :
         {Range{Menu::Setting, kSettingBase}, Range{Menu::Feature, kFeatureBase},
          Range{Menu::Help, kHelpBase}, Range{Menu::TrayIcon, kTrayIconBase},
          Range{Menu::Context, kContextBase}, Range{Menu::PositionEdit, kPositionEditBase}}) {
        if (id >= range.base && id < range.base + kIndexRange) {
            return Entry{range.menu, id - range.base};
        }
    }
    return std::nullopt;
}

void CMainMenus::ShowSettingEntries(const AspectMenuState& menus) {
    ReplaceSettingEntries(mSettingMenu, kSettingBase, 40, menus);
    ReplaceSettingEntries(mTrayIcon.Get(), kTrayIconBase, 11, menus);
    ReplaceSettingEntries(mContext.Get(), kContextBase, 25, menus);
}

void CMainMenus::SetEnabled(MainCommand command, bool enabled) {
    int32_t index = -1;
    switch (command) {
    case MainCommand::Add:
        index = 0;
        break;
    case MainCommand::Delete:
        index = 10;
        break;
    case MainCommand::Rename:
        index = 20;
        break;
    case MainCommand::Save:
        index = 30;
        break;
    case MainCommand::SaveAs:
        index = 40;
        break;
    default:
        return;
    }
    ::EnableMenuItem(mSettingMenu, static_cast<UINT>(kSettingBase + index),
                     MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

HMENU CMainMenus::Popup(MainPopup popup) const {
    switch (popup) {
    case MainPopup::TrayIcon:
        return mTrayIcon.Get();
    case MainPopup::Context:
        return mContext.Get();
    case MainPopup::PositionEdit:
        break;
    }
    return mPositionEdit.Get();
}

int32_t CMainMenus::TrackPopup(HWND owner, MainPopup popup, std::optional<ScreenPoint> at) {
    POINT point{};
    if (at) {
        point = {at->x, at->y};
    } else {
        ::GetCursorPos(&point);
    }
    // A pop-up of a window in the background only closes on a click elsewhere
    // when that window is in front while it shows.
    ::SetForegroundWindow(owner);
    const int chosen = static_cast<int>(
        ::TrackPopupMenu(Popup(popup), TPM_RETURNCMD, point.x, point.y, 0, owner, nullptr));
    ::PostMessageA(owner, WM_NULL, 0, 0);
    const int base = BaseOf(popup);
    if (chosen < base || chosen >= base + kIndexRange) {
        return -1;
    }
    return chosen - base;
}

} // namespace kiv::win32
