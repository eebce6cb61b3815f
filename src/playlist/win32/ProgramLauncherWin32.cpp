#include "playlist/win32/ProgramLauncherWin32.h"

#include "platform/win32/StartExecutable.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Win32.h"

#include <objbase.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include <array>
#include <string>

namespace kiv::win32 {

namespace {

// The shell's open of a shortcut or a document may run shell extensions,
// which need COM on the calling thread.
class CComApartment {
public:
    CComApartment()
        : mResult(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
    ~CComApartment() {
        if (SUCCEEDED(mResult)) {
            ::CoUninitialize();
        }
    }
    CComApartment(const CComApartment&) = delete;
    CComApartment& operator=(const CComApartment&) = delete;

private:
    HRESULT mResult;
};

bool OpenWithShell(const std::string& file, const std::string& folder) {
    CComApartment apartment;
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

std::string FullPathOf(const std::string& path) {
    std::array<char, MAX_PATH> full{};
    const DWORD length = ::GetFullPathNameA(path.c_str(), full.size(), full.data(), nullptr);
    return length > 0 && length < full.size() ? std::string(full.data(), length) : path;
}

std::string ImageOf(DWORD processId) {
    const UniqueKernelHandle process(
        ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    std::array<char, MAX_PATH> image{};
    DWORD length = image.size();
    if (!process || !::QueryFullProcessImageNameA(process.Get(), 0, image.data(), &length)) {
        return {};
    }
    return std::string(image.data(), length);
}

} // namespace

bool CProgramLauncherWin32::IsRunning(std::string_view path) {
    if (!StartsAsProgram(path)) {
        return false;
    }
    const std::string program = FullPathOf(std::string(path));
    const UniqueFile snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) {
        return false;
    }
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32First(snapshot.Get(), &entry); more;
         more = ::Process32Next(snapshot.Get(), &entry)) {
        if (::lstrcmpiA(ImageOf(entry.th32ProcessID).c_str(), program.c_str()) == 0) {
            return true;
        }
    }
    return false;
}

bool CProgramLauncherWin32::StartProgram(std::string_view path) {
    const std::string file(path);
    const size_t separator = file.find_last_of("\\/");
    const std::string folder =
        separator == std::string::npos ? std::string() : file.substr(0, separator);
    return StartsAsProgram(path) ? StartExecutable(file, folder) : OpenWithShell(file, folder);
}

} // namespace kiv::win32
