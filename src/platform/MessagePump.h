#pragma once

namespace kiv {

// The user-interface thread's message queue, for the few procedures that let
// pending events run while they work.
class IMessagePump {
public:
    virtual ~IMessagePump() = default;
    // Waits for one message, such as the signal a library posts to this
    // thread; any other message taken is handled as the message loop would.
    virtual void TakeOneMessage() = 0;
    // Handles the messages already waiting, then returns.
    virtual void DoEvents() = 0;
};

} // namespace kiv
