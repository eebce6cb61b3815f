#pragma once

#include <string>

namespace kiv::win32 {

// Starts the program `file` in a normal window, in `folder` ("" for KIV's
// own current folder); false when it could not be started.
bool StartExecutable(const std::string& file, const std::string& folder);

} // namespace kiv::win32
