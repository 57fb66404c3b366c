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
// Puts everything back; nothing is drawn (the picture was never brought up to the trial).
void RestoreSolveState(App& app, const SavedSolveState& saved);
// Keeps the first complete board met; later ones are ignored.
void RecordSolution(App& app, KnownSolution& known);
// The digits of the colours both lines through (x, y) still have an unticked hint of.
std::string CandidateColours(App& app, int x, int y);

// Settles blank cells by trying every value they could take; `probes` counts the probed cells.
// The engine probes too (analysis::Engine::ProbeCell) but cannot do this one's work: this one
// tries only the colours the unticked hints of both lines still allow, settles a cell only when
// exactly one value survives (the engine narrows a cell by every value that fails), sweeps in
// reading order from the last probe, and propagates on the window's board with its ticks, costs
// and drawing. Its steps are what the solve shows and counts (PROBES, PICKS, the messages), so
// it keeps its own.
// False when a settled value led to a contradiction (its message has been shown).
bool ProveByContradiction(App& app, int& probes, PendingArray& RowPending, PendingArray& ColPending,
                          SolveView view = SolveView::Shown);

}  // namespace gw
