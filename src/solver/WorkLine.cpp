#include "solver/WorkLine.h"

#include <algorithm>

namespace gw {
namespace {

int Clamp(int v) { return std::clamp(v, 0, kMaxSize); }

// Takes the non-empty slots of a line, in reading order, as its runs.
template <class Slot>
void LoadRuns(SolverState& s, int slots, Slot slot) {
  int n = 0;
  for (int k = 1; k <= Clamp(slots); ++k) {
    const int* hint = slot(k);
    if (hint[kHintNumber] == 0) continue;
    ++n;
    s.LineHints[n][0] = hint[kHintNumber];
    s.LineHints[n][1] = hint[kHintColor];
  }
  if (n == 0) {
    n = 1;
    s.LineHints[1][0] = 0;
    s.LineHints[1][1] = 0;
  }
  s.LineHints[0][0] = n;
}

}  // namespace

void LoadRowLine(App& app, int y) {
  const PuzzleState& p = app.puzzle;
  SolverState& s = app.solver;
  int L = Clamp(p.XSize);
  for (int i = 1; i <= L; ++i) s.LineCells[i] = p.Grid[i][y];
  for (int c = 1; c <= 9; ++c)
    std::copy(&app.solver.ColColorTotals[c][1], &app.solver.ColColorTotals[c][1] + L,
              &s.LineCrossTotals[c][1]);
  s.LineCells[0] = p.XSize;
  LoadRuns(s, p.XHintCount, [&](int k) { return p.RowHints[k][y]; });
}

void LoadColLine(App& app, int x) {
  const PuzzleState& p = app.puzzle;
  SolverState& s = app.solver;
  int L = Clamp(p.YSize);
  for (int i = 1; i <= L; ++i) s.LineCells[i] = p.Grid[x][i];
  for (int c = 1; c <= 9; ++c)
    std::copy(&app.solver.RowColorTotals[c][1], &app.solver.RowColorTotals[c][1] + L,
              &s.LineCrossTotals[c][1]);
  s.LineCells[0] = p.YSize;
  LoadRuns(s, p.YHintCount, [&](int k) { return p.ColHints[x][k]; });
}

}  // namespace gw
