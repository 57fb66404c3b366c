#pragma once
#include <vector>

#include "App.h"

namespace gw {

// The overlay of the mistake check and the hint: exclusive-or marks over the board, never written
// into Grid. It stays until the next action that may change the board, or a repaint, wipes it.
void ShowOverlay(App& app, std::vector<OverlayMark> marks);
void TakeDownOverlay(App& app);

// A hatched box over board cell (col, row) that shows `colour` on a white cell.
OverlayMark CellMark(const App& app, int col, int row, Rgb colour);
// A frame around the whole of row y (its hint strip and its cells), or of column x.
OverlayMark RowFrame(const App& app, int y, Rgb colour);
OverlayMark ColFrame(const App& app, int x, Rgb colour);

// Exclusive-or frame of four bands that do not overlap, so that each pixel flips once.
void XorFrame(Surface& s, double x1, double y1, double x2, double y2, double band, Rgb colour);

}  // namespace gw
