#include "hotkeys/win32/KeyboardInfo.h"

#include "platform/win32/Win32.h"

namespace kiv {

namespace {
bool IsDown(int virtualKey) {
    return (static_cast<uint16_t>(::GetKeyState(virtualKey)) & 0x8000U) != 0;
}
bool IsToggled(int virtualKey) {
    return (static_cast<uint16_t>(::GetKeyState(virtualKey)) & 0x0001U) != 0;
}
} // namespace

bool CKeyboardInfo::Alt() const {
    return IsDown(VK_MENU);
}
bool CKeyboardInfo::Control() const {
    return IsDown(VK_CONTROL);
}
bool CKeyboardInfo::Shift() const {
    return IsDown(VK_SHIFT);
}
bool CKeyboardInfo::LAlt() const {
    return IsDown(VK_LMENU);
}
bool CKeyboardInfo::RAlt() const {
    return IsDown(VK_RMENU);
}
bool CKeyboardInfo::LControl() const {
    return IsDown(VK_LCONTROL);
}
bool CKeyboardInfo::RControl() const {
    return IsDown(VK_RCONTROL);
}
bool CKeyboardInfo::LShift() const {
    return IsDown(VK_LSHIFT);
}
bool CKeyboardInfo::RShift() const {
    return IsDown(VK_RSHIFT);
}

bool CKeyboardInfo::CapsLock() const {
    return IsToggled(VK_CAPITAL);
}
void CKeyboardInfo::SetCapsLock(bool on) {
    SetKeyState(VK_CAPITAL, on);
}
bool CKeyboardInfo::NumLock() const {
    return IsToggled(VK_NUMLOCK);
}
void CKeyboardInfo::SetNumLock(bool on) {
    SetKeyState(VK_NUMLOCK, on);
}
bool CKeyboardInfo::ScrollLock() const {
    return IsToggled(VK_SCROLL);
}
void CKeyboardInfo::SetScrollLock(bool on) {
    SetKeyState(VK_SCROLL, on);
}

int16_t CKeyboardInfo::BlinkTime() const {
    return static_cast<int16_t>(::GetCaretBlinkTime());
}

void CKeyboardInfo::SetBlinkTime(int16_t milliseconds) {
    ::SetCaretBlinkTime(static_cast<UINT>(static_cast<uint16_t>(milliseconds)));
}

int16_t CKeyboardInfo::FunctionKeys() const {
    return static_cast<int16_t>(::GetKeyboardType(2));
}

int32_t CKeyboardInfo::KeyboardType() const {
    return ::GetKeyboardType(0);
}

int32_t CKeyboardInfo::RepeatDelay() const {
    int delay = 0;
    ::SystemParametersInfoA(SPI_GETKEYBOARDDELAY, 0, &delay, 0);
    return delay;
}

void CKeyboardInfo::SetRepeatDelay(int32_t delay) {
    int scratch = 0;
    ::SystemParametersInfoA(SPI_SETKEYBOARDDELAY, static_cast<UINT>(delay), &scratch,
                            SPIF_SENDCHANGE);
}

int16_t CKeyboardInfo::RepeatSpeed() const {
    DWORD speed = 0;
    ::SystemParametersInfoA(SPI_GETKEYBOARDSPEED, 0, &speed, 0);
    return static_cast<int16_t>(speed);
}

void CKeyboardInfo::SetRepeatSpeed(int16_t speed) {
    int scratch = 0;
    ::SystemParametersInfoA(SPI_SETKEYBOARDSPEED, static_cast<UINT>(speed), &scratch,
                            SPIF_SENDCHANGE);
}

void CKeyboardInfo::SetKeyState(int32_t keyCode, bool on) {
    if (keyCode < 0 || keyCode > 255) {
        return;
    }
    BYTE keys[256] = {};
    if (!::GetKeyboardState(keys)) {
        return;
    }
    if (on) {
        keys[keyCode] = static_cast<BYTE>(keys[keyCode] | 1U);
    } else {
        keys[keyCode] = static_cast<BYTE>(keys[keyCode] & ~1U);
    }
    ::SetKeyboardState(keys);
}

} // namespace kiv
