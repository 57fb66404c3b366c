#include "solver/WorkLine.h"

#include <algorithm>

namespace gw {
namespace {

int Clamp(int v) { return std::clamp(v, 0, kMaxSize); }

// One row or column: its cells 1..size, the colour totals of the lines crossing it, and its hint
// slots 1..slots, whose non-empty ones become the runs in reading order.
template <class CellAt, class SlotAt>
void LoadLine(SolverState& s, int size, const int (&crossTotals)[10][kCap], CellAt cell, int slots,
              SlotAt slot) {
  int L = Clamp(size);
  for (int i = 1; i <= L; ++i) s.LineCells[i] = cell(i);
  for (int c = 1; c <= 9; ++c) std::copy(&crossTotals[c][1], &crossTotals[c][1] + L, &s.LineCrossTotals[c][1]);
  s.LineCells[0] = size;
  int n = 0;
  for (int k = 1; k <= Clamp(slots); ++k) {
    const int* hint = slot(k);
    if (hint[kHintNumber] == 0) continue;
    ++n;
    s.LineHints[n][0] = hint[kHintNumber];
    s.LineHints[n][1] = hint[kHintColor];
  }
  if (n == 0) {  // a line without hints: one run of length 0
    n = 1;
    s.LineHints[1][0] = 0;
    s.LineHints[1][1] = 0;
  }
  s.LineHints[0][0] = n;
}

}  // namespace

void LoadRowLine(App& app, int y) {
  const PuzzleState& p = app.puzzle;
  LoadLine(app.solver, p.XSize, app.solver.ColColorTotals, [&](int i) { return p.Grid[i][y]; },
           p.XHintCount, [&](int k) { return p.RowHints[k][y]; });
}

void LoadColLine(App& app, int x) {
  const PuzzleState& p = app.puzzle;
  LoadLine(app.solver, p.YSize, app.solver.RowColorTotals, [&](int i) { return p.Grid[x][i]; },
           p.YHintCount, [&](int k) { return p.ColHints[x][k]; });
}

}  // namespace gw
