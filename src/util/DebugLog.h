#pragma once

#include <string_view>

namespace kiv {

// Where the debug log's lines go. The program sets one when logging is asked
// for; until then a line costs one test of a pointer.
using DebugLogSink = void (*)(std::string_view line) noexcept;
void SetDebugLogSink(DebugLogSink sink) noexcept;
// Whether a sink is set: lets a caller skip building a line nobody reads.
bool DebugLogOn() noexcept;

// One line for whoever diagnoses KIV: an error swallowed, or a result ignored
// on purpose, and the procedure it happened in.
void LogDebug(std::string_view where, std::string_view what) noexcept;

} // namespace kiv
