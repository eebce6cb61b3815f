#pragma once

// What the Windows benchmarks share besides the kit for driving KIV
// (tests/e2e/support): a scratch copy of KIV, a tight wait for a condition
// and the figures they print.

#include "support/E2eSupport.h"

#include <chrono>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

namespace kiv::bench {

using Clock = std::chrono::steady_clock;
using e2e::PlayerProcess;
using e2e::StartProcess;

// A fresh folder in the temporary folder holding copies of `files` from
// `source`; removed again at the end.
class ScratchFolder {
public:
    ScratchFolder(std::string_view name, const std::filesystem::path& source,
                  std::initializer_list<const char*> files);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return mPath; }
    void Write(const char* name, std::string_view bytes) const;

private:
    std::filesystem::path mPath;
};

// A settings-file line for a setting of the stand-in player (class
// "KivBenchPlayer") at this rectangle, with this hot key text.
std::string BenchSettingLine(const std::string& name, const RECT& rect,
                             const std::string& hotKey = {});

// The stand-in player `playerExe` as the "KivBenchPlayer" the settings name.
e2e::PlayerSpec BenchPlayer(const std::string& playerExe);

// Polls `condition` until it holds or `limit` passes; returns it. Unlike the
// kit's PumpUntil it never sleeps, so that it sees the moment it times.
template <typename Condition>
bool WaitFor(Condition condition, std::chrono::milliseconds limit = std::chrono::seconds(20)) {
    const auto end = Clock::now() + limit;
    while (Clock::now() < end) {
        if (condition()) {
            return true;
        }
        ::Sleep(0);
    }
    return condition();
}

double Milliseconds(Clock::duration duration);
double Median(std::vector<double> values);

// Processor time (user and kernel) `process` uses in the next `milliseconds`.
double ProcessorMsDuring(HANDLE process, DWORD milliseconds);

} // namespace kiv::bench
