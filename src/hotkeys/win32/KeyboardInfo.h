#pragma once

#include "hotkeys/KeyboardState.h"

#include <cstdint>

namespace kiv {

// The system's keyboard, read (or changed) at the moment of each call; it
// keeps no state of its own. "Down" is a key held now, "on" a lock key's toggle.
class CKeyboardInfo : public IKeyboardState {
public:
    bool Alt() const;
    bool Control() const;
    bool Shift() const;
    bool LAlt() const;
    bool RAlt() const;
    bool LControl() const override;
    bool RControl() const;
    bool LShift() const override;
    bool RShift() const;

    // The lock keys; writing changes the toggle this thread sees.
    bool CapsLock() const;
    void SetCapsLock(bool on);
    bool NumLock() const;
    void SetNumLock(bool on);
    bool ScrollLock() const;
    void SetScrollLock(bool on);

    // Caret blink time in milliseconds.
    int16_t BlinkTime() const;
    void SetBlinkTime(int16_t milliseconds);
    int16_t FunctionKeys() const;
    int32_t KeyboardType() const;
    // The repeat settings as the system stores them; writing notifies every window.
    int32_t RepeatDelay() const;
    void SetRepeatDelay(int32_t delay);
    int16_t RepeatSpeed() const;
    void SetRepeatSpeed(int16_t speed);

private:
    // Sets or clears the toggle bit of `keyCode` (0 to 255) in this thread's key state.
    static void SetKeyState(int32_t keyCode, bool on);
};

} // namespace kiv
