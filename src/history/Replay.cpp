#include "history/Replay.h"

#include "display/Draw.h"
#include "mainwnd/HintCheck.h"
#include "mainwnd/NumberInput.h"

namespace gw {
namespace {

// What a replay has touched beyond the cells' own drawing.
struct Touched {
  bool rows[kCap] = {};
  bool cols[kCap] = {};
  // Hint slots whose number or colour changed, with the number they showed before.
  bool text[2][kCap][kCap] = {};
  int shownNumber[2][kCap][kCap] = {};
  bool anyText = false;
};

int Side(const Change& c) { return c.place == Place::RowHint ? 0 : 1; }

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

// The cross is drawn exactly while the check plane is below 0.
void ReplayCheck(App& app, const Change& c, int value) {
  PuzzleState& p = app.puzzle;
  int* slot = HintSlot(p, c);
  bool was = slot[kHintCheck] < 0;
  slot[kHintCheck] = value;
  if (was == (value < 0) || !ShownSlot(p, c)) return;
  if (c.place == Place::RowHint) ToggleHintMark(app, c.a - p.XHintCount, c.b);
  else ToggleHintMark(app, c.a, c.b - p.YHintCount);
}

void ReplayText(App& app, const Change& c, int value, Touched& t) {
  int* slot = HintSlot(app.puzzle, c);
  int side = Side(c);
  if (!t.text[side][c.a][c.b]) {
    t.text[side][c.a][c.b] = true;
    t.shownNumber[side][c.a][c.b] = slot[kHintNumber];
  }
  slot[c.plane] = value;
  t.anyText |= ShownSlot(app.puzzle, c);
}

// Number input mode reprints each changed slot under the cursor, as an entry does; the other
// modes change hint numbers only through commands that repaint, so a repaint is right there too.
void RedrawTexts(App& app, const Touched& t) {
  PuzzleState& p = app.puzzle;
  if (p.Mode != kModeNumber) {
    PaintBoard(app);
    return;
  }
  const BoardLayout& l = app.layout;
  ToggleInputCursor(app);
  for (int a = 1; a < kCap; ++a)
    for (int b = 1; b < kCap; ++b) {
      if (t.text[0][a][b] && a <= p.XHintCount && b <= p.YSize) {
        const int* h = p.RowHints[a][b];
        RedrawHintNumber(app, l.GridLeft + a - 1, l.BoardTop + b - 1, t.shownNumber[0][a][b],
                         h[kHintNumber], p.Palette[h[kHintColor]]);
      }
      if (t.text[1][a][b] && a <= p.XSize && b <= p.YHintCount) {
        const int* h = p.ColHints[a][b];
        RedrawHintNumber(app, l.BoardLeft + a - 1, l.GridTop + b - 1, t.shownNumber[1][a][b],
                         h[kHintNumber], p.Palette[h[kHintColor]]);
      }
    }
  ToggleInputCursor(app);
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
    else ReplayText(app, c, value, t);
  }
  if (t.anyText) RedrawTexts(app, t);
  RecheckLines(app, t);
  app.puzzle.Dirty = 1;
}

}  // namespace gw
