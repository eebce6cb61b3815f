// How long loading and saving a 10 000-line settings file and play list take.
#include "store/PlayList.h"
#include "store/WindowSettings.h"
#include "util/FileSystem.h"

#include "BenchTable.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <vector>

namespace {

class CountingReporter : public kiv::IErrorReporter {
public:
    void ShowMessage(std::string_view, std::string_view) override { ++count; }
    int count = 0;
};

double MedianMilliseconds(const std::function<void()>& work, int runs = 7) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main() {
    constexpr int kLines = 10000;
    std::filesystem::path dir = std::filesystem::temp_directory_path() / "kiv-bench";
    std::filesystem::create_directories(dir);
    CountingReporter reporter;

    kiv::CWindowSettings settings(reporter);
    settings.AppDataFile = (dir / "KIV.dat").string();
    for (int i = 0; i < kLines; ++i) {
        kiv::CWindowSetting s;
        s.SettingName = "Setting number " + std::to_string(i);
        s.WindowClass = "Class:MediaPlayerClassicW";
        s.WindowLeft = -i;
        s.WindowTop = i;
        s.WindowWidth = 1920;
        s.WindowHeight = 1080;
        s.HotKey = "10112";
        s.ApplicationName = "Media Player";
        settings.Add(s);
    }
    kiv::CPlayList playList(reporter);
    playList.PlayListFile = (dir / "KIVPlay.dat").string();
    for (int i = 0; i < kLines; ++i) {
        playList.Add("Title " + std::to_string(i), "Anamorphic", "VOLUME_" + std::to_string(i),
                     "1A2B3C4D");
    }

    double saveSettings = MedianMilliseconds([&] { settings.SaveItems(); });
    // Each load uses keys; the counter has room for three loads of 10 000.
    double loadSettings = MedianMilliseconds([&] { settings.LoadItems(); }, 2);
    double savePlayList = MedianMilliseconds([&] { playList.SaveItems(); });
    double loadPlayList = MedianMilliseconds([&] { playList.LoadItems(); }, 2);

#ifdef _WIN32
    const std::string build = "Windows build";
#else
    const std::string build = "native build";
#endif
    auto row = [&](const char* what, const std::string& file, double save, double load) {
        const auto kilobytes = std::filesystem::file_size(file) / 1024;
        kiv::bench::PrintRow(std::string(what) + ", " + std::to_string(kLines) + " lines (" +
                                 std::to_string(kilobytes) + " KB): save / load, " + build,
                             kiv::bench::Format("%.1f", save) + " / " + kiv::bench::Ms(load));
    };
    row("Settings file", settings.AppDataFile, saveSettings, loadSettings);
    row("Play list file", playList.PlayListFile, savePlayList, loadPlayList);
    std::filesystem::remove_all(dir);
    return settings.Count() == kLines && playList.Count() == kLines ? 0 : 1;
}
