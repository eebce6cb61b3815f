#include "FuzzReporter.h"
#include "store/WindowSettings.h"

#include <cstdlib>

// Loads any bytes as a settings file, saves the result and loads that again.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    kiv::fuzz::SilentReporter reporter;
    kiv::CWindowSettings settings(reporter);
    settings.LoadFromText(std::string_view(reinterpret_cast<const char*>(data), size));
    std::string saved = settings.FileText();
    int32_t firstCount = settings.Count();
    settings.LoadFromText(saved);
    // What was written is read back without a conversion error, and a line
    // never becomes fewer settings.
    if (firstCount > 0 && reporter.count == 0 && settings.Count() < firstCount) {
        std::abort();
    }
    return 0;
}
