#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kiv {

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
