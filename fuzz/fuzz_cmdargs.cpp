#include "FuzzReporter.h"
#include "store/CommandArgs.h"
#include "util/Numbers.h"

#include <algorithm>
#include <cstdlib>

// Parses any bytes as a command line.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    kiv::fuzz::SilentReporter reporter;
    kiv::CCommandArgs args(reporter);
    args.TestString.assign(reinterpret_cast<const char*>(data), size);
    args.Delim = "/";
    args.Parse();
    auto delimiters = std::count(args.TestString.begin(), args.TestString.end(), '/');
    if (args.Count() > delimiters) {
        std::abort();
    }
    for (int32_t n = 1; n <= args.Count(); ++n) {
        // A numeric key would be read as a position instead.
        if (args.Value(n).empty() ||
            (!kiv::IsNumeric(args.Key(n)) && args.Item(args.Key(n)).empty())) {
            std::abort();
        }
    }
    args.Item("1");
    return 0;
}
