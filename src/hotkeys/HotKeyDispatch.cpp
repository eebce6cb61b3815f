#include "hotkeys/HotKeyDispatch.h"

#include <optional>

namespace kiv {

namespace {
constexpr std::string_view kOptionActionPrefix = "~HK~";

// The number after the prefix: digits only, 1 to 10.
std::optional<int32_t> OptionActionNumber(std::string_view actionName) {
    std::string_view digits = actionName.substr(kOptionActionPrefix.size());
    if (digits.empty() || digits.size() > 2) {
        return std::nullopt;
    }
    int32_t number = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        number = number * 10 + (c - '0');
    }
    if (number < 1 || number > 10) {
        return std::nullopt;
    }
    return number;
}

// The nudge button each of the actions 3 to 8 presses: up, down, left,
// right, expand, shrink.
constexpr int32_t kNudgeOfAction[] = {2, 3, 0, 1, 8, 9};
} // namespace

void CHotKeyDispatcher::HotKeyPressed(std::string_view actionName) {
    TrapErrors(mReporter, "Subclass1_WndProc", [&] {
        if (actionName.empty()) {
            return;
        }
        if (actionName.starts_with(kOptionActionPrefix)) {
            PerformHotKeyAction(actionName);
            return;
        }
        mActions.SelectSettingAndPlace(actionName);
    });
}

void CHotKeyDispatcher::PerformHotKeyAction(std::string_view actionName) {
    TrapErrors(mReporter, "PerformHotKeyAction", [&] {
        if (!actionName.starts_with(kOptionActionPrefix)) {
            return;
        }
        const std::optional<int32_t> number = OptionActionNumber(actionName);
        if (!number) {
            return;
        }
        switch (*number) {
        case 1:
            mActions.FocusApplication();
            break;
        case 2:
            mActions.FocusKiv();
            break;
        case 9:
            mActions.CaptureAndSave();
            break;
        case 10:
            mActions.ReapplyCurrentSetting();
            break;
        default:
            mActions.PressNudge(kNudgeOfAction[*number - 3]);
            break;
        }
    });
}

} // namespace kiv
