#pragma once
#include <cstdint>

#include "App.h"
#include "solver/SolverState.h"

namespace gw {

// Cells of the work line as bits: bit i - 1 stands for cell i.
using CellBits = std::uint32_t;

// The tables of one SolveWorkLine call.
struct LineTables {
  // StartTable[k][j]: -1 run k cannot start at j, 0 it may, 1 it starts there in a placement found.
  int StartTable[kSolverCap][kSolverCap];
  int HintStart[kSolverCap];
  // First[k]..Last[k]: the starts of run k the start filters have not ruled out as a range yet
  // (the table holds -1 outside it).
  int First[kSolverCap];
  int Last[kSolverCap];
  // NextFilled[i]: the first cell at or after i that was already filled (L + 1 when none). Known
  // cells never change during the enumeration, so the gap test can read it instead of the cells.
  int NextFilled[kSolverCap + 1];

  // What the placements found so far give each blank cell, one set per accumulation code: none
  // yet (0), empty in all of them (-10), colour c in all of them (10 × c), differing (99). The
  // codes are decoded into the work line when the enumeration ends.
  CellBits fresh;
  CellBits seenEmpty;
  CellBits seenColour[10];
  CellBits undecided;
  // The distinct colours 1..9 of the line's runs.
  int colours[10];
  int colourCount;
};

// Solves the work line in place: keeps a blank cell's value when every placement of the runs that
// agrees with the known cells gives it that value. Contradiction = 1 when there is no placement;
// SolveSteps counts the PlaceHint steps.
void SolveWorkLine(App& app);

// The parts of SolveWorkLine, in the order it runs them.
void InitStartTable(App& app, LineTables& t);
void FilterStartsByCounts(App& app, LineTables& t);
void FilterStartsByCells(App& app, LineTables& t);
void PlaceHint(App& app, LineTables& t, int k);
void EvaluatePlacement(App& app, LineTables& t);

}  // namespace gw
