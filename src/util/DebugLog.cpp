#include "util/DebugLog.h"

#include <atomic>
#include <string>

namespace kiv {

namespace {
std::atomic<DebugLogSink> logSink{nullptr};
} // namespace

void SetDebugLogSink(DebugLogSink sink) noexcept {
    logSink.store(sink);
}

bool DebugLogOn() noexcept {
    return logSink.load(std::memory_order_relaxed) != nullptr;
}

void LogDebug(std::string_view where, std::string_view what) noexcept {
    DebugLogSink sink = logSink.load(std::memory_order_relaxed);
    if (sink == nullptr) {
        return;
    }
    try {
        std::string line;
        line.reserve(where.size() + what.size() + 2);
        line.append(where).append(": ").append(what);
        sink(line);
    } catch (...) {
        // Out of memory while building the line: the log is the last resort.
    }
}

} // namespace kiv
