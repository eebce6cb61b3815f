#include "FuzzReporter.h"
#include "store/CommandArgs.h"
#include "util/Numbers.h"

#include <algorithm>
#include <cstdlib>

// Parses any bytes as the program's whole command line.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view commandLine(reinterpret_cast<const char*>(data), size);
    kiv::fuzz::SilentReporter reporter;
    kiv::CCommandArgs args(reporter);
    args.TestString = kiv::CommandLineArguments(commandLine);
    // The arguments are the command line's tail, without the blanks before them.
    if (!commandLine.ends_with(args.TestString) ||
        (!args.TestString.empty() && (args.TestString[0] == ' ' || args.TestString[0] == '\t'))) {
        std::abort();
    }
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
