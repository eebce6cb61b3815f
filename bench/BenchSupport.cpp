#include "BenchSupport.h"

#include "store/WindowSettings.h"

#include <algorithm>
#include <cstdint>
#include <fstream>

namespace kiv::bench {

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder(std::string_view name, const fs::path& source,
                             std::initializer_list<const char*> files)
    : mPath(fs::temp_directory_path() / name) {
    std::error_code ignored;
    fs::remove_all(mPath, ignored);
    fs::create_directories(mPath);
    for (const char* file : files) {
        fs::copy_file(source / file, mPath / file);
    }
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(mPath, ignored);
}

void ScratchFolder::Write(const char* name, std::string_view bytes) const {
    std::ofstream out(mPath / name, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string BenchSettingLine(const std::string& name, const RECT& rect, const std::string& hotKey) {
    CWindowSetting setting;
    setting.SettingName = name;
    setting.WindowClass = "Class:KivBenchPlayer";
    setting.WindowLeft = rect.left;
    setting.WindowTop = rect.top;
    setting.WindowWidth = rect.right - rect.left;
    setting.WindowHeight = rect.bottom - rect.top;
    setting.HotKey = hotKey;
    setting.ApplicationName = name;
    return SettingLine(setting) + "\r\n";
}

e2e::PlayerSpec BenchPlayer(const std::string& playerExe) {
    e2e::PlayerSpec spec;
    spec.className = "KivBenchPlayer";
    spec.caption = "Bench Player";
    spec.bounds = {0, 0, 300, 200};
    spec.program = playerExe;
    return spec;
}

double Milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

namespace {

uint64_t ProcessorTicks(HANDLE process) {
    FILETIME created{}, exited{}, kernel{}, user{};
    ::GetProcessTimes(process, &created, &exited, &kernel, &user);
    auto ticks = [](FILETIME t) {
        return (static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return ticks(kernel) + ticks(user);
}

} // namespace

double ProcessorMsDuring(HANDLE process, DWORD milliseconds) {
    const uint64_t before = ProcessorTicks(process);
    ::Sleep(milliseconds);
    return static_cast<double>(ProcessorTicks(process) - before) / 10000.0;
}

} // namespace kiv::bench
