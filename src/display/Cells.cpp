// Board cells: colour boxes and the three styles of the empty-cell mark, all drawn by
// exclusive-or pairs (white, then the colour) so that drawing a value twice removes it.
#include <algorithm>
#include <cstdlib>

#include "display/BoardLayout.h"
#include "display/Colors.h"
#include "display/Draw.h"
#include "display/ShownPicture.h"
#include "display/Viewport.h"
#include "state/GuessLayer.h"
#include "state/PuzzleState.h"

namespace gw {
namespace {

enum MarkStyleId { kMarkDot = 0, kMarkSlash = 1 };  // any other value draws the cross

void DrawMark(Surface& s, int style, double cx, double cy, Rgb white, Rgb c) {
  if (style == kMarkDot) {
    s.FillBox(cx + 0.4, cy + 0.4, cx + 0.6, cy + 0.6, white);
    s.FillBox(cx + 0.4, cy + 0.4, cx + 0.6, cy + 0.6, c);
  } else if (style == kMarkSlash) {
    s.Line(cx + 1, cy, cx, cy + 1, white);
    s.Line(cx + 1, cy, cx, cy + 1, c);
  } else {
    s.Line(cx + 1, cy, cx, cy + 1, white);
    s.Line(cx, cy, cx + 1, cy + 1, white);
    s.Line(cx + 1, cy, cx, cy + 1, c);
    s.Line(cx, cy, cx + 1, cy + 1, c);
  }
}

// Each level of a guess has stripes of its own, so nested guesses tell apart: rising, falling,
// across, down, and round again. A painted cell's stripes invert it (they show on any colour); a
// mark's are drawn in its colour, as the mark is. Exclusive-or like the rest: drawing the cell
// again removes them with it.
void DrawGuessStripes(Surface& s, int level, double cx, double cy, Rgb white, Rgb c, bool painted) {
  auto stripe = [&](double x1, double y1, double x2, double y2) {
    s.Line(cx + x1, cy + y1, cx + x2, cy + y2, white);
    if (!painted) s.Line(cx + x1, cy + y1, cx + x2, cy + y2, c);
  };
  // Inside the cell by a little, so that no stripe touches a neighbour's pixels.
  const double lo = 0.08, hi = 0.92;
  const double at[] = {0.3, 0.5, 0.7};
  switch ((level - 1) % 4) {
    case 0:  // x + y = 2d
      for (double d : at) stripe(std::max(lo, 2 * d - hi), std::min(hi, 2 * d - lo), std::min(hi, 2 * d - lo), std::max(lo, 2 * d - hi));
      break;
    case 1:  // x - y = 2d - 1
      for (double d : at) {
        double m = 2 * d - 1;
        stripe(std::max(lo, lo + m), std::max(lo, lo - m), std::min(hi, hi + m), std::min(hi, hi - m));
      }
      break;
    case 2:
      for (double d : at) stripe(lo, d, hi, d);
      break;
    default:
      for (double d : at) stripe(d, lo, d, hi);
      break;
  }
}

}  // namespace

void DrawCells(App& app) {
  const PuzzleState& p = app.puzzle;
  for (int y = 1; y <= p.YSize; ++y)
    for (int x = 1; x <= p.XSize; ++x) DrawCell(app, x, y, p.Grid[x][y]);
  NoteCellsDrawn(app);
}

void DrawCell(App& app, int x, int y, int value) {
  DrawCellLook(app, x, y, value, GuessLevelOf(app.guess, x, y, value));
}

void DrawCellLook(App& app, int x, int y, int value, int level) {
  const PuzzleState& p = app.puzzle;
  double cx = p.XHintCount + x, cy = p.YHintCount + y;
  Surface& s = BoardSurface(app);
  s.SetDrawMode(DrawMode::Xor);
  if (value == 0) return;
  NoteCell(app, x, y, value, level);
  Rgb white = TableColor(app, kWhiteColor);
  Rgb c = SlotColor(app, std::abs(value));
  if (value > 0) {
    s.FillBox(cx, cy, cx + 1, cy + 1, white);
    s.FillBox(cx, cy, cx + 1, cy + 1, c);
  } else {
    DrawMark(s, p.MarkStyle, cx, cy, white, c);
  }
  if (level) DrawGuessStripes(s, level, cx, cy, white, c, value > 0);
}

int SetCell(App& app, int x, int y, int value) {
  // Nothing outside the arrays: a stray position changes nothing.
  if (x < 1 || x > kMaxBoard || y < 1 || y > kMaxBoard) return 0;
  int& cell = app.puzzle.Grid[x][y];
  if (cell == value) return 0;
  int old = cell;
  cell = value;
  return old == 0 ? 1 : 2;
}

}  // namespace gw
