#include "hotkeys/HotKeyTable.h"

#include "util/Numbers.h"

#include <cmath>

namespace kiv {

namespace {

// The number helpers that build a key code out of flags and a key.
int32_t IntToLong(int16_t value) { // a 16-bit value read as unsigned
    return value < 0 ? int32_t{value} + 65536 : value;
}

// The signed 32-bit value with the same low 32 bits.
int32_t dblToLong(double wholeValue) {
    double low = std::fmod(wholeValue, 4294967296.0);
    if (low < 0) {
        low += 4294967296.0;
    }
    return static_cast<int32_t>(static_cast<uint32_t>(low));
}

int32_t MakeLong(int16_t hi, int16_t lo) {
    int64_t sum = int64_t{dblToLong(static_cast<double>(IntToLong(hi)) * 65536.0)} + IntToLong(lo);
    return static_cast<int32_t>(static_cast<uint32_t>(sum));
}

int16_t LongToInt(int32_t value) { // values above 32767 lose 65536
    return static_cast<int16_t>(value > 32767 ? value - 65536 : value);
}

int16_t Shli(int16_t value, int16_t bits) {
    if (bits >= 16 || bits < 0) {
        return 0;
    }
    return LongToInt(static_cast<int32_t>((IntToLong(value) << bits) & 0xFFFF));
}

void BitSetInteger(int16_t& value, int16_t bit) {
    value = static_cast<int16_t>(value | Shli(1, bit));
}

} // namespace

const std::array<OptionHotKey, 10>& OptionHotKeys() {
    static const std::array<OptionHotKey, 10> keys = {{
        {&COptions::HotKeySetFocusApp, "~HK~1"},
        {&COptions::HotKeySetFocusKIV, "~HK~2"},
        {&COptions::HotKeyMoveUp, "~HK~3"},
        {&COptions::HotKeyMoveDown, "~HK~4"},
        {&COptions::HotKeyMoveLeft, "~HK~5"},
        {&COptions::HotKeyMoveRight, "~HK~6"},
        {&COptions::HotKeyExpand, "~HK~7"},
        {&COptions::HotKeyShrink, "~HK~8"},
        {&COptions::HotKeySave, "~HK~9"},
        {&COptions::HotKeyReapplyCurrent, "~HK~10"},
    }};
    return keys;
}

void CHotKeyTable::Clear() {
    HotKeyCodes.fill(0);
    for (std::string& action : HotKeyActions) {
        action.clear();
    }
    Count = 0;
}

void CHotKeyTable::AddKeyHookEntry(std::string_view hotKeyText, int32_t index,
                                   std::string_view actionName) {
    int16_t flags = 0;
    if (!hotKeyText.empty() && hotKeyText[0] == '1') {
        BitSetInteger(flags, 0);
    }
    if (hotKeyText.size() >= 2 && hotKeyText[1] == '1') {
        BitSetInteger(flags, 1);
    }
    int16_t keyCode = StrictToInt16(hotKeyText.size() > 2 ? hotKeyText.substr(2) : "");
    HotKeyCodes.at(static_cast<size_t>(index)) = MakeLong(flags, keyCode);
    HotKeyActions.at(static_cast<size_t>(index)) = actionName;
}

void CHotKeyTable::Build(const CWindowSettings& settings, const COptions& options) {
    Clear();
    try {
        int32_t index = -1;
        for (const auto& setting : settings) {
            if (setting->HotKey.empty()) {
                continue;
            }
            if (++index >= static_cast<int32_t>(kHotKeyTableSize)) {
                break;
            }
            AddKeyHookEntry(setting->HotKey, index, setting->SettingName);
        }
        for (const OptionHotKey& key : OptionHotKeys()) {
            const std::string& text = options.*key.field;
            if (text.empty()) {
                continue;
            }
            if (++index < static_cast<int32_t>(kHotKeyTableSize)) {
                AddKeyHookEntry(text, index, key.actionName);
            }
        }
        Count = std::min(index + 1, static_cast<int32_t>(kHotKeyTableSize));
    } catch (...) {
        Clear();
        throw;
    }
}

std::string CHotKeyTable::HotKeyActionName(int64_t index) const {
    if (index < 0 || index >= static_cast<int64_t>(kHotKeyTableSize)) {
        return {};
    }
    return HotKeyActions[static_cast<size_t>(index)];
}

} // namespace kiv
