#pragma once

namespace kiv {

// The keyboard state the editing controls read when an arrow is clicked.
class IKeyboardState {
public:
    virtual ~IKeyboardState() = default;
    virtual bool LShift() const = 0;
    virtual bool LControl() const = 0;
};

} // namespace kiv
