#include "app/StartPlacement.h"

#include "placement/AppWindow.h"
#include "store/CommandArgs.h"
#include "util/Strings.h"

namespace kiv {

namespace {
class CQuietReporter : public IErrorReporter {
public:
    void ShowMessage(std::string_view, std::string_view) override {}
};
} // namespace

std::optional<CWindowSetting> SettingToPlaceAtStart(std::string_view commandLine,
                                                    const CWindowSettings& settings,
                                                    const MonitorLayout& monitors) {
    CQuietReporter quiet;
    const std::string name = ParsedArguments(quiet, commandLine).Item("S");
    if (name.empty()) {
        return std::nullopt;
    }
    std::optional<CWindowSetting> found;
    for (const CWindowSettings::Pointer& setting : settings) {
        if (EqualsIgnoreCase(setting->SettingName, name)) {
            if (found) {
                // Which of two equal names the list selects is the list's business.
                return std::nullopt;
            }
            found = *setting;
        }
    }
    if (!found || found->WindowWidth <= 0 || found->WindowHeight <= 0) {
        return std::nullopt;
    }
    std::optional<Monitor> screen = SettingMonitor(monitors, *found);
    if (!screen || found->WindowWidth > SizeOf(screen->area).width ||
        found->WindowHeight > SizeOf(screen->area).height) {
        return std::nullopt;
    }
    return found;
}

void PlaceCommandLineSettingEarly(IDesktop& desktop, std::string_view commandLine,
                                  const std::string& settingsFile) {
    CQuietReporter quiet;
    TrapErrors(quiet, "", [&] {
        CWindowSettings settings(quiet);
        settings.AppDataFile = settingsFile;
        settings.LoadItems();
        const std::optional<CWindowSetting> setting =
            SettingToPlaceAtStart(commandLine, settings, desktop.Monitors());
        if (!setting) {
            return;
        }
        if (WindowHandle window = GetAppWindow(desktop, setting->WindowClass);
            window != 0 && desktop.WindowAnswers(window)) {
            desktop.MoveWindow(window, setting->WindowLeft, setting->WindowTop,
                               setting->WindowWidth, setting->WindowHeight);
        }
    });
}

} // namespace kiv
