#pragma once
// The .g format of the Olšák solver: an optional colour header ("#d", lines such as
// "  a:%  #FF0000  red", 0 the background, 1 the colour of runs without a letter), then
// ": rows", one line of runs per row, ": columns", one per column, and an optional ": end".
// Read only.
#include <string>

#include "formats/PuzzleData.h"

namespace gw {

PuzzleData ReadOlsak(const std::string& text);

}  // namespace gw
