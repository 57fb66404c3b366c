// The white hint areas and board with their grid: a thick line at every fifth board line.
#include "display/BoardLayout.h"
#include "display/Colors.h"
#include "display/Draw.h"
#include "display/ShownPicture.h"
#include "display/Viewport.h"
#include "state/PuzzleState.h"

namespace gw {
namespace {

constexpr double kHalfThick = 0.05;  // a thick line is a box 0.1 unit wide centred on the line

void SetLayoutValues(App& app) {
  const PuzzleState& p = app.puzzle;
  BoardLayout& l = app.layout;
  l.GridLeft = 1;
  l.BoardLeft = p.XHintCount + 1;
  l.BoardRight = p.XHintCount + 1 + p.XSize;
  l.GridTop = 1;
  l.BoardTop = p.YHintCount + 1;
  l.BoardBottom = p.YHintCount + 1 + p.YSize;
}

void HorizontalLine(Surface& s, double x1, double x2, double y, bool thick, Rgb color) {
  if (thick)
    s.FillBox(x1, y - kHalfThick, x2, y + kHalfThick, color);
  else
    s.Line(x1, y, x2, y, color);
}

void VerticalLine(Surface& s, double x, double y1, double y2, bool thick, Rgb color) {
  if (thick)
    s.FillBox(x - kHalfThick, y1, x + kHalfThick, y2, color);
  else
    s.Line(x, y1, x, y2, color);
}

}  // namespace

void DrawGrid(App& app) {
  NoteGrid(app);
  if (app.puzzle.XSize == 0) return;
  SetLayoutValues(app);
  const BoardLayout& l = app.layout;
  Surface& s = BoardSurface(app);
  Rgb white = TableColor(app, kWhiteColor);
  Rgb line = TableColor(app, kGridLineColor);
  Rgb separator = TableColor(app, kSeparatorColor);

  s.FillBox(l.BoardLeft, l.GridTop, l.BoardRight, l.BoardTop, white);
  s.FillBox(l.GridLeft, l.BoardTop, l.BoardRight, l.BoardBottom, white);

  HorizontalLine(s, l.BoardLeft, l.BoardRight, l.GridTop, true, line);
  for (int y = l.GridTop + 1; y <= l.BoardTop - 1; ++y)
    HorizontalLine(s, l.BoardLeft, l.BoardRight, y, false, separator);
  for (int y = l.BoardTop, k = 0; y <= l.BoardBottom; ++y, ++k)
    HorizontalLine(s, l.GridLeft, l.BoardRight, y, k % 5 == 0, line);

  VerticalLine(s, l.GridLeft, l.BoardTop, l.BoardBottom, true, line);
  for (int x = l.GridLeft + 1; x <= l.BoardLeft - 1; ++x)
    VerticalLine(s, x, l.BoardTop, l.BoardBottom, false, separator);
  for (int x = l.BoardLeft, k = 0; x <= l.BoardRight; ++x, ++k)
    VerticalLine(s, x, l.GridTop, l.BoardBottom, k % 5 == 0, line);
}

}  // namespace gw
