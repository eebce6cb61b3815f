#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kiv {

// The menus' entries by index. A menu entry's index is what its handler gets;
// the window makes its command id from it.
namespace menu {
// "&Aspect Ratio"
inline constexpr int32_t kAdd = 0;
inline constexpr int32_t kDelete = 10;
inline constexpr int32_t kRename = 20;
inline constexpr int32_t kSave = 30;
inline constexpr int32_t kSaveAs = 40;
inline constexpr int32_t kExitSeparator = 99;
inline constexpr int32_t kExit = 100;
// "&Features"
inline constexpr int32_t kPlayList = 0;
inline constexpr int32_t kOptions = 10;
// "&Help"
inline constexpr int32_t kAbout = 0;
inline constexpr int32_t kHelpOnKiv = 10;
// The tray icon's menu
inline constexpr int32_t kTrayShow = 0;
inline constexpr int32_t kTrayHide = 1;
inline constexpr int32_t kTrayExit = 2;
inline constexpr int32_t kTraySeparator = 10;
inline constexpr int32_t kTrayApply = 11;
// The blanking windows' context menu
inline constexpr int32_t kContextBlankingOff = 0;
inline constexpr int32_t kContextAnimate = 5;
inline constexpr int32_t kContextShowKiv = 10;
inline constexpr int32_t kContextSeparator = 20;
inline constexpr int32_t kContextApply = 25;
// A position label's menu
inline constexpr int32_t kPositionEdit = 0;

// One entry as a menu is built: a null caption is a separator.
struct Item {
    int32_t index;
    const char* caption;
};
inline constexpr std::array<Item, 7> kSettingItems = {{{kAdd, "&Add..."},
                                                       {kDelete, "&Delete"},
                                                       {kRename, "&Rename..."},
                                                       {kSave, "&Save"},
                                                       {kSaveAs, "Save &As..."},
                                                       {kExitSeparator, nullptr},
                                                       {kExit, "E&xit"}}};
inline constexpr std::array<Item, 2> kFeatureItems = {
    {{kPlayList, "&Play List..."}, {kOptions, "Op&tions..."}}};
inline constexpr std::array<Item, 2> kHelpItems = {
    {{kAbout, "&About..."}, {kHelpOnKiv, "&Help on KIV"}}};
inline constexpr std::array<Item, 5> kTrayItems = {{{kTrayShow, "Show KIV"},
                                                    {kTrayHide, "Hide KIV"},
                                                    {kTrayExit, "Exit KIV"},
                                                    {kTraySeparator, nullptr},
                                                    {kTrayApply, "Apply Current Setting"}}};
inline constexpr std::array<Item, 5> kContextItems = {{{kContextBlankingOff, "Blanking Off"},
                                                       {kContextAnimate, "Animate"},
                                                       {kContextShowKiv, "Show KIV"},
                                                       {kContextSeparator, nullptr},
                                                       {kContextApply, "Apply Current Setting"}}};
} // namespace menu

// The entries that list settings in the "Aspect Ratio", tray and context
// menus: a separator at index 50, then up to ten settings at 51 to 60.
inline constexpr int32_t kSettingMenuSeparator = 50;
inline constexpr int32_t kFirstSettingMenuEntry = 51;
inline constexpr int32_t kLastSettingMenuEntry = 60;
inline constexpr size_t kSettingMenuEntryCount = 10;

struct SettingMenuEntry {
    std::string Caption; // "&3. Letterbox"
    std::string Tag;     // the setting's item key, "C" + the list entry's number
    bool Visible = false;

    friend bool operator==(const SettingMenuEntry&, const SettingMenuEntry&) = default;
};

// What the three menus show of the settings; they show the same.
struct AspectMenuState {
    bool SeparatorVisible = false;
    std::array<SettingMenuEntry, kSettingMenuEntryCount> Entries; // [n - 1] is entry 50 + n

    // The entry at menu index 51-60; null for any other index.
    const SettingMenuEntry* Entry(int32_t index) const {
        if (index < kFirstSettingMenuEntry || index > kLastSettingMenuEntry) {
            return nullptr;
        }
        return &Entries[static_cast<size_t>(index - kFirstSettingMenuEntry)];
    }

    friend bool operator==(const AspectMenuState&, const AspectMenuState&) = default;
};

} // namespace kiv
