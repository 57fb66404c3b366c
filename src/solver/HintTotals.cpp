#include "solver/HintTotals.h"

#include <algorithm>

#include "display/Draw.h"
#include "solver/SolverState.h"
#include "state/PuzzleState.h"
#include "state/Document.h"
namespace gw {
namespace {

void CountSlot(int (&totals)[10][kCap], int line, int colour) {
  // Colours come from one digit of a file; anything else has no total to count under.
  if (colour >= 0 && colour <= 9) ++totals[colour][line];
}

}  // namespace

void CountHintColours(App& app) {
  const PuzzleState& p = app.puzzle;
  SolverState& s = app.solver;
  for (int x = 1; x <= std::min(p.XSize, kMaxSize); ++x) {
    for (int c = 0; c <= 9; ++c) s.ColColorTotals[c][x] = 0;
    for (int k = 1; k <= std::min(p.YHintCount, kMaxSize); ++k)
      CountSlot(s.ColColorTotals, x, p.ColHints[x][k][kHintColor]);
  }
  for (int y = 1; y <= std::min(p.YSize, kMaxSize); ++y) {
    for (int c = 0; c <= 9; ++c) s.RowColorTotals[c][y] = 0;
    for (int k = 1; k <= std::min(p.XHintCount, kMaxSize); ++k)
      CountSlot(s.RowColorTotals, y, p.RowHints[k][y][kHintColor]);
  }
}

void EraseHintChecks(App& app) {
  PuzzleState& p = app.puzzle;
  for (int y = 0; y <= kMaxSize; ++y)
    for (int k = 0; k <= kMaxSize; ++k) {
      if (p.RowHints[k][y][kHintCheck] == 0) continue;
      p.RowHints[k][y][kHintCheck] = 0;
      app.document.Dirty = 1;
    }
  for (int k = 0; k <= kMaxSize; ++k)
    for (int x = 0; x <= kMaxSize; ++x) {
      if (p.ColHints[x][k][kHintCheck] == 0) continue;
      p.ColHints[x][k][kHintCheck] = 0;
      app.document.Dirty = 1;
    }
}

}  // namespace gw
