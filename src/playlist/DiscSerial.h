#pragma once

#include <cstdint>
#include <string>

namespace kiv {

// A volume serial number as the play list stores it: upper-case hexadecimal
// without leading zeros ("0" for zero), eight digits when the top bit is set.
std::string DiscSerialText(uint32_t serial);

} // namespace kiv
