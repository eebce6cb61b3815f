#pragma once

#include "util/ErrorReport.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kiv {

// The arguments of a whole command line: what follows the program's name,
// quoted or not, without the blanks before them.
std::string CommandLineArguments(std::string_view commandLine);

// Splits a command line into key/value arguments, each introduced by a
// delimiter: "/S My Setting /R" gives S = "My Setting" and R = "R".
class CCommandArgs {
public:
    explicit CCommandArgs(IErrorReporter& reporter) : mReporter(&reporter) {}

    std::string TestString;
    std::string Delim;

    int16_t Count() const noexcept { return static_cast<int16_t>(mArguments.size()); }

    // Fills the argument table from TestString and Delim.
    void Parse();

    // A numeric index gives the value of that argument (1 to Count, else "");
    // any other index is a key: the value of the first argument with that key,
    // letters compared without regard to case, or "".
    std::string Item(std::string_view index) const;
    std::string Key(int32_t n) const;
    std::string Value(int32_t n) const;

private:
    const std::pair<std::string, std::string>& Argument(int32_t n) const;

    IErrorReporter* mReporter;
    std::vector<std::pair<std::string, std::string>> mArguments;
};

// KIV's own arguments, each introduced by "/".
CCommandArgs ParsedArguments(IErrorReporter& reporter, std::string_view arguments);

} // namespace kiv
