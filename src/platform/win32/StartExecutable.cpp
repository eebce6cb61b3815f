#include "platform/win32/StartExecutable.h"

#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Win32.h"

namespace kiv::win32 {

bool StartExecutable(const std::string& file, const std::string& folder) {
    std::string commandLine = "\"" + file + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessA(file.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.empty() ? nullptr : folder.c_str(), &startup, &started)) {
        return false;
    }
    UniqueKernelHandle process(started.hProcess);
    UniqueKernelHandle thread(started.hThread);
    return true;
}

} // namespace kiv::win32
