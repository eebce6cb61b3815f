#include "playlist/win32/ProgramLauncherWin32.h"

#include "platform/win32/Win32.h"

#include <shellapi.h>

#include <string>

namespace kiv::win32 {

bool CProgramLauncherWin32::StartProgram(std::string_view path) {
    const std::string file(path);
    const size_t separator = file.find_last_of("\\/");
    const std::string folder =
        separator == std::string::npos ? std::string() : file.substr(0, separator);
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    // Synchronous and without the shell's own error box: a failure is ours to report.
    info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    info.lpVerb = "open";
    info.lpFile = file.c_str();
    info.lpDirectory = folder.empty() ? nullptr : folder.c_str();
    info.nShow = SW_SHOWNORMAL;
    return ::ShellExecuteExA(&info) != FALSE;
}

} // namespace kiv::win32
