#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kiv {

// A hot key text: character 1 is "1" for Shift, character 2 is "1" for Ctrl,
// the rest is the virtual key code in decimal; "" is no hot key.
struct SelectableKey {
    std::string_view text;
    int32_t code;
};

inline constexpr size_t kSelectableKeyCount = 49;

// "None", then F1-F12, A-Z and 0-9, in the order the key lists show them.
const std::array<SelectableKey, kSelectableKeyCount>& SelectableKeys();

// "F1".."F12", "A".."Z", "0".."9" for their codes; "?" for any other code.
std::string TranslateKeyCodeToString(int64_t keyCode);

// The display text: "(None)" for "", else "Shift-" and "Ctrl-" as the flags
// say, then the key's name ("10112" shows "Shift-F1").
std::string FormatHotKey(std::string_view hotKey);

bool HotKeyHasShift(std::string_view hotKey);
bool HotKeyHasCtrl(std::string_view hotKey);
// The number the text holds from character `first` (1-based) on, 0 when that
// part is not a number.
int64_t NumberFromCharacter(std::string_view text, size_t first);

// The text an editor builds from its check boxes and the selected entry of its
// key list: "" when "None" or nothing (-1) is selected, whatever the boxes show.
std::string MakeHotKeyText(bool shift, bool ctrl, int32_t selectedKeyIndex);

// The first entry of the key list whose code is `keyCode`; -1 when none is.
int32_t SelectableKeyIndex(int64_t keyCode);

} // namespace kiv
