#include "placement/AppWindow.h"

#include <cstdlib>

namespace {

// Records what the locator asks for; no window is ever found.
class CAskedDesktop : public kiv::IDesktop {
public:
    kiv::WindowHandle FindTopLevelWindow(const std::optional<std::string>& className,
                                         const std::optional<std::string>& caption) override {
        ++asked;
        askedClass = className;
        askedCaption = caption;
        return 0;
    }
    bool MoveWindow(kiv::WindowHandle, int32_t, int32_t, int32_t, int32_t) override {
        return false;
    }
    std::optional<kiv::Rect> WindowRect(kiv::WindowHandle) override { return std::nullopt; }
    bool IsWindow(kiv::WindowHandle) override { return false; }
    bool WindowAnswers(kiv::WindowHandle) override { return true; }
    uint32_t WindowThreadId(kiv::WindowHandle) override { return 0; }
    kiv::Size PrimaryScreenSize() override { return {}; }
    kiv::MonitorLayout Monitors() override { return {}; }
    bool ForceForegroundWindow(kiv::WindowHandle) override { return false; }
    std::vector<kiv::TopLevelWindow> TopLevelWindows() override { return {}; }

    int asked = 0;
    std::optional<std::string> askedClass;
    std::optional<std::string> askedCaption;
};

} // namespace

// Reads any bytes as a setting's window locator (its S2 value: "Class:" and a
// class name, or another program's window caption).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view locator(reinterpret_cast<const char*>(data), size);
    CAskedDesktop desktop;
    kiv::GetAppWindow(desktop, locator);
    if (locator.empty()) {
        if (desktop.asked != 0) {
            std::abort();
        }
        return 0;
    }
    bool byClass = locator.starts_with(kiv::kClassLocatorPrefix);
    // Exactly one question, by class or by caption, never both, never altered.
    if (desktop.asked != 1 || desktop.askedClass.has_value() != byClass ||
        desktop.askedCaption.has_value() == byClass ||
        (byClass ? *desktop.askedClass != locator.substr(kiv::kClassLocatorPrefix.size())
                 : *desktop.askedCaption != locator)) {
        std::abort();
    }
    return 0;
}
