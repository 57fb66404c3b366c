#pragma once
// Work lines for the solver tests, and an independent line solver that enumerates every placement.
#include <functional>
#include <string>
#include <vector>

#include "App.h"

namespace gw::test {

struct HintRun {
  int length;
  int colour = 1;
};

// Cells as text: '?' blank, '-' empty (-1), 'x' a player's mark (-3), '1'..'9' colours.
std::vector<int> Cells(const std::string& text);
std::string CellsText(const std::vector<int>& cells);

// Puts a line into the work line; every crossing line can still give every colour.
void SetWorkLine(App& app, const std::vector<int>& cells, const std::vector<HintRun>& runs);
std::vector<int> WorkCells(const App& app);

// The lines of a scripted platform's output that start with `prefix`, in order.
std::vector<std::string> OutputLines(const std::string& output, const std::string& prefix);

// Every placement of the runs (the shared enumeration of support/BruteForce.h) that agrees with
// the known cells: cells all placements agree on get that value, the others stay blank. Empty
// when none exists.
struct BruteResult {
  bool placement = false;
  std::vector<int> cells;
};
// `allowed(c, i)`: whether the crossing line through cell i (from 0) can still give colour c.
BruteResult BruteForceLine(const std::vector<int>& cells, const std::vector<HintRun>& runs,
                           std::function<bool(int, int)> allowed = nullptr);

}  // namespace gw::test
