#include "FuzzReporter.h"
#include "store/Options.h"
#include "util/IniText.h"

#include <cstdlib>
#include <optional>
#include <string>

// Reads any bytes as an options file, then checks that setting a key always
// makes that key read back as set, through the profile rules and the options.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static kiv::fuzz::SilentReporter reporter;
    // Made once: the constructor looks up the program's folder.
    static const kiv::COptions defaults(reporter);
    std::string_view text(reinterpret_cast<const char*>(data), size);

    std::string updated = kiv::ProfileUpdate(text, "KIV", "Drive", "X");
    std::optional<std::string> value = kiv::ProfileLookup(updated, "KIV", "Drive");
    if (!value || *value != "X") {
        std::abort();
    }
    // Every other line of the input is kept, so this reads all of it. A bad
    // number before Drive ends the read there, with a message.
    size_t messages = reporter.count;
    kiv::COptions options(defaults);
    options.LoadFromText(updated);
    if (reporter.count == messages && options.Drive != "X") {
        std::abort();
    }
    return 0;
}
