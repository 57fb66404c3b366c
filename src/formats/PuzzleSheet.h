#pragma once
// The puzzle as a page picture for printing or sharing: the hints around a blank board, or the
// board filled with the solution.
#include <string>

#include "formats/PuzzleData.h"
#include "platform/SheetDrawing.h"

namespace gw {

// With `solved` the solution's cells are filled (the puzzle must hold one).
SheetDrawing DrawPuzzleSheet(const PuzzleData& p, bool solved);
std::string SheetToSvg(const SheetDrawing& sheet);

}  // namespace gw
