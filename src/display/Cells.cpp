// Board cells: colour boxes and the three styles of the empty-cell mark, all drawn by
// exclusive-or pairs (white, then the colour) so that drawing a value twice removes it.
#include <cstdlib>

#include "display/Colors.h"
#include "display/Draw.h"
#include "display/ShownPicture.h"
#include "display/Viewport.h"

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

}  // namespace

void DrawCells(App& app) {
  const PuzzleState& p = app.puzzle;
  for (int y = 1; y <= p.YSize; ++y)
    for (int x = 1; x <= p.XSize; ++x) DrawCell(app, x, y, p.Grid[x][y]);
  NoteCellsDrawn(app);
}

void DrawCell(App& app, int x, int y, int value) {
  const PuzzleState& p = app.puzzle;
  double cx = p.XHintCount + x, cy = p.YHintCount + y;
  Surface& s = BoardSurface(app);
  s.SetDrawMode(DrawMode::Xor);
  if (value == 0) return;
  NoteCell(app, x, y, value);
  Rgb white = TableColor(app, kWhiteColor);
  Rgb c = SlotColor(app, std::abs(value));
  if (value > 0) {
    s.FillBox(cx, cy, cx + 1, cy + 1, white);
    s.FillBox(cx, cy, cx + 1, cy + 1, c);
  } else {
    DrawMark(s, p.MarkStyle, cx, cy, white, c);
  }
}

int SetCell(App& app, int x, int y, int value) {
  // Nothing outside the arrays: a stray position changes nothing.
  if (x < 1 || x > kMaxBoard || y < 1 || y > kMaxBoard) return 0;
  int& cell = app.puzzle.Grid[x][y];
  if (cell == value) return 0;
  int old = cell;
  cell = value;
  if (!app.layout.DrawingHeld && !app.layout.DrawingDeferred) {
    DrawCell(app, x, y, old);
    DrawCell(app, x, y, value);
  }
  return old == 0 ? 1 : 2;
}

}  // namespace gw
