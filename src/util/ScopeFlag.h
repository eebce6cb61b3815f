#pragma once

namespace kiv {

// Sets a flag for the life of a scope and puts its previous value back on
// every way out: a busy flag never stays set after an exception, and a nested
// scope does not end the outer one early.
class CScopeFlag {
public:
    explicit CScopeFlag(bool& flag) noexcept : mFlag(flag), mPrevious(flag) { mFlag = true; }
    ~CScopeFlag() { mFlag = mPrevious; }
    CScopeFlag(const CScopeFlag&) = delete;
    CScopeFlag& operator=(const CScopeFlag&) = delete;

private:
    bool& mFlag;
    bool mPrevious;
};

} // namespace kiv
