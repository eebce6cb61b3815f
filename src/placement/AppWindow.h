#pragma once

#include "platform/Desktop.h"

#include <string_view>

namespace kiv {

inline constexpr std::string_view kClassLocatorPrefix = "Class:";

// The top-level window a setting's locator names: "Class:" + a class name, or
// a whole caption; "" names none. 0 when no such window is open.
WindowHandle GetAppWindow(IDesktop& desktop, std::string_view locator);

} // namespace kiv
