#pragma once

#include "platform/KeyboardState.h"

namespace kiv {

// The system's keyboard as the editing controls read it, at the moment of
// each call; it keeps no state of its own. "Down" is a key held now.
class CKeyboardInfo : public IKeyboardState {
public:
    bool LControl() const override;
    bool LShift() const override;
};

} // namespace kiv
