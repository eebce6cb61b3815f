#include "KIVKbd.h"

#include "Internal.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

HINSTANCE kiv::kbd::ModuleInstance() noexcept {
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

extern "C" int WINAPI SetKeyHook(HWND window, const std::int32_t* codes,
                                 std::int16_t count) noexcept {
    if (window == nullptr || count <= 0) {
        kiv::kbd::StopKeyHook();
        return 1;
    }
    return kiv::kbd::StartKeyHook(window, codes, count) ? 1 : 0;
}

extern "C" int WINAPI SetMediaHook(HWND window) noexcept {
    return kiv::kbd::SetMediaTarget(window) ? 1 : 0;
}

extern "C" int WINAPI SetMouseHook(HWND window) noexcept {
    return kiv::kbd::SetMouseTarget(window) ? 1 : 0;
}

extern "C" void WINAPI AllowPCFriendly(int allow) noexcept {
    // The name is historical: a non-zero argument switches suppression on.
    const bool suppress = allow != 0;
    kiv::kbd::SetAnswerAutoPlayQuery(suppress);
    if (suppress) {
        kiv::kbd::RegisterAutoPlayCanceller();
    } else {
        kiv::kbd::RevokeAutoPlayCanceller();
    }
}

extern "C" int WINAPI GetDVDinfo(char* volumeName, char* fileSystem,
                                 std::uint32_t* serial) noexcept {
    return kiv::kbd::ReadVolumeInfo(volumeName, fileSystem, serial) ? 1 : 0;
}
