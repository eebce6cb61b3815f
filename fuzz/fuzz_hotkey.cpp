#include "hotkeys/HotKeyText.h"

#include <cstdlib>
#include <string>

// Reads any bytes as a stored hot key text (a setting's S16, an option's
// HotKey... value), as the key lists and the hot key table do.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view hotKey(reinterpret_cast<const char*>(data), size);
    std::string shown = kiv::FormatHotKey(hotKey);
    bool shift = kiv::HotKeyHasShift(hotKey);
    bool ctrl = kiv::HotKeyHasCtrl(hotKey);
    int64_t code = kiv::NumberFromCharacter(hotKey, 3);
    if (hotKey.empty() != (shown == "(None)")) {
        std::abort();
    }
    // A key the lists offer is made back into a text that shows and names the same key.
    int32_t index = kiv::SelectableKeyIndex(code);
    if (!hotKey.empty() && index >= 1) {
        std::string made = kiv::MakeHotKeyText(shift, ctrl, index);
        if (kiv::FormatHotKey(made) != shown || kiv::NumberFromCharacter(made, 3) != code) {
            std::abort();
        }
    }
    return 0;
}
