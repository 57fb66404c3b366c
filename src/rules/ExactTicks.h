#pragma once
// The exact hint check: a run counts as done when every placement of the line's runs that agrees
// with its painted and marked cells puts that run on the same cells, and those cells are painted.
#include <vector>

#include "analysis/Analysis.h"

namespace gw {

// cells: 0 blank, negative marked empty, 1..9 painted in that colour, in reading order. For each
// run, whether it is done; none is when no placement agrees with the cells.
std::vector<bool> FixedRuns(const analysis::LineRuns& runs, const std::vector<int>& cells);
// Whether some placement of the runs agrees with the cells: false once the line can no longer be
// completed as its hints say.
bool LineFits(const analysis::LineRuns& runs, const std::vector<int>& cells);

}  // namespace gw
