#include "hotkeys/win32/SupportLibrariesWin32.h"

#include "platform/win32/Win32Platform.h"
#include "util/RuntimeError.h"

namespace kiv::win32 {

namespace {
std::wstring Widen(const std::string& text) {
    int length = ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(std::max(length, 1)), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    wide.resize(wide.size() - 1);
    return wide;
}

using SetHookFunction = int(uint32_t, HWND, const RECT*);
using SetKeyHookFunction = int(HWND, const int32_t*, int16_t);
using SetWindowHookFunction = int(HWND);
using AllowPCFriendlyFunction = void(int);
} // namespace

FARPROC CSupportLibrary::Address(const char* name) {
    if (!mModule) {
        // A full path only: the library search order must never pick another file.
        mModule.Reset(::LoadLibraryExW(Widen(mPath).c_str(), nullptr, 0));
        if (!mModule) {
            Raise(ErrorNumber::FileNotFound);
        }
    }
    FARPROC address = ::GetProcAddress(mModule.Get(), name);
    if (address == nullptr) {
        Raise(ErrorNumber::DllFunctionNotFound);
    }
    return address;
}

bool CWin32SizeLibrary::SetHook(uint32_t threadId, WindowHandle window, const Rect& limit) {
    RECT rect{limit.left, limit.top, limit.right, limit.bottom};
    return mLibrary.Proc<SetHookFunction>("SetHook")(threadId, ToHwnd(window), &rect) != 0;
}

void CWin32SizeLibrary::RemoveHook() {
    RECT none{};
    mLibrary.Proc<SetHookFunction>("SetHook")(0, nullptr, &none);
}

void CWin32KeyboardLibrary::SetKeyHook(WindowHandle window, std::span<const int32_t> codes) {
    static const int32_t kNoCodes[1] = {0};
    mLibrary.Proc<SetKeyHookFunction>("SetKeyHook")(ToHwnd(window),
                                                    codes.empty() ? kNoCodes : codes.data(),
                                                    static_cast<int16_t>(codes.size()));
}

void CWin32KeyboardLibrary::SetMediaHook(WindowHandle window) {
    mLibrary.Proc<SetWindowHookFunction>("SetMediaHook")(ToHwnd(window));
}

void CWin32KeyboardLibrary::SetMouseHook(WindowHandle window) {
    mLibrary.Proc<SetWindowHookFunction>("SetMouseHook")(ToHwnd(window));
}

void CWin32KeyboardLibrary::AllowPCFriendly(bool suppressContent) {
    mLibrary.Proc<AllowPCFriendlyFunction>("AllowPCFriendly")(suppressContent ? 1 : 0);
}

} // namespace kiv::win32
