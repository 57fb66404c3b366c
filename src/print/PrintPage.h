#pragma once

#include "App.h"
#include "platform/Printer.h"

namespace gw {

// Where the puzzle goes on the page, in millimetres.
struct PageGeometry {
  double side = 25;  // left margin
  double top = 25;   // top margin
  double cell = 2.5; // edge of one cell
};

// Draws the whole puzzle on a document the printer has begun: title lines, grid, separators,
// cells, hints. Neither begins nor ends the document.
void PrintPuzzle(App& app, Printer& printer, const PageGeometry& page);

}  // namespace gw
