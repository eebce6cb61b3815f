#pragma once

namespace kiv {

// The user-interface thread's message queue, for the few procedures that let
// pending events run while they work.
class IMessagePump {
public:
    virtual ~IMessagePump() = default;
    // Takes one message off the queue, waiting for one when it is empty; the
    // message is neither translated nor dispatched.
    virtual void TakeOneMessage() = 0;
    // Handles the messages already waiting, then returns.
    virtual void DoEvents() = 0;
};

} // namespace kiv
