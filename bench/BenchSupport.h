#pragma once

// What the Windows benchmarks share: a scratch copy of KIV, starting
// processes, waiting for a condition and the figures they print.

#include "platform/win32/UniqueHandle.h"

#include <chrono>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

namespace kiv::bench {

using Clock = std::chrono::steady_clock;

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

// Starts `commandLine` in `folder`; an invalid handle when it cannot start.
win32::UniqueKernelHandle StartProcess(const std::string& commandLine,
                                       const std::filesystem::path& folder);

// A settings-file line for a setting of the stand-in player (class
// "KivBenchPlayer") at this rectangle, with this hot key text.
std::string BenchSettingLine(const std::string& name, const RECT& rect,
                             const std::string& hotKey = {});

// Starts the stand-in player `playerExe` in `folder` as the "KivBenchPlayer"
// the settings name; its window, or null when it did not start.
HWND StartBenchPlayer(const std::string& playerExe, const std::filesystem::path& folder,
                      win32::UniqueKernelHandle& process);

// Polls `condition` until it holds or `limit` passes; returns it.
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
