#pragma once

#include "App.h"
#include "solver/SolverState.h"
#include "state/PuzzleState.h"

namespace gw {

// Copies row y (or column x) with its hints and the crossing lines' colour totals into the work
// line of app.solver. A line without hints becomes one run of length 0.
void LoadRowLine(App& app, int y);
void LoadColLine(App& app, int x);

// The work line's length, clamped to the board's capacity so that no loop over it can leave the
// arrays even when a board of a size below 1 was loaded.
inline int WorkLength(const SolverState& s) {
  int L = s.LineCells[0];
  return L < 0 ? 0 : L > kMaxSize ? kMaxSize : L;
}
// The number of runs of the work line, clamped the same way.
inline int WorkRuns(const SolverState& s) {
  int n = s.LineHints[0][0];
  return n < 0 ? 0 : n > kMaxSize ? kMaxSize : n;
}

inline int RunLength(const SolverState& s, int k) { return s.LineHints[k][0]; }
inline int RunColour(const SolverState& s, int k) { return s.LineHints[k][1]; }
// Runs k and k + 1 exist and share a colour: the gap rule needs an empty cell between them.
inline bool SameColourNext(const SolverState& s, int k) {
  return k >= 1 && k < WorkRuns(s) && s.LineHints[k][1] == s.LineHints[k + 1][1];
}
// Unticked hints of colour c in the crossing line through cell i (0 for a colour outside 1..9).
inline int CrossTotal(const SolverState& s, int c, int i) {
  return c >= 1 && c <= 9 ? s.LineCrossTotals[c][i] : 0;
}

}  // namespace gw
