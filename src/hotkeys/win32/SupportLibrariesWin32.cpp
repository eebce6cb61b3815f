#include "hotkeys/win32/SupportLibrariesWin32.h"

#include "KIVKbd/KIVKbd.h"
#include "KIVUtil/KIVUtil.h"
#include "hotkeys/HotKeyTable.h"
#include "platform/win32/Win32Platform.h"
#include "util/RuntimeError.h"

namespace kiv::win32 {

static_assert(kHotKeyTableSize <= static_cast<size_t>(support::kMaxHotKeys),
              "the key hook must be able to watch every hot key KIV builds");

namespace {
std::wstring Widen(const std::string& text) {
    int length = ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(std::max(length, 1)), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    wide.resize(wide.size() - 1);
    return wide;
}
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

CWin32SizeLibrary::CWin32SizeLibrary(const std::string& folder)
    : mLibrary(folder, support::kSizeLibraryFile) {}

bool CWin32SizeLibrary::SetHook(uint32_t threadId, WindowHandle window, const Rect& limit) {
    RECT rect{limit.left, limit.top, limit.right, limit.bottom};
    return mLibrary.Get<support::SetHookProc>("SetHook")(threadId, ToHwnd(window), &rect) != 0;
}

void CWin32SizeLibrary::RemoveHook() {
    RECT none{};
    mLibrary.Get<support::SetHookProc>("SetHook")(0, nullptr, &none);
}

CWin32KeyboardLibrary::CWin32KeyboardLibrary(const std::string& folder)
    : mLibrary(folder, support::kKeyboardLibraryFile) {}

void CWin32KeyboardLibrary::SetKeyHook(WindowHandle window, std::span<const int32_t> codes) {
    static const int32_t kNoCodes[1] = {0};
    mLibrary.Get<support::SetKeyHookProc>("SetKeyHook")(ToHwnd(window),
                                                        codes.empty() ? kNoCodes : codes.data(),
                                                        static_cast<int16_t>(codes.size()));
}

void CWin32KeyboardLibrary::SetMediaHook(WindowHandle window) {
    mLibrary.Get<support::SetMediaHookProc>("SetMediaHook")(ToHwnd(window));
}

void CWin32KeyboardLibrary::SetMouseHook(WindowHandle window) {
    mLibrary.Get<support::SetMouseHookProc>("SetMouseHook")(ToHwnd(window));
}

void CWin32KeyboardLibrary::AllowPCFriendly(bool suppressContent) {
    mLibrary.Get<support::AllowPCFriendlyProc>("AllowPCFriendly")(suppressContent ? 1 : 0);
}

} // namespace kiv::win32
