#pragma once
// What the window highlights over the board without it being part of the puzzle: the mistakes
// found, a hint's line and cells, the cells a second solution changes. One list in the layout
// (BoardLayout::Highlight), one colour scheme, one rule for when a highlight goes.
#include <vector>

#include "platform/Rgb.h"

namespace gw {

struct App;
class Surface;

enum class HighlightKind {
  Mistake,    // a wrong cell
  HintLine,   // the line a hint points at
  WrongLine,  // a line that does not agree with its hints
  HintFill,   // a cell the hint decides, in the colour it takes
  HintEmpty,  // a cell the hint leaves empty
  Ambiguity,  // a cell two solutions of the puzzle disagree on
  PointerLine,  // the row or column under the pointer (BoardLayout::PointerLine)
};

// The events that end a highlight.
enum class HighlightEnd {
  Action,   // any action on the window: a menu, a press, a drag, a key
  Change,   // a command or stroke that may change the board, or a new check or hint
  Repaint,  // the board drawn anew from nothing
};

// A highlight's box in board units, and the cell (col, row from 1) or line it stands for: a row's
// frame has col 0, a column's row 0.
struct HighlightMark {
  HighlightKind kind = HighlightKind::Mistake;
  int col = 0;
  int row = 0;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Rgb colour = 0;  // what the mark shows on a white cell
};

// How each kind is drawn. Marks drawn into the picture by exclusive-or (a hatched box, or a frame
// of bands `band` wide) come off by being drawn again; a tint is painted over the picture by the
// window, `fill` at `alpha` (of 255) with a `frame` around the cell, and never enters it.
struct HighlightStyle {
  bool tint = false;
  double band = 0;
  Rgb fill = 0;
  int alpha = 0;
  Rgb frame = 0;
  bool endsAtAction = false;
  bool framed = true;
};
const HighlightStyle& StyleOf(HighlightKind kind);
// The colour a kind shows, for every kind but HintFill (the cell's own colour).
Rgb KindColour(HighlightKind kind);

// Shows marks drawn into the picture (every kind but Ambiguity) in place of those shown before;
// a tint stays as it is.
void ShowMarks(App& app, std::vector<HighlightMark> marks);
// Shows a tint (Ambiguity marks) in place of the one before; marks in the picture stay.
void ShowTint(App& app, std::vector<HighlightMark> marks);
// Takes down every mark this event ends; marks in the picture are drawn off unless the picture
// was wiped.
void EndHighlight(App& app, HighlightEnd why);
// Tints row `row` and column `col` (0, 0: none) across the hints and the board, where they are
// in view, in place of the lines tinted before.
void ShowPointerLine(App& app, int col, int row);
// Whether cell (col, row) lies under a mark, of any kind.
bool Highlighted(const App& app, int col, int row);

HighlightMark CellMark(const App& app, HighlightKind kind, int col, int row, Rgb colour);
HighlightMark CellMark(const App& app, HighlightKind kind, int col, int row);
// A frame around the whole of row y (its hint strip and its cells), or of column x.
HighlightMark RowFrame(const App& app, HighlightKind kind, int y);
HighlightMark ColFrame(const App& app, HighlightKind kind, int x);

// Exclusive-or frame of four bands that do not overlap, so that each pixel flips once.
void XorFrame(Surface& s, double x1, double y1, double x2, double y2, double band, Rgb colour);

}  // namespace gw
