#pragma once

#include "store/Options.h"
#include "store/WindowSettings.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kiv {

inline constexpr size_t kHotKeyTableSize = 40;
inline constexpr std::string_view kOptionActionPrefix = "~HK~";

// What the key hook watches: a code per entry, (flags × 65536) + key code with
// bit 0 Shift and bit 1 Ctrl, and beside it what the entry means, a setting's
// name or "~HK~1".."~HK~10" for an option hot key.
struct CHotKeyTable {
    std::array<int32_t, kHotKeyTableSize> HotKeyCodes{};
    std::array<std::string, kHotKeyTableSize> HotKeyActions{};
    int32_t Count = 0; // entries stored

    void Clear();

    // Stores entry `index` from a hot key text. The key code is converted
    // strictly: a rest that is not a number, or too large, raises.
    void AddKeyHookEntry(std::string_view hotKeyText, int32_t index, std::string_view actionName);

    // Fills the table as the key hook takes it: settings' hot keys in
    // collection order, then the ten option hot keys; at most 40 entries. A
    // text that does not convert raises, and the table is left empty.
    void Build(const CWindowSettings& settings, const COptions& options);

    // The meaning of a reported index; "" outside 0..39.
    std::string HotKeyActionName(int64_t index) const;
};

// The ten option hot keys in table order with their action names.
struct OptionHotKey {
    std::string COptions::*field;
    std::string_view actionName;
};
const std::array<OptionHotKey, 10>& OptionHotKeys();

} // namespace kiv
