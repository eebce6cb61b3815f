#include "dialogs/WindowSelect.h"

#include <array>

namespace kiv {

namespace {
// The shell's desktop and folder windows and the old runtime's hidden ones.
constexpr std::array<std::string_view, 5> kSkippedClasses = {
    "Progman", "CabinetWClass", "ExploreWClass", "ThunderMain", "ThunderFormDC"};
} // namespace

bool CWindowSelect::IsListed(const TopLevelWindow& window) {
    if (!window.visible || window.owned || window.caption.empty() || window.caption == "KIV") {
        return false;
    }
    for (std::string_view skipped : kSkippedClasses) {
        if (window.className == skipped) {
            return false;
        }
    }
    return true;
}

WindowSelectButtons CWindowSelect::Buttons() const {
    if (mPage == 1) {
        return {false, !mAppName.empty(), "&Next>"};
    }
    return {true, mSelected >= 0, "&Finish"};
}

std::vector<std::string>
CWindowSelect::FillListBoxWithWindows(const std::vector<TopLevelWindow>& windows) {
    mPage = 2;
    mSelected = -1;
    mCaptions.clear();
    mClassNames.clear();
    for (const TopLevelWindow& window : windows) {
        if (IsListed(window)) {
            mCaptions.push_back(window.caption);
            mClassNames.push_back(window.className);
        }
    }
    return mCaptions;
}

void CWindowSelect::Back() {
    mPage = 1;
}

std::string CWindowSelect::WindowItem(bool useCaption) const {
    if (mPage != 2 || mSelected < 0 || mSelected >= static_cast<int>(mCaptions.size())) {
        return {};
    }
    const auto index = static_cast<size_t>(mSelected);
    return useCaption ? mCaptions[index] : "Class:" + mClassNames[index];
}

} // namespace kiv
