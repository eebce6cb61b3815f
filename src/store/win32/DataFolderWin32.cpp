#include "store/win32/DataFolderWin32.h"

#include "platform/win32/UniqueHandle.h"
#include "util/DebugLog.h"

#include <shlobj.h>

namespace kiv::win32 {

bool CDataFolderWin32::CanWriteIn(const std::string& folder) {
    // A file of a name nobody else uses, gone again when its handle closes.
    const std::string probe = folder + "KIV-" + std::to_string(::GetCurrentProcessId()) + "-" +
                              std::to_string(::GetTickCount64()) + ".tmp";
    UniqueFile file(::CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    return file.IsValid();
}

std::string CDataFolderWin32::UserAppDataFolder() {
    char path[MAX_PATH] = {};
    // Windows sets APPDATA from this same folder for every session. Reading
    // it spares loading the shell library before the early placement, which
    // under Wine also opens the display driver and doubles the time to the
    // player placed. The shell is asked only where the variable names no
    // folder.
    const DWORD length = ::GetEnvironmentVariableA("APPDATA", path, MAX_PATH);
    if (length > 0 && length < MAX_PATH && FolderExists(path)) {
        return path;
    }
    path[0] = '\0';
    if (FAILED(::SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path))) {
        return {};
    }
    return path;
}

bool CDataFolderWin32::FolderExists(const std::string& folder) {
    DWORD attributes = ::GetFileAttributesA(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool CDataFolderWin32::HasFile(const std::string& path) {
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool CDataFolderWin32::CreateFolder(const std::string& folder) {
    return ::CreateDirectoryA(folder.c_str(), nullptr) != FALSE || FolderExists(folder);
}

void CDataFolderWin32::CopyFileIfAbsent(const std::string& from, const std::string& to) {
    if (::CopyFileA(from.c_str(), to.c_str(), TRUE) == FALSE) {
        // No such file beside the program, or one already there: nothing to seed.
        const DWORD error = ::GetLastError();
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_FILE_EXISTS) {
            LogDebug("CopyFileIfAbsent",
                     "not copied: " + from + ", error " + std::to_string(error));
        }
    }
}

} // namespace kiv::win32
