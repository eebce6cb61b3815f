#include "platform/win32/StartWithWindowsWin32.h"

#include "platform/win32/UniqueHandle.h"

#include <algorithm>

namespace kiv::win32 {

namespace {
constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kValueName = "KIV";

UniqueRegKey OpenRunKey(REGSAM access) {
    HKEY opened = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, access, &opened) != ERROR_SUCCESS) {
        return {};
    }
    return UniqueRegKey(opened);
}
} // namespace

std::optional<std::string> CStartWithWindowsWin32::Entry() {
    UniqueRegKey key = OpenRunKey(KEY_QUERY_VALUE);
    DWORD type = 0;
    DWORD size = 0;
    if (!key || ::RegQueryValueExA(key.Get(), kValueName, nullptr, &type, nullptr, &size) !=
                    ERROR_SUCCESS) {
        return std::nullopt;
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) {
        return std::string(); // an entry, but no command KIV wrote
    }
    std::string command(size, '\0');
    if (::RegQueryValueExA(key.Get(), kValueName, nullptr, &type,
                           reinterpret_cast<BYTE*>(command.data()), &size) != ERROR_SUCCESS) {
        return std::string();
    }
    command.resize(std::min<size_t>(size, command.size()));
    // The stored terminator, when there is one.
    command.erase(command.find_last_not_of('\0') + 1);
    return command;
}

bool CStartWithWindowsWin32::WriteEntry(const std::string& command) {
    HKEY opened = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                          &opened, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    UniqueRegKey key(opened);
    return ::RegSetValueExA(key.Get(), kValueName, 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(command.c_str()),
                            static_cast<DWORD>(command.size() + 1)) == ERROR_SUCCESS;
}

bool CStartWithWindowsWin32::RemoveEntry() {
    HKEY opened = nullptr;
    const LONG openResult = ::RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &opened);
    if (openResult == ERROR_FILE_NOT_FOUND) {
        return true;
    }
    if (openResult != ERROR_SUCCESS) {
        return false;
    }
    UniqueRegKey key(opened);
    const LONG result = ::RegDeleteValueA(key.Get(), kValueName);
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

std::string CStartWithWindowsWin32::ProgramPath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

} // namespace kiv::win32
