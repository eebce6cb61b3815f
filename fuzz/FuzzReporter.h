#pragma once

#include "util/ErrorReport.h"

namespace kiv::fuzz {

// Messages are expected (bad numbers, exhausted keys); only crashes count.
class SilentReporter : public IErrorReporter {
public:
    void ShowMessage(std::string_view, std::string_view) override { ++count; }
    size_t count = 0;
};

} // namespace kiv::fuzz
