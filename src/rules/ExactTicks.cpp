#include "rules/ExactTicks.h"

#include <span>

namespace gw {
namespace {

using analysis::CellSet;
using analysis::LineRuns;

std::vector<CellSet> Allowed(const LineRuns& runs, const std::vector<int>& cells) {
  CellSet any = analysis::kEmptyBit;
  for (const analysis::Run& r : runs) any |= analysis::ColorBit(r.color);
  std::vector<CellSet> allowed;
  for (int v : cells) allowed.push_back(v == 0 ? any : v < 0 ? analysis::kEmptyBit : analysis::ColorBit(v));
  return allowed;
}

// Whether runs [from, to) have a placement in the cells [begin, end).
bool PartFits(const LineRuns& runs, size_t from, size_t to, std::vector<CellSet> cells, size_t begin, size_t end) {
  if (begin == end) return from == to;
  LineRuns part(runs.begin() + from, runs.begin() + to);
  std::span<CellSet> span(cells.data() + begin, end - begin);
  return analysis::SolveLine(part, span);
}

// Whether some placement puts run j at cells [t, t + length): the run's cells take its colour,
// the cells beside it do not (they would lengthen it), and the runs before and after it fit on
// either side.
bool StartsAt(const LineRuns& runs, size_t j, const std::vector<CellSet>& allowed, size_t t) {
  const analysis::Run& run = runs[j];
  size_t end = t + run.length, n = allowed.size();
  CellSet colour = analysis::ColorBit(run.color);
  for (size_t i = t; i < end; ++i)
    if (!(allowed[i] & colour)) return false;
  std::vector<CellSet> sides = allowed;
  if (t > 0) sides[t - 1] &= CellSet(~colour);
  if (end < n) sides[end] &= CellSet(~colour);
  return PartFits(runs, 0, j, sides, 0, t) && PartFits(runs, j + 1, runs.size(), sides, end, n);
}

// The one start every placement gives run j, or -1 when there are several or none.
int OnlyStart(const LineRuns& runs, size_t j, const std::vector<CellSet>& allowed) {
  int length = runs[j].length, n = static_cast<int>(allowed.size()), only = -1;
  for (int t = 0; t + length <= n; ++t) {
    if (!StartsAt(runs, j, allowed, t)) continue;
    if (only >= 0) return -1;
    only = t;
  }
  return only;
}

bool Painted(const std::vector<int>& cells, int start, const analysis::Run& run) {
  for (int i = start; i < start + run.length; ++i)
    if (cells[i] != run.color) return false;
  return true;
}

}  // namespace

std::vector<bool> FixedRuns(const LineRuns& runs, const std::vector<int>& cells) {
  std::vector<bool> fixed(runs.size(), false);
  for (const analysis::Run& r : runs)
    if (r.length < 1 || r.color < 1 || r.color > analysis::kMaxColors) return fixed;
  const std::vector<CellSet> allowed = Allowed(runs, cells);
  for (size_t j = 0; j < runs.size(); ++j) {
    int start = OnlyStart(runs, j, allowed);
    fixed[j] = start >= 0 && Painted(cells, start, runs[j]);
  }
  return fixed;
}

bool LineFits(const LineRuns& runs, const std::vector<int>& cells) {
  for (const analysis::Run& r : runs)
    if (r.length < 1 || r.color < 1 || r.color > analysis::kMaxColors) return true;  // nothing the solver can judge
  std::vector<CellSet> allowed = Allowed(runs, cells);
  return analysis::SolveLine(runs, std::span<CellSet>(allowed));
}

}  // namespace gw
