#include "rules/HintCheck.h"

#include "rules/ExactTicks.h"
#include "settings/Options.h"
#include "solver/SolverState.h"
#include "state/Document.h"
#include "state/PuzzleState.h"

// The check is deliberately weak: it reads a line from each end only up to the first blank cell
// and ticks each hint whose count of cells it has seen there, without asking whether the run is
// longer than its hint, whether runs of one colour are separated, or whether stray cells of
// another colour lie between runs. It is a reading aid for the player, not a judgement of the
// line (the answer judgement does that), and it has to stay cheap enough for every mouse move of
// a drag. The solver also depends on it being exactly this: the colour totals it counts down tell
// the line solver which colours a crossing line can still give a cell, so a cleverer check would
// change what the solver decides and in which order it visits the lines.

namespace gw {
namespace {

// One row or column seen through its hint slots 1..count and its cells 1..size.
struct CheckedLine {
  App& app;
  bool row;
  int index;  // y of a row, x of a column
  int count;  // XHintCount or YHintCount
  int size;   // XSize or YSize
  // Whether a cross was put on or taken off on the way.
  bool toggled = false;

  int* Hint(int k) const {
    PuzzleState& p = app.puzzle;
    return row ? p.RowHints[k][index] : p.ColHints[index][k];
  }
  int Number(int k) const { return Hint(k)[kHintNumber]; }
  int Colour(int k) const { return Hint(k)[kHintColor]; }
  int Cell(int i) const { return row ? app.puzzle.Grid[i][index] : app.puzzle.Grid[index][i]; }
  // The hint's colour is counted off each time it is newly ticked.
  void Tick(int k) {
    int* hint = Hint(k);
    if (hint[kHintCheck] != 0) return;
    hint[kHintCheck] = -1;
    toggled = true;
    int c = hint[kHintColor];
    if (c < 0 || c > 9) return;
    if (row) --app.solver.RowColorTotals[c][index];
    else --app.solver.ColColorTotals[c][index];
  }
};

// Removes every tick of the line, also those the player set by hand.
void ClearTicks(CheckedLine& line) {
  for (int s = 1; s <= line.count; ++s) {
    int* hint = line.Hint(s);
    if (hint[kHintCheck] == 0) continue;
    hint[kHintCheck] = 0;
    line.toggled = true;
  }
}

// Ticks hints from the first cell on; false when every hint got ticked, so the check is over.
bool ScanFromStart(CheckedLine& line, int k) {
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
void ScanFromEnd(CheckedLine& line) {
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

// The exact check (an option of the player's): the hints whose runs the cells fix.
void TickFixedRuns(CheckedLine& line) {
  analysis::LineRuns runs;
  std::vector<int> slots, cells;
  for (int k = 1; k <= line.count; ++k)
    if (line.Number(k) > 0) {
      runs.push_back({line.Number(k), line.Colour(k)});
      slots.push_back(k);
    }
  for (int i = 1; i <= line.size; ++i) cells.push_back(line.Cell(i));
  std::vector<bool> fixed = FixedRuns(runs, cells);
  for (size_t j = 0; j < runs.size(); ++j)
    if (fixed[j]) line.Tick(slots[j]);
}

void ScanLine(CheckedLine& line) {
  if (line.count < 1) return;
  // The solver counts its colours down by the check described above, whatever the player chose.
  if (line.app.options.exactTicks && line.app.solver.SolverRunning == 0) {
    TickFixedRuns(line);
    return;
  }
  int k = 1;
  while (line.Number(k) == 0) {
    if (k >= line.count) return;  // the line has no hints
    ++k;
  }
  if (ScanFromStart(line, k)) ScanFromEnd(line);
}

// Outside the solver the line's ticks are cleared and found again on every check, which runs on
// every mouse move of a drag; Redraw draws the crosses only where a tick differs from the picture.
void CheckLine(CheckedLine line) {
  if (line.app.solver.SolverRunning == 0) ClearTicks(line);
  ScanLine(line);
  // Every cross taken off or put on is an unsaved change, also when it ends as it was.
  if (line.toggled) line.app.document.Dirty = 1;
}

int Capped(int v) { return v < kMaxBoard ? v : kMaxBoard; }

}  // namespace

void CheckRowHints(App& app, int y) {
  const PuzzleState& p = app.puzzle;
  CheckLine({app, true, y, Capped(p.XHintCount), Capped(p.XSize)});
}

void CheckColHints(App& app, int x) {
  const PuzzleState& p = app.puzzle;
  CheckLine({app, false, x, Capped(p.YHintCount), Capped(p.YSize)});
}

void RecheckEveryLine(App& app) {
  const PuzzleState& p = app.puzzle;
  if (p.Mode != kModePlay || p.AutoCheck != 1) return;
  for (int y = 1; y <= p.YSize; ++y) CheckRowHints(app, y);
  for (int x = 1; x <= p.XSize; ++x) CheckColHints(app, x);
}

}  // namespace gw
