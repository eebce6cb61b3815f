#pragma once

#include "store/WindowSetting.h"

#include <array>
#include <cstdint>

namespace kiv {

// The three settings a first run starts with, for a primary screen of
// `screenWidth` × `screenHeight` pixels: "Anamorphic" fills the screen,
// "Letterbox" is 1.33 times as tall and centred vertically, "4x3" is square
// and centred horizontally.
std::array<CWindowSetting, 3> InitialSettings(int32_t screenWidth, int32_t screenHeight);

} // namespace kiv
