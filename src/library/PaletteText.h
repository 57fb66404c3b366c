#pragma once
// The colours of a puzzle as the store keeps them: "#RRGGBB" texts joined by spaces.
#include <string>
#include <vector>

#include "platform/Rgb.h"

namespace gw {

std::string PaletteText(const std::vector<Rgb>& palette);
std::vector<Rgb> PaletteFromText(const std::string& text);

}  // namespace gw
