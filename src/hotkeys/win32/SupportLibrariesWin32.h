#pragma once

#include "platform/SupportLibraries.h"
#include "platform/win32/UniqueHandle.h"

#include <string>

namespace kiv::win32 {

// One support library beside the program, loaded by its full path on first
// use and kept loaded. A missing file raises File not found; a missing
// function raises "Specified DLL function not found". Proc is one of the
// function-pointer types the library's own header declares.
class CSupportLibrary {
public:
    CSupportLibrary(std::string folder, std::string fileName)
        : mPath(std::move(folder) + fileName) {}

    template <typename Proc> Proc Get(const char* name) {
        return reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(Address(name)));
    }

private:
    FARPROC Address(const char* name);

    std::string mPath;
    UniqueModule mModule;
};

class CWin32SizeLibrary : public IWindowSizeLibrary {
public:
    explicit CWin32SizeLibrary(const std::string& folder);
    bool SetHook(uint32_t threadId, WindowHandle window, const Rect& limit) override;
    void RemoveHook() override;

private:
    CSupportLibrary mLibrary;
};

class CWin32KeyboardLibrary : public IKeyboardLibrary {
public:
    explicit CWin32KeyboardLibrary(const std::string& folder);
    void SetKeyHook(WindowHandle window, std::span<const int32_t> codes) override;
    void SetMediaHook(WindowHandle window) override;
    void SetMouseHook(WindowHandle window) override;
    void AllowPCFriendly(bool suppressContent) override;

private:
    CSupportLibrary mLibrary;
};

} // namespace kiv::win32
