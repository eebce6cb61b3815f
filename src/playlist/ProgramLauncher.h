#pragma once

#include <string_view>

namespace kiv {

// A file named "….exe" is started as a program; anything else (a shortcut, a
// document, a script) is opened by the shell as Explorer would.
bool StartsAsProgram(std::string_view path);

// Starts another program.
class IProgramLauncher {
public:
    virtual ~IProgramLauncher() = default;
    // Starts the program or document at `path` in a normal window that takes
    // the focus; false when it could not be started.
    virtual bool StartProgram(std::string_view path) = 0;
    // True when a process runs from the program file `path`; always false for
    // a file that is no program (a shortcut or a document cannot tell).
    virtual bool IsRunning(std::string_view path) = 0;
};

} // namespace kiv
