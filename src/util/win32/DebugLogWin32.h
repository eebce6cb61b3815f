#pragma once

#include <string>

namespace kiv::win32 {

// The debug log while it lives: with the environment variable KIV_LOG=1 each
// line goes to OutputDebugString and is appended to "kiv.log" in `folder`
// (the data folder), stamped with the time and the thread. Without it nothing
// is set up and a line costs one test of a pointer.
class CDebugLog {
public:
    explicit CDebugLog(const std::string& folder);
    ~CDebugLog();
    CDebugLog(const CDebugLog&) = delete;
    CDebugLog& operator=(const CDebugLog&) = delete;
};

} // namespace kiv::win32
