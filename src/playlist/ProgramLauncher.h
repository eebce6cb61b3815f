#pragma once

#include <string_view>

namespace kiv {

// Starts another program.
class IProgramLauncher {
public:
    virtual ~IProgramLauncher() = default;
    // Starts the program or document at `path` in a normal window that takes
    // the focus; false when it could not be started.
    virtual bool StartProgram(std::string_view path) = 0;
};

} // namespace kiv
