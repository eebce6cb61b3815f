#include "util/KeyFilters.h"

#include <algorithm>

namespace kiv {

namespace {
bool IsDigitCode(int16_t code) {
    return code >= '0' && code <= '9';
}
} // namespace

int16_t FilterKeyPressNumeric(int16_t keyAscii, bool noDecimal, bool noNegative) {
    if (keyAscii == kKeyBackspace || IsDigitCode(keyAscii)) {
        return keyAscii;
    }
    if ((keyAscii == '.' && !noDecimal) || (keyAscii == '-' && !noNegative)) {
        return keyAscii;
    }
    return 0;
}

void FilterKeyPressDigits(int16_t& keyAscii) {
    if (keyAscii != kKeyBackspace && !IsDigitCode(keyAscii)) {
        keyAscii = 0;
    }
}

int16_t FilterKeyPressValues(int16_t keyAscii, std::span<const int16_t> allowed) {
    return std::find(allowed.begin(), allowed.end(), keyAscii) != allowed.end() ? keyAscii
                                                                                : int16_t{0};
}

} // namespace kiv
