#pragma once

#include "App.h"
#include "solver/Propagate.h"

namespace gw {

// How a run of the solve command ended.
struct SolveOutcome {
  bool cancelled = false;      // the player cancelled the question; nothing changed
  bool contradiction = false;  // a contradiction message was shown
  int probes = 0;              // the proof-by-contradiction counter
};

// "自動で解く(&A)": solves the loaded puzzle on the board.
void AutoSolve(App& app);
// The same command, telling how it ended; Unseen: without a window (nothing is drawn).
SolveOutcome RunAutoSolve(App& app, SolveView view = SolveView::Shown);

}  // namespace gw
