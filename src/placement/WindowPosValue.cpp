#include "placement/WindowPosValue.h"

#include "util/Numbers.h"

namespace kiv {

std::string WindowPosReadValue(std::string& boxText) {
    if (boxText.empty()) {
        boxText = "0";
    }
    if (IsNumeric(boxText)) {
        return boxText;
    }
    return NumberText(LeadingNumber(boxText));
}

bool WindowPosTakesValue(std::string_view text) {
    return IsNumeric(text);
}

int32_t WindowPosStep(const IKeyboardState& keyboard) {
    if (!keyboard.LShift()) {
        return 1;
    }
    return keyboard.LControl() ? 100 : 10;
}

std::string WindowPosIncremented(std::string_view value, int index, int32_t step) {
    std::string text(value);
    double number = ParseNumeric(WindowPosReadValue(text)).value_or(0.0);
    if (index == 0) {
        number += step;
    } else if (index == 1) {
        number -= step;
    }
    return NumberText(number);
}

int32_t WindowPosEventValue(std::string_view value) {
    std::string text(value);
    return StrictToInt32(WindowPosReadValue(text));
}

} // namespace kiv
