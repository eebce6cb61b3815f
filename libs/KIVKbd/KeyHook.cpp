#include "Internal.h"
#include "KIVKbd.h"

#include "platform/win32/UniqueHandle.h"

#include <algorithm>
#include <array>

namespace kiv::kbd {

namespace {

// Copied in by StartKeyHook, read by the hook procedure. The low-level hook
// runs on the installing thread, inside its message loop, so both sides are
// on one thread.
struct KeyTable {
    HWND target = nullptr;
    std::array<std::uint32_t, support::kMaxHotKeys> codes = {};
    int count = 0;
};

KeyTable gTable;
win32::UniqueHook gKeyHook;

constexpr std::uint32_t kShiftFlag = 1;
constexpr std::uint32_t kCtrlFlag = 2;
// Alt or a Windows key held: no entry has it, so no chord matches.
constexpr std::uint32_t kOtherModifierFlag = 4;

bool IsDown(int virtualKey) noexcept {
    return (GetAsyncKeyState(virtualKey) & 0x8000) != 0;
}

// The modifier state is read from the system, not tracked from our own
// events: a modifier held before the hook started, or released while the
// hook missed it (another desktop, a hook time-out), must not stick. Either
// Shift and either Ctrl count.
std::uint32_t CurrentModifiers() noexcept {
    const bool other = IsDown(VK_MENU) || IsDown(VK_LWIN) || IsDown(VK_RWIN);
    return (IsDown(VK_SHIFT) ? kShiftFlag : 0) | (IsDown(VK_CONTROL) ? kCtrlFlag : 0) |
           (other ? kOtherModifierFlag : 0);
}

// Must return quickly: matches and posts, nothing else. A matched chord is
// KIV's: the focused program does not get it too. A key held down repeats
// its key-down events, and so its action.
LRESULT CALLBACK KeyHookProc(int code, WPARAM wParam, LPARAM lParam) noexcept {
    if (code == HC_ACTION && (wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN)) {
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        const std::uint32_t virtualKey = key->vkCode & 0xFFFF;
        bool modifiersRead = false;
        std::uint32_t modifiers = 0;
        for (int i = 0; i < gTable.count; ++i) {
            const std::uint32_t entry = gTable.codes[i];
            if ((entry & 0xFFFF) != virtualKey) {
                continue;
            }
            // Only a key in the table pays for the modifier query.
            if (!modifiersRead) {
                modifiers = CurrentModifiers();
                modifiersRead = true;
            }
            if ((entry >> 16) == modifiers) {
                PostMessageW(gTable.target, support::kHotKeyMessage, static_cast<WPARAM>(i), 0);
                return 1;
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

void StopKeyHook() noexcept {
    gKeyHook.Reset();
    gTable = KeyTable{};
}

bool StartKeyHook(HWND window, const std::int32_t* codes, int count) noexcept {
    StopKeyHook();
    if (codes == nullptr || !IsWindow(window)) {
        return false;
    }
    gTable.target = window;
    gTable.count = std::min(count, support::kMaxHotKeys);
    std::transform(codes, codes + gTable.count, gTable.codes.begin(),
                   [](std::int32_t code) { return static_cast<std::uint32_t>(code); });

    gKeyHook.Reset(SetWindowsHookExW(WH_KEYBOARD_LL, KeyHookProc, ModuleInstance(), 0));
    if (!gKeyHook) {
        gTable = KeyTable{};
        return false;
    }
    return true;
}

} // namespace kiv::kbd
