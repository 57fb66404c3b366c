#pragma once

#include "App.h"

namespace gw {

// The tables of one SolveLine call.
struct LineTables {
  // StartTable[k][j]: -1 run k cannot start at j, 0 it may, 1 it starts there in a placement found.
  int StartTable[kCap][kCap];
  int HintStart[kCap];
  // NextFilled[i]: the first cell at or after i that was already filled (L + 1 when none). Known
  // cells never change during the enumeration, so the gap test can read it instead of the cells.
  int NextFilled[kCap + 1];
};

// Solves the work line in place: keeps a blank cell's value when every placement of the runs that
// agrees with the known cells gives it that value. Contradiction = 1 when there is no placement;
// SolveSteps counts the PlaceHint steps.
void SolveLine(App& app);

// The parts of SolveLine, in the order it runs them.
void InitStartTable(App& app, LineTables& t);
void FilterStartsByCounts(App& app, LineTables& t);
void FilterStartsByCells(App& app, LineTables& t);
void PlaceHint(App& app, LineTables& t, int k);
void EvaluatePlacement(App& app, LineTables& t);

// Accumulation codes of cells that were blank, while the enumeration runs.
constexpr int kSeenEmpty = -10;
constexpr int kUndecided = 99;

}  // namespace gw
