#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kiv {

// The rules of the setting name dialog. ";" and "=" separate the fields of
// the settings file, so a name never holds them.
struct SettingNameRules {
    // Whether a typed character reaches the name box.
    static bool AcceptsKeystroke(int32_t keyAscii) { return keyAscii != ';' && keyAscii != '='; }
    // OK is offered exactly while the box holds at least one character.
    static bool OkEnabled(std::string_view text) { return !text.empty(); }
    // Pasted text loses the separators typing cannot enter.
    static std::string WithoutSeparators(std::string_view text);
};

} // namespace kiv
