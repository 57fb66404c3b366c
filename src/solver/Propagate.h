#pragma once
#include <array>

#include "App.h"
#include "solver/SolverState.h"

namespace gw {

// RowPending[y] / ColPending[x] = 1: the line must be solved (again). Element 0 receives the
// position of a contradiction: x in RowPending[0], y in ColPending[0].
using PendingArray = std::array<int, kSolverCap>;

// Whether a window shows the solve. Unseen (gwtool, the benchmarks of the bare solve): the solve
// only changes the state and never asks for a surface. Shown: the picture is brought up to the
// state before every message and at the end, and at every frame the window shows while it runs
// (the platform's DrawingProgressDue says which lines those are).
enum class SolveView { Shown, Unseen };

// The priority of every line during one propagation; lower is solved first.
struct LineCosts {
  int RowCost[kSolverCap] = {};
  int ColCost[kSolverCap] = {};
};
constexpr int kCostCap = 32700;

// cost / 2 rounded to the nearest integer, halves to even: 1 -> 0, 3 -> 2, 5 -> 2, 7 -> 4.
int HalveCost(int cost);

// Stores one work-line value on the board and reports as SetCell does. An empty code stored over
// a different empty code (the player's mark -3 under the solver's -1) is no change: both mean
// empty, and counting it as an overwrite would report a contradiction on a correct board. The
// player's mark is kept as drawn.
int StoreCell(App& app, int x, int y, int value);

// Write the work line back to row y / column x; every cell that was blank marks its row and
// column pending.
void StoreRowLine(App& app, int y, PendingArray& RowPending, PendingArray& ColPending);
void StoreColLine(App& app, int x, PendingArray& RowPending, PendingArray& ColPending);
// The same inside the propagation: a cell that held another value is a contradiction at that
// cell; a cell that was blank halves the costs of both its lines.
void StoreRowLineChecked(App& app, int y, PendingArray& RowPending, PendingArray& ColPending,
                         LineCosts& costs);
void StoreColLineChecked(App& app, int x, PendingArray& RowPending, PendingArray& ColPending,
                         LineCosts& costs);

// Solves pending lines, cheapest first, until none is pending or a contradiction stops it
// (Contradiction = 1, its position in element 0 of the pending arrays).
void PropagateBoardLines(App& app, PendingArray& RowPending, PendingArray& ColPending);
// The queue of PropagateBoardLines from the costs given.
void RunPropagation(App& app, PendingArray& RowPending, PendingArray& ColPending, LineCosts& costs);

}  // namespace gw
