#include "solver/ProofByContradiction.h"

#include <algorithm>
#include <vector>

#include "display/BoardLayout.h"
#include "display/Draw.h"
#include "Messages.h"
#include "system/Convert.h"
#include "text/Tr.h"
#include "state/Document.h"

namespace gw {
namespace {

int Capped(int v) { return std::min(v, kMaxSize); }

// The next blank cell in reading order after position `scan` (position of (x, y) = XSize × y + x).
bool NextBlankCell(const PuzzleState& p, int scan, int& x, int& y) {
  for (y = 1; y <= Capped(p.YSize); ++y)
    for (x = 1; x <= Capped(p.XSize); ++x)
      if (p.Grid[x][y] == 0 && p.XSize * y + x > scan) return true;
  return false;
}

// Whether setting (x, y) to v and propagating stays free of contradiction.
bool TrialSucceeds(App& app, int x, int y, int v, PendingArray& RowPending,
                   PendingArray& ColPending, KnownSolution& known) {
  SavedSolveState saved;
  SaveSolveState(app, saved);
  app.solver.InTrial = true;
  SetCell(app, x, y, v);
  RowPending[y] = 1;
  ColPending[x] = 1;
  app.solver.Contradiction = 0;
  PropagateBoardLines(app, RowPending, ColPending);
  bool survived = app.solver.Contradiction == 0;
  if (survived) RecordSolution(app, known);
  RestoreSolveState(app, saved);
  app.solver.InTrial = false;
  return survived;
}

// Settles (x, y) to v for good and propagates from it; false after a contradiction.
bool Settle(App& app, int x, int y, int v, PendingArray& RowPending, PendingArray& ColPending,
            SolveView view) {
  const PuzzleState& p = app.puzzle;
  SetCell(app, x, y, v);
  std::fill(RowPending.begin() + 1, RowPending.begin() + 1 + Capped(p.YSize), 0);
  std::fill(ColPending.begin() + 1, ColPending.begin() + 1 + Capped(p.XSize), 0);
  RowPending[y] = 1;
  ColPending[x] = 1;
  app.solver.Contradiction = 0;
  PropagateBoardLines(app, RowPending, ColPending);
  if (app.solver.Contradiction != 1) return true;
  app.ui.SetPointer(Pointer::Normal);
  if (view == SolveView::Shown) Redraw(app);  // the message shows the window
  Msg(app, Fill(Tr("矛盾({1}{2})"), {NumText(RowPending[0]), NumText(ColPending[0])}));
  return false;
}

}  // namespace

void SaveSolveState(App& app, SavedSolveState& saved) {
  const PuzzleState& p = app.puzzle;
  const SolverState& s = app.solver;
  for (int x = 1; x <= Capped(p.XSize); ++x)
    for (int y = 1; y <= Capped(p.YSize); ++y) saved.Grid[x][y] = p.Grid[x][y];
  for (int c = 1; c <= 9; ++c) {
    std::copy(s.ColColorTotals[c], s.ColColorTotals[c] + kSolverCap, saved.ColColorTotals[c]);
    std::copy(s.RowColorTotals[c], s.RowColorTotals[c] + kSolverCap, saved.RowColorTotals[c]);
  }
  for (int y = 1; y <= Capped(p.YSize); ++y)
    for (int k = 1; k <= Capped(p.XHintCount); ++k) saved.RowTicks[k][y] = p.RowHints[k][y][kHintCheck];
  for (int x = 1; x <= Capped(p.XSize); ++x)
    for (int k = 1; k <= Capped(p.YHintCount); ++k) saved.ColTicks[x][k] = p.ColHints[x][k][kHintCheck];
}

void RestoreSolveState(App& app, const SavedSolveState& saved) {
  PuzzleState& p = app.puzzle;
  SolverState& s = app.solver;
  for (int x = 1; x <= Capped(p.XSize); ++x)
    for (int y = 1; y <= Capped(p.YSize); ++y) SetCell(app, x, y, saved.Grid[x][y]);
  for (int c = 1; c <= 9; ++c) {
    std::copy(saved.ColColorTotals[c], saved.ColColorTotals[c] + kSolverCap, s.ColColorTotals[c]);
    std::copy(saved.RowColorTotals[c], saved.RowColorTotals[c] + kSolverCap, s.RowColorTotals[c]);
  }
  for (int y = 1; y <= Capped(p.YSize); ++y)
    for (int k = 1; k <= Capped(p.XHintCount); ++k) {
      int& tick = p.RowHints[k][y][kHintCheck];
      if (tick == saved.RowTicks[k][y]) continue;
      tick = saved.RowTicks[k][y];
      app.document.Dirty = 1;
    }
  for (int x = 1; x <= Capped(p.XSize); ++x)
    for (int k = 1; k <= Capped(p.YHintCount); ++k) {
      int& tick = p.ColHints[x][k][kHintCheck];
      if (tick == saved.ColTicks[x][k]) continue;
      tick = saved.ColTicks[x][k];
      app.document.Dirty = 1;
    }
}

void RecordSolution(App& app, KnownSolution& known) {
  const PuzzleState& p = app.puzzle;
  if (known.cells[0][0] == 1) return;
  for (int x = 1; x <= Capped(p.XSize); ++x)
    for (int y = 1; y <= Capped(p.YSize); ++y)
      if (p.Grid[x][y] == 0) return;
  known.cells[0][0] = 1;
  for (int x = 1; x <= Capped(p.XSize); ++x)
    for (int y = 1; y <= Capped(p.YSize); ++y) known.cells[x][y] = p.Grid[x][y];
}

std::string CandidateColours(App& app, int x, int y) {
  const SolverState& s = app.solver;
  std::string digits;
  for (int c = 1; c <= 9; ++c)
    if (s.RowColorTotals[c][y] != 0 && s.ColColorTotals[c][x] != 0) digits += char('0' + c);
  return digits;
}

bool ProveByContradiction(App& app, int& probes, PendingArray& RowPending, PendingArray& ColPending,
                          SolveView view) {
  KnownSolution known;
  int scan = 0;
  bool freshSweep = true;
  for (;;) {
    int x = 0, y = 0;
    if (!NextBlankCell(app.puzzle, scan, x, y)) {
      if (freshSweep) return true;
      scan = 0;
      freshSweep = true;
      continue;
    }
    scan = app.puzzle.XSize * y + x;
    std::vector<int> candidates{-1};
    for (char d : CandidateColours(app, x, y)) candidates.push_back(d - '0');
    std::vector<int> survivors;
    for (int v : candidates) {
      // A value of the complete board met earlier is known to be possible.
      bool possible = known.cells[x][y] == v ||
                      TrialSucceeds(app, x, y, v, RowPending, ColPending, known);
      if (possible) survivors.push_back(v);
    }
    ++probes;
    if (survivors.size() != 1) continue;
    freshSweep = false;
    if (!Settle(app, x, y, survivors[0], RowPending, ColPending, view)) return false;
  }
}

}  // namespace gw
