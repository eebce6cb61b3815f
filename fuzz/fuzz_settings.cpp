#include "FuzzReporter.h"
#include "store/WindowSettings.h"

#include <cstdlib>
#include <vector>

// Loads any bytes as a settings file, saves the result and loads that again;
// then saves the settings read, their texts made storable, and checks that
// every one of them loads back field by field.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    kiv::fuzz::SilentReporter reporter;
    kiv::CWindowSettings settings(reporter);
    settings.LoadFromText(std::string_view(reinterpret_cast<const char*>(data), size));
    std::string saved = settings.FileText();
    int32_t firstCount = settings.Count();

    std::vector<kiv::CWindowSetting> storable;
    kiv::CWindowSettings roundTrip(reporter);
    for (const auto& setting : settings) {
        kiv::CWindowSetting s = setting->CopyWithoutKey();
        s.SettingName = kiv::fuzz::Storable(s.SettingName);
        s.WindowClass = kiv::fuzz::Storable(s.WindowClass);
        s.HotKey = kiv::fuzz::Storable(s.HotKey);
        s.ApplicationName = kiv::fuzz::Storable(s.ApplicationName);
        storable.push_back(s);
        roundTrip.Add(s);
    }

    settings.LoadFromText(saved);
    // What was written is read back without a conversion error, and a line
    // never becomes fewer settings.
    if (firstCount > 0 && reporter.count == 0 && settings.Count() < firstCount) {
        std::abort();
    }

    const size_t messages = reporter.count;
    roundTrip.LoadFromText(roundTrip.FileText());
    if (reporter.count != messages || roundTrip.Count() != static_cast<int32_t>(storable.size())) {
        std::abort();
    }
    for (size_t i = 0; i < storable.size(); ++i) {
        if (roundTrip.Item(static_cast<int32_t>(i + 1))->CopyWithoutKey() != storable[i]) {
            std::abort();
        }
    }
    return 0;
}
