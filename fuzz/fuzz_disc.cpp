#include "playlist/DiscSerial.h"
#include "playlist/VolumeName.h"

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <string>

// Any disc: the first four bytes are its volume serial number, the rest its
// volume name, as the drive reports them for a new play list entry.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) {
        return 0;
    }
    uint32_t serial = 0;
    std::memcpy(&serial, data, sizeof serial);
    std::string text = kiv::DiscSerialText(serial);
    uint32_t back = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), back, 16);
    if (error != std::errc() || end != text.data() + text.size() || back != serial ||
        text.size() > 8 || (text.size() > 1 && text[0] == '0') ||
        text.find_first_of("abcdef") != std::string::npos) {
        std::abort();
    }

    std::string_view volume(reinterpret_cast<const char*>(data) + 4, size - 4);
    std::string title = kiv::FixVolumeName(volume);
    // Underscores become blanks; the title keeps the name's length and is never empty.
    if (title.empty() || title.find('_') != std::string::npos ||
        (!volume.empty() && title.size() != volume.size())) {
        std::abort();
    }
    return 0;
}
