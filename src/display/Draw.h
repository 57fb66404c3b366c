#pragma once
#include <string>

#include "App.h"

namespace gw {

// Sets the scale and the palette geometry, clears the window, hatches the mode background and
// draws the palette column.
void LayoutBoard(App& app);
// Sets the layout values, paints the hint areas and the board white and draws the grid; nothing
// when XSize is 0. Must directly follow LayoutBoard (it relies on the copy mode left set).
void DrawGrid(App& app);
void DrawHints(App& app);
void DrawCells(App& app);
// Exclusive-or drawing of one cell value with the look its guess level gives it now; Grid is
// neither read nor changed.
void DrawCell(App& app, int x, int y, int value);
// The same with the stripes of the given guess level (0 for none).
void DrawCellLook(App& app, int x, int y, int value, int level);
// Stores a cell; nothing is drawn (Redraw shows it): 0 when it already held value, 1 when it was
// blank, 2 otherwise.
int SetCell(App& app, int x, int y, int value);
// Exclusive-or cross on the square at (cx, cy) of the board's units; drawing it again removes it.
void DrawHintMark(App& app, int cx, int cy);
void ToggleInputCursor(App& app);
std::string HintText(int n);
// A hint's number at its slot's top-left corner (x, y): in its colour, or, where that colour
// hardly reads on the white hint area (or the 表示 option asks it of every colour puzzle), in
// black or white on a cell filled with its colour (FillHintCell).
struct HintInk {
  Rgb ink = 0;          // the hint's colour
  bool filled = false;  // drawn on a cell of that colour
  Rgb digit = 0;        // the digits' colour: the hint's, or black or white on its cell
};
HintInk HintInkOf(const App& app, int colour);
// The cell under a filled hint (nothing for another or an empty slot), then its digits.
void FillHintCell(App& app, double x, double y, int number, const HintInk& ink);
void PrintHint(App& app, double x, double y, int number, const HintInk& ink);
bool FillsHint(const App& app, Rgb ink);
// LayoutBoard, DrawGrid, DrawHints, then the cursor (number input) or the cells.
void PaintBoard(App& app);
// The one way changes of cells and ticks reach the window (changing them never draws): draws
// what differs between the picture and the state, each cell whose value or guess level changed
// (the shown look off, the state's on, by exclusive-or, row by row), then each cross put on or
// taken off. A picture that was lost (never painted, or drawn over where no record can say what
// it shows) is painted afresh if anything differs; the number-input picture, which shows no
// cells, is left alone. Dirty stays as it is. Kept with its record in display/ShownPicture.cpp.
void Redraw(App& app);

// Exclusive-or hatched box over the whole hint strip of row y / column x (outline ColorTable(4),
// fill red); drawing it again removes it. The hover highlight and the solver's working line use
// them.
void ToggleRowStrip(App& app, int y);
void ToggleColStrip(App& app, int x);

}  // namespace gw
