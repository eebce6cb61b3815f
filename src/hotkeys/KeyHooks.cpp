#include "hotkeys/KeyHooks.h"

#include "placement/AppWindow.h"

namespace kiv {

void CKeyHooks::SetKeyHookOn(WindowHandle window, const CWindowSettings& settings,
                             const COptions& options) {
    TrapErrors(mReporter, "SetKeyHookOn", [&] {
        mTable.Build(settings, options);
        if (mTable.Count > 0) {
            mLibrary.SetKeyHook(
                window, std::span(mTable.HotKeyCodes.data(), static_cast<size_t>(mTable.Count)));
        }
    });
}

bool CKeyHooks::RenewKeyHook(WindowHandle window, const CWindowSettings& settings,
                             const COptions& options) {
    bool renewed = false;
    TrapErrors(mReporter, "SetKeyHookOn", [&] {
        mTable.Build(settings, options);
        if (mTable.Count > 0) {
            mLibrary.SetKeyHook(
                window, std::span(mTable.HotKeyCodes.data(), static_cast<size_t>(mTable.Count)));
            renewed = true;
        }
    });
    return renewed;
}

void CKeyHooks::SetKeyHookOff() {
    mTable.Clear();
    try {
        mLibrary.SetKeyHook(0, std::span(mTable.HotKeyCodes.data(), 0));
    } catch (const CRuntimeError& error) {
        if (error.Number() == ErrorNumber::FileNotFound) {
            throw;
        }
        LogCurrentError("CKeyHooks::SetKeyHookOff");
    } catch (...) {
        LogCurrentError("CKeyHooks::SetKeyHookOff");
    }
}

void CKeyHooks::SetMediaHookOff() noexcept {
    try {
        mLibrary.SetMediaHook(0);
    } catch (...) {
        LogCurrentError("CKeyHooks::SetMediaHookOff");
    }
}

void CKeyHooks::StartMouseHook(std::string_view windowClass) {
    if (WindowHandle window = GetAppWindow(mDesktop, windowClass)) {
        mLibrary.SetMouseHook(window);
    }
}

void CKeyHooks::StopMouseHook() noexcept {
    try {
        mLibrary.SetMouseHook(0);
    } catch (...) {
        LogCurrentError("CKeyHooks::StopMouseHook");
    }
}

void CKeyHooks::DisableDVDRomContent(bool disable) {
    TrapErrors(mReporter, "DisableDVDRomContent", [&] { mLibrary.AllowPCFriendly(disable); });
}

} // namespace kiv
