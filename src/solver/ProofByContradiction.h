#pragma once
#include <string>

#include "App.h"
#include "solver/Propagate.h"
#include "solver/SolverState.h"
#include "state/PuzzleState.h"

namespace gw {

// The board, colour totals and ticks at the start of a trial.
struct SavedSolveState {
  int Grid[kSolverCap][kSolverCap];
  int ColColorTotals[10][kCap];
  int RowColorTotals[10][kCap];
  int RowTicks[kSolverCap][kSolverCap];  // [slot][y]
  int ColTicks[kSolverCap][kSolverCap];  // [x][slot]
};

// KnownSolution[0][0] = 1 once a complete board was recorded; [x][y] its cells.
struct KnownSolution {
  int cells[kSolverCap][kSolverCap] = {};
};

void SaveSolveState(App& app, SavedSolveState& saved);
// Puts everything back, redrawing exactly the cells and crosses that changed.
void RestoreSolveState(App& app, const SavedSolveState& saved);
// Keeps the first complete board met; later ones are ignored.
void RecordSolution(App& app, KnownSolution& known);
// The digits of the colours both lines through (x, y) still have an unticked hint of.
std::string CandidateColours(App& app, int x, int y);

// Settles blank cells by trying every value they could take; `probes` counts the probed cells.
// False when a settled value led to a contradiction (its message has been shown).
bool ProveByContradiction(App& app, int& probes, PendingArray& RowPending, PendingArray& ColPending);

}  // namespace gw
