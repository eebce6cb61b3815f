#include "util/win32/DebugLogWin32.h"

#include "platform/win32/UniqueHandle.h"
#include "util/DebugLog.h"

#include <array>
#include <cstdio>
#include <mutex>

namespace kiv::win32 {

namespace {
constexpr char kLogFileName[] = "kiv.log";

// The sink is a plain function: what it writes to lives here, for the life of
// the one CDebugLog.
std::mutex logLock;
UniqueFile logFile;

void WriteLine(std::string_view line) noexcept {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    std::array<char, 40> stamp{};
    const int stampLength =
        std::snprintf(stamp.data(), stamp.size(), "%02u:%02u:%02u.%03u %5lu ", now.wHour,
                      now.wMinute, now.wSecond, now.wMilliseconds, ::GetCurrentThreadId());
    try {
        std::string text(stamp.data(), stampLength > 0 ? static_cast<size_t>(stampLength) : 0);
        text.append(line).append("\r\n");
        ::OutputDebugStringA(text.c_str());
        const std::lock_guard<std::mutex> hold(logLock);
        DWORD written = 0;
        ::WriteFile(logFile.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    } catch (...) {
        // No memory for the line: the log is the last resort, nothing to do.
    }
}

bool LogAsked() {
    std::array<char, 4> value{};
    const DWORD length = ::GetEnvironmentVariableA("KIV_LOG", value.data(), value.size());
    return length == 1 && value[0] == '1';
}
} // namespace

CDebugLog::CDebugLog(const std::string& folder) {
    if (!LogAsked()) {
        return;
    }
    const std::string path = folder + kLogFileName;
    // Appended to, and readable while KIV runs; a file that cannot be opened
    // still leaves OutputDebugString.
    logFile.Reset(::CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    SetDebugLogSink(&WriteLine);
    LogDebug("KIV", "debug log started");
}

CDebugLog::~CDebugLog() {
    SetDebugLogSink(nullptr);
    const std::lock_guard<std::mutex> hold(logLock);
    logFile.Reset();
}

} // namespace kiv::win32
