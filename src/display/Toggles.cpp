// Exclusive-or overlays that their owners switch on and off: the number-input cursor and the
// hatched highlight of a hint strip.
#include "display/BoardLayout.h"
#include "display/Colors.h"
#include "display/Draw.h"
#include "display/Viewport.h"
#include "state/PuzzleState.h"

namespace gw {
namespace {

void ToggleStrip(App& app, double x1, double y1, double x2, double y2) {
  Surface& s = BoardSurface(app);
  s.SetDrawMode(DrawMode::Xor);
  s.HatchBox(x1, y1, x2, y2, TableColor(app, kStripOutlineColor), kHighlightFill);
}

}  // namespace

void ToggleInputCursor(App& app) {
  const BoardLayout& l = app.layout;
  double cx = 0, cy = 0;
  if (l.CursorSide == 1) {
    cx = l.GridLeft + l.CursorX - 1;
    cy = l.BoardTop + l.CursorY - 1;
  } else if (l.CursorSide == 2) {
    cx = l.BoardLeft + l.CursorX - 1;
    cy = l.GridTop + l.CursorY - 1;
  }
  Surface& s = BoardSurface(app);
  s.SetDrawMode(DrawMode::Xor);
  s.FillBox(cx + 0.1, cy + 0.1, cx + 0.9, cy + 0.9, TableColor(app, kWhiteColor));
}

void ToggleRowStrip(App& app, int y) {
  const PuzzleState& p = app.puzzle;
  ToggleStrip(app, 1, p.YHintCount + y, p.XHintCount + 1, p.YHintCount + y + 1);
}

void ToggleColStrip(App& app, int x) {
  const PuzzleState& p = app.puzzle;
  ToggleStrip(app, p.XHintCount + x, 1, p.XHintCount + x + 1, p.YHintCount + 1);
}

}  // namespace gw
