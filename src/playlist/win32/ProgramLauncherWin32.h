#pragma once

#include "playlist/ProgramLauncher.h"

namespace kiv::win32 {

// Starts programs through the shell, so a shortcut or a document opens as
// the user's double-click would; the program's own folder is its current one.
class CProgramLauncherWin32 final : public IProgramLauncher {
public:
    bool StartProgram(std::string_view path) override;
    bool IsRunning(std::string_view path) override;
};

} // namespace kiv::win32
