#pragma once
#include <cstdint>

#include "state/PuzzleState.h"

namespace gw {

// The automatic solver works on boards of up to 20 x 20: its own arrays have indices 0..20.
constexpr int kSolverCap = kMaxSize + 1;

// The hint check's remaining colour totals and the solver's work line.
struct SolverState {
  // RowColorTotals[c][y], ColColorTotals[c][x]: the line's hint slots of colour c not yet ticked.
  int RowColorTotals[10][kCap] = {};
  int ColColorTotals[10][kCap] = {};
  int SolverRunning = 0;

  // The work line: LineCells[0] = L, LineCells[1..L] the cells.
  int LineCells[kCap] = {};
  // LineHints[0][0] = n; LineHints[k][0] length, LineHints[k][1] colour.
  int LineHints[kCap][2] = {};
  // LineCrossTotals[c][i]: unticked hints of colour c in the crossing line through cell i.
  int LineCrossTotals[10][kCap] = {};

  int Contradiction = 0;
  int EnumDone = 0;
  std::int32_t SolveSteps = 0;
  // How many lines the propagation solved since the solve command started, trials included.
  long LinePicks = 0;
  // Set during a trial of the proof by contradiction: its cells and ticks are guesses that are
  // all put back, so the picture is not brought up to them.
  bool InTrial = false;
};

}  // namespace gw
