#pragma once
// The line-oriented .non format: width, height, rows, columns, with title, by and goal, and its
// colour extensions: "color a #RRGGBB" with runs such as 3a,1b, and "color NAME RRGGBB C" with
// a colour name before the runs it applies to.
#include <string>

#include "formats/PuzzleData.h"

namespace gw {

PuzzleData ReadNon(const std::string& text);
std::string WriteNon(const PuzzleData& p);

}  // namespace gw
