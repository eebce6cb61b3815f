#pragma once

// The one form every benchmark prints its figures in: rows of a Markdown
// table, "| what | KIV | floor | against the floor | goal |", the table of
// docs/performance.md. The test command gathers the rows of all benchmarks
// (the lines that start with "| ") into one table at its end. A figure is
// never an assertion: a benchmark fails only when it cannot measure.

#include <cstdio>
#include <string>
#include <string_view>

namespace kiv::bench {

// A cell with no figure.
inline constexpr std::string_view kNone = "-";

inline std::string Format(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// "66.3 ms", "1082 us".
inline std::string Ms(double ms) {
    return Format("%.1f ms", ms);
}
inline std::string Us(double us) {
    return Format("%.0f us", us);
}

// KIV against its floor: "1.27x" (times the floor's time) or "+3.1 ms".
inline std::string Ratio(double kiv, double floor) {
    return floor > 0 ? Format("%.2fx", kiv / floor) : std::string(kNone);
}
inline std::string MsMore(double kivMs, double floorMs) {
    return Format("%+.1f ms", kivMs - floorMs);
}
inline std::string UsMore(double kivUs, double floorUs) {
    return Format("%+.0f us", kivUs - floorUs);
}

inline void PrintRow(std::string_view what, std::string_view kiv, std::string_view floor = kNone,
                     std::string_view against = kNone, std::string_view goal = kNone) {
    std::printf("| %.*s | %.*s | %.*s | %.*s | %.*s |\n", static_cast<int>(what.size()),
                what.data(), static_cast<int>(kiv.size()), kiv.data(),
                static_cast<int>(floor.size()), floor.data(), static_cast<int>(against.size()),
                against.data(), static_cast<int>(goal.size()), goal.data());
    std::fflush(stdout);
}

} // namespace kiv::bench
