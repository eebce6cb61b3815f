#include "store/SettingNameRules.h"

namespace kiv {

std::string SettingNameRules::WithoutSeparators(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    for (char c : text) {
        if (AcceptsKeystroke(static_cast<unsigned char>(c))) {
            kept += c;
        }
    }
    return kept;
}

} // namespace kiv
