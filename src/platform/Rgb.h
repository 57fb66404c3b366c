#pragma once
#include <cstdint>

namespace gw {

// Colours travel as 0x00BBGGRR, the layout the settings file and every table of the program use.
using Rgb = std::int32_t;

constexpr Rgb MakeRgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }
constexpr int RedOf(Rgb c) { return c & 0xFF; }
constexpr int GreenOf(Rgb c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(Rgb c) { return (c >> 16) & 0xFF; }

}  // namespace gw
