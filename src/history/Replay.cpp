#include "history/Replay.h"

#include "display/Draw.h"
#include "rules/HintCheck.h"

namespace gw {
namespace {

// The lines whose cells a replay has changed, and whether a hint number or colour changed.
struct Touched {
  bool rows[kCap] = {};
  bool cols[kCap] = {};
  bool text = false;
};

int* HintSlot(PuzzleState& p, const Change& c) {
  return c.place == Place::RowHint ? p.RowHints[c.a][c.b] : p.ColHints[c.a][c.b];
}

// Whether the slot is one the window shows (only those carry a drawn tick).
bool ShownSlot(const PuzzleState& p, const Change& c) {
  if (c.place == Place::RowHint)
    return c.a >= 1 && c.a <= p.XHintCount && c.b >= 1 && c.b <= p.YSize;
  return c.a >= 1 && c.a <= p.XSize && c.b >= 1 && c.b <= p.YHintCount;
}

void ReplayCell(App& app, const Change& c, int value, Touched& t) {
  if (c.a >= 1 && c.b >= 1) {
    SetCell(app, c.a, c.b, value);
    t.cols[c.a] = true;
    t.rows[c.b] = true;
  } else {
    app.puzzle.Grid[c.a][c.b] = value;  // index 0 is never drawn
  }
}

void ReplayCheck(App& app, const Change& c, int value) {
  HintSlot(app.puzzle, c)[kHintCheck] = value;
}

void ReplayText(PuzzleState& p, const Change& c, int value, Touched& t) {
  HintSlot(p, c)[c.plane] = value;
  t.text |= ShownSlot(p, c);
}

void RecheckLines(App& app, const Touched& t) {
  const PuzzleState& p = app.puzzle;
  if (p.Mode != kModePlay || p.AutoCheck != 1) return;
  for (int y = 1; y <= p.YSize; ++y)
    if (t.rows[y]) CheckRowHints(app, y);
  for (int x = 1; x <= p.XSize; ++x)
    if (t.cols[x]) CheckColHints(app, x);
}

}  // namespace

void ReplayStep(App& app, const Step& step, Direction dir) {
  Touched t;
  int n = static_cast<int>(step.changes.size());
  for (int i = 0; i < n; ++i) {
    const Change& c = step.changes[dir == Direction::Back ? n - 1 - i : i];
    int value = dir == Direction::Back ? c.old : c.now;
    if (c.place == Place::Cell) ReplayCell(app, c, value, t);
    else if (c.plane == kHintCheck) ReplayCheck(app, c, value);
    else ReplayText(app.puzzle, c, value, t);
  }
  // Numbers are reprinted by a repaint: reprinting one in place (white over the old digits) can
  // leave a glyph's overhang wiped off the grid line beside it.
  // The looks of guessed cells follow the levels, which the step may have changed.
  if (step.guess) app.guess = dir == Direction::Back ? step.guess->first : step.guess->second;
  if (t.text || step.guess) PaintBoard(app);
  RecheckLines(app, t);
  Redraw(app);
  app.document.Dirty = 1;
}

}  // namespace gw
