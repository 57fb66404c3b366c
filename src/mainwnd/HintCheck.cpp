#include "mainwnd/HintCheck.h"

#include "display/Draw.h"

// The check is deliberately weak: it reads a line from each end only up to the first blank cell
// and ticks each hint whose count of cells it has seen there, without asking whether the run is
// longer than its hint, whether runs of one colour are separated, or whether stray cells of
// another colour lie between runs. Players use the ticks as a reading aid, and the solver reads the
// totals it counts down to know which colours a crossing line can still give a cell: both want the
// same cheap, predictable answer on every mouse move, not a proof of the line.

namespace gw {
namespace {

// One row or column seen through its hint slots 1..count and its cells 1..size.
struct CheckedLine {
  App& app;
  bool row;
  int index;  // y of a row, x of a column
  int count;  // XHintCount or YHintCount
  int size;   // XSize or YSize

  int* Hint(int k) const {
    PuzzleState& p = app.puzzle;
    return row ? p.RowHints[k][index] : p.ColHints[index][k];
  }
  int Number(int k) const { return Hint(k)[kHintNumber]; }
  int Colour(int k) const { return Hint(k)[kHintColor]; }
  int Cell(int i) const { return row ? app.puzzle.Grid[i][index] : app.puzzle.Grid[index][i]; }
  void ToggleMark(int k) const {
    if (row) ToggleHintMark(app, k - count, index);
    else ToggleHintMark(app, index, k - count);
  }
  // The hint's colour is counted off once, when it is newly ticked.
  void Tick(int k) const {
    int* hint = Hint(k);
    if (hint[kHintCheck] != 0) return;
    ToggleMark(k);
    hint[kHintCheck] = -1;
    int c = hint[kHintColor];
    if (c < 0 || c > 9) return;
    if (row) --app.solver.RowColorTotals[c][index];
    else --app.solver.ColColorTotals[c][index];
  }
};

// Removes every tick of the line, also those the player set by hand.
void ClearTicks(const CheckedLine& line) {
  for (int s = 1; s <= line.count; ++s) {
    int* hint = line.Hint(s);
    if (hint[kHintCheck] == 0) continue;
    line.ToggleMark(s);
    hint[kHintCheck] = 0;
  }
}

// Ticks hints from the first cell on; false when every hint got ticked, so the check is over.
bool ScanFromStart(const CheckedLine& line, int k) {
  int run = 0;
  for (int i = 1; i <= line.size; ++i) {
    int v = line.Cell(i);
    if (v == 0) break;
    if (v != line.Colour(k) && run != 0) break;  // a run ended short
    // While no run is under way, marks and cells of other colours are passed over.
    if (v == line.Colour(k)) ++run;
    if (run == line.Number(k)) {
      line.Tick(k);
      if (++k > line.count) return false;
      run = 0;
    }
  }
  return true;
}

// Starts afresh from the last slot, whatever the first scan reached.
void ScanFromEnd(const CheckedLine& line) {
  int k = line.count;
  int run = 0;
  for (int i = line.size; i >= 1; --i) {
    int v = line.Cell(i);
    if (v == 0) return;
    if (v != line.Colour(k) && run != 0) return;
    if (v == line.Colour(k)) ++run;
    if (run == line.Number(k)) {
      line.Tick(k);
      if (--k < 1 || line.Number(k) == 0) return;  // no hint left on this side
      run = 0;
    }
  }
}

void CheckLine(const CheckedLine& line) {
  if (line.app.solver.SolverRunning == 0) ClearTicks(line);
  if (line.count < 1) return;
  int k = 1;
  while (line.Number(k) == 0) {
    if (k >= line.count) return;  // the line has no hints
    ++k;
  }
  if (ScanFromStart(line, k)) ScanFromEnd(line);
}

int Capped(int v) { return v < kMaxSize ? v : kMaxSize; }

}  // namespace

void CheckRowHints(App& app, int y) {
  const PuzzleState& p = app.puzzle;
  CheckLine({app, true, y, Capped(p.XHintCount), Capped(p.XSize)});
}

void CheckColHints(App& app, int x) {
  const PuzzleState& p = app.puzzle;
  CheckLine({app, false, x, Capped(p.YHintCount), Capped(p.YSize)});
}

}  // namespace gw
