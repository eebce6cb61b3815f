#include "playlist/DiscSerial.h"

namespace kiv {

std::string DiscSerialText(uint32_t serial) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), kDigits[serial & 0xF]);
        serial >>= 4;
    } while (serial != 0);
    return text;
}

} // namespace kiv
