#pragma once

#include "util/ErrorReport.h"

#include <string>

namespace kiv::fuzz {

// Messages are expected (bad numbers, exhausted keys); only crashes count.
class SilentReporter : public IErrorReporter {
public:
    void ShowMessage(std::string_view, std::string_view) override { ++count; }
    size_t count = 0;
};

// A text a store file holds as it is: no separator, no "=", no line break.
inline std::string Storable(std::string text) {
    std::erase_if(text, [](char c) { return c == ';' || c == '=' || c == '\r' || c == '\n'; });
    return text;
}

} // namespace kiv::fuzz
