#include "hotkeys/win32/KeyboardInfo.h"

#include "platform/win32/Win32.h"

#include <cstdint>

namespace kiv {

namespace {
bool IsDown(int virtualKey) {
    return (static_cast<uint16_t>(::GetKeyState(virtualKey)) & 0x8000U) != 0;
}
} // namespace

bool CKeyboardInfo::LControl() const {
    return IsDown(VK_LCONTROL);
}

bool CKeyboardInfo::LShift() const {
    return IsDown(VK_LSHIFT);
}

} // namespace kiv
