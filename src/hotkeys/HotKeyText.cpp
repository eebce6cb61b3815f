#include "hotkeys/HotKeyText.h"

#include "util/Numbers.h"

#include <cmath>
#include <limits>

namespace kiv {

namespace {
constexpr std::array<SelectableKey, kSelectableKeyCount> BuildSelectableKeys() {
    constexpr std::string_view kFunctionNames[] = {"F1", "F2", "F3", "F4",  "F5",  "F6",
                                                   "F7", "F8", "F9", "F10", "F11", "F12"};
    constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    constexpr std::string_view kDigits = "0123456789";
    std::array<SelectableKey, kSelectableKeyCount> keys{};
    size_t n = 0;
    keys[n++] = {"None", 0};
    for (int32_t i = 0; i < 12; ++i) {
        keys[n++] = {kFunctionNames[i], 112 + i};
    }
    for (size_t i = 0; i < kLetters.size(); ++i) {
        keys[n++] = {kLetters.substr(i, 1), kLetters[i]};
    }
    for (size_t i = 0; i < kDigits.size(); ++i) {
        keys[n++] = {kDigits.substr(i, 1), kDigits[i]};
    }
    return keys;
}

constexpr std::array<SelectableKey, kSelectableKeyCount> kSelectableKeys = BuildSelectableKeys();
} // namespace

const std::array<SelectableKey, kSelectableKeyCount>& SelectableKeys() {
    return kSelectableKeys;
}

std::string TranslateKeyCodeToString(int64_t keyCode) {
    if (keyCode >= 112 && keyCode <= 123) {
        std::string name(1, 'F');
        name += std::to_string(keyCode - 111);
        return name;
    }
    if ((keyCode >= 'A' && keyCode <= 'Z') || (keyCode >= '0' && keyCode <= '9')) {
        return std::string(1, static_cast<char>(keyCode));
    }
    return "?";
}

bool HotKeyHasShift(std::string_view hotKey) {
    return !hotKey.empty() && hotKey[0] == '1';
}

bool HotKeyHasCtrl(std::string_view hotKey) {
    return hotKey.size() >= 2 && hotKey[1] == '1';
}

int64_t NumberFromCharacter(std::string_view text, size_t first) {
    std::string_view rest = text.size() >= first ? text.substr(first - 1) : std::string_view();
    std::optional<double> value = ParseNumeric(rest);
    if (!value) {
        return 0;
    }
    double rounded = RoundHalfEven(*value);
    // Far outside every key code: any such number names no key.
    constexpr double kLimit = static_cast<double>(std::numeric_limits<int32_t>::max());
    if (!(std::fabs(rounded) <= kLimit)) {
        return std::numeric_limits<int64_t>::max();
    }
    return static_cast<int64_t>(rounded);
}

std::string FormatHotKey(std::string_view hotKey) {
    if (hotKey.empty()) {
        return "(None)";
    }
    std::string text;
    if (HotKeyHasShift(hotKey)) {
        text += "Shift-";
    }
    if (HotKeyHasCtrl(hotKey)) {
        text += "Ctrl-";
    }
    text += TranslateKeyCodeToString(NumberFromCharacter(hotKey, 3));
    return text;
}

std::string MakeHotKeyText(bool shift, bool ctrl, int32_t selectedKeyIndex) {
    if (selectedKeyIndex < 1 || selectedKeyIndex >= static_cast<int32_t>(kSelectableKeyCount)) {
        return {};
    }
    std::string text = shift ? "1" : "0";
    text += ctrl ? "1" : "0";
    text += std::to_string(kSelectableKeys[static_cast<size_t>(selectedKeyIndex)].code);
    return text;
}

int32_t SelectableKeyIndex(int64_t keyCode) {
    for (size_t i = 0; i < kSelectableKeys.size(); ++i) {
        if (kSelectableKeys[i].code == keyCode) {
            return static_cast<int32_t>(i);
        }
    }
    return -1;
}

} // namespace kiv
