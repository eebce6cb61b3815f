#include "placement/AppWindow.h"

namespace kiv {

WindowHandle GetAppWindow(IDesktop& desktop, std::string_view locator) {
    if (locator.empty()) {
        return 0;
    }
    // The prefix is case-sensitive: "class:Player" is a caption.
    if (locator.starts_with(kClassLocatorPrefix)) {
        return desktop.FindTopLevelWindow(std::string(locator.substr(kClassLocatorPrefix.size())),
                                          std::nullopt);
    }
    return desktop.FindTopLevelWindow(std::nullopt, std::string(locator));
}

} // namespace kiv
