#include "solver/LineHelpers.h"
#include "solver/SolverState.h"
#include "state/PuzzleState.h"

#include <algorithm>
#include <functional>
#include <sstream>

#include "support/BruteForce.h"

namespace gw::test {

std::vector<int> Cells(const std::string& text) {
  std::vector<int> cells;
  for (char ch : text) {
    if (ch == ' ') continue;
    cells.push_back(ch == '?' ? 0 : ch == '-' ? -1 : ch == 'x' ? -3 : ch - '0');
  }
  return cells;
}

std::string CellsText(const std::vector<int>& cells) {
  std::string text;
  for (int v : cells) text += v == 0 ? '?' : v == -1 ? '-' : v < 0 ? 'x' : char('0' + v);
  return text;
}

void SetWorkLine(App& app, const std::vector<int>& cells, const std::vector<HintRun>& runs) {
  SolverState& s = app.solver;
  s.LineCells[0] = static_cast<int>(cells.size());
  for (size_t i = 0; i < cells.size(); ++i) s.LineCells[i + 1] = cells[i];
  s.LineHints[0][0] = static_cast<int>(runs.size());
  for (size_t k = 0; k < runs.size(); ++k) {
    s.LineHints[k + 1][0] = runs[k].length;
    s.LineHints[k + 1][1] = runs[k].colour;
  }
  for (int c = 1; c <= 9; ++c)
    for (int i = 1; i <= kMaxSize; ++i) s.LineCrossTotals[c][i] = 1;
}

std::vector<int> WorkCells(const App& app) {
  const SolverState& s = app.solver;
  return std::vector<int>(s.LineCells + 1, s.LineCells + 1 + s.LineCells[0]);
}

std::vector<std::string> OutputLines(const std::string& output, const std::string& prefix) {
  std::vector<std::string> lines;
  std::istringstream in(output);
  for (std::string line; std::getline(in, line);)
    if (line.rfind(prefix, 0) == 0) lines.push_back(line);
  return lines;
}

BruteResult BruteForceLine(const std::vector<int>& cells, const std::vector<HintRun>& runs,
                           std::function<bool(int, int)> allowed) {
  const int L = static_cast<int>(cells.size());
  analysis::LineRuns wanted;
  bool emptyLine = runs.size() == 1 && runs[0].length == 0;  // the solver's line without hints
  if (!emptyLine)
    for (const HintRun& r : runs) wanted.push_back({r.length, r.colour});
  auto agrees = [&](const brute::Line& line) {
    for (int i = 0; i < L; ++i) {
      int known = cells[i];
      if (known > 0 && line[i] != known) return false;
      if (known < 0 && line[i] > 0) return false;
      if (known == 0 && line[i] > 0 && allowed && !allowed(line[i], i)) return false;
    }
    return true;
  };
  std::vector<std::vector<int>> seen(L);  // per cell: the values met
  BruteResult r;
  for (const brute::Line& line : brute::Fillings(wanted, L)) {
    if (!agrees(line)) continue;
    r.placement = true;
    for (int i = 0; i < L; ++i) {
      int v = line[i] == 0 ? -1 : line[i];
      if (std::find(seen[i].begin(), seen[i].end(), v) == seen[i].end()) seen[i].push_back(v);
    }
  }
  r.cells = cells;
  if (!r.placement) return r;
  for (int i = 0; i < L; ++i)
    if (cells[i] == 0) r.cells[i] = seen[i].size() == 1 ? seen[i][0] : 0;
  return r;
}

}  // namespace gw::test
