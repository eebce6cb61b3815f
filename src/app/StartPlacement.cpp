#include "app/StartPlacement.h"

#include "placement/AppWindow.h"
#include "platform/Monitors.h"
#include "store/CommandArgs.h"
#include "store/WindowSettings.h"
#include "util/Strings.h"

#include <optional>

namespace kiv {

namespace {
class CQuietReporter : public IErrorReporter {
public:
    void ShowMessage(std::string_view, std::string_view) override {}
};

std::optional<CWindowSetting> SettingToPlaceAtStart(std::string_view commandLine,
                                                    const CWindowSettings& settings) {
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
    return found;
}

bool FitsItsDisplay(const CWindowSetting& setting, const MonitorLayout& monitors) {
    std::optional<Monitor> screen = SettingMonitor(monitors, setting);
    return screen && setting.WindowWidth <= SizeOf(screen->area).width &&
           setting.WindowHeight <= SizeOf(screen->area).height;
}
} // namespace

void PlaceCommandLineSettingEarly(IDesktop& desktop, std::string_view commandLine,
                                  const std::string& settingsFile) {
    CQuietReporter quiet;
    TrapErrors(quiet, "", [&] {
        CWindowSettings settings(quiet);
        settings.AppDataFile = settingsFile;
        settings.LoadItems();
        const std::optional<CWindowSetting> setting = SettingToPlaceAtStart(commandLine, settings);
        if (!setting) {
            return;
        }
        const WindowHandle window = GetAppWindow(desktop, setting->WindowClass);
        if (window == 0 || !desktop.WindowAnswers(window)) {
            return;
        }
        const std::optional<Rect> before = desktop.WindowRect(window);
        if (!before) {
            return;
        }
        desktop.MoveWindow(window, setting->WindowLeft, setting->WindowTop, setting->WindowWidth,
                           setting->WindowHeight);
        // The displays are asked only after the move: under Wine the first
        // question about them loads the display driver, which would double
        // the time to the player placed. A setting that turns out to need
        // the size hook, or to be on no display, is put back at once, for
        // the full selection to handle as it always has.
        if (!FitsItsDisplay(*setting, desktop.Monitors())) {
            const Size size = SizeOf(*before);
            desktop.MoveWindow(window, before->left, before->top, size.width, size.height);
        }
    });
}

} // namespace kiv
