#include "FuzzReporter.h"
#include "store/Options.h"
#include "util/FileSystem.h"
#include "util/IniText.h"

#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

// Reads any bytes as an options file, then checks that setting a key always
// makes that key read back as set.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);

    static const std::string path = "/tmp/kiv-fuzz-options-" + std::to_string(::getpid()) + ".ini";
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    kiv::fuzz::SilentReporter reporter;
    kiv::COptions options(reporter);
    options.INIFilePath = path;
    options.RetrieveSettings();

    std::string updated = kiv::ProfileUpdate(text, "KIV", "Drive", "X");
    std::optional<std::string> value = kiv::ProfileLookup(updated, "KIV", "Drive");
    if (!value || *value != "X") {
        std::abort();
    }
    return 0;
}
