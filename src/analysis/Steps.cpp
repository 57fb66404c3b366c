// The smaller steps of the engine, one call each, on candidates the caller keeps.
#include "analysis/Analysis.h"
#include "analysis/Engine.h"
#include "analysis/LineSolver.h"

namespace gw::analysis {
namespace {

// An engine started from the caller's candidates; null when they do not match the puzzle.
bool Load(Engine& engine, const Candidates& cells) {
  if (!engine.valid() || cells.width != engine.width() || cells.height != engine.height() ||
      cells.cells.size() != engine.cells().size())
    return false;
  engine.LoadCells(cells.cells);
  return true;
}

}  // namespace

Candidates BlankCandidates(const Puzzle& puzzle) {
  Engine engine(puzzle, nullptr);
  Candidates c{puzzle.width, puzzle.height, {}};
  if (engine.valid()) c.cells = engine.cells();
  return c;
}

bool SolveLine(const LineRuns& runs, std::span<CellSet> cells) {
  for (const Run& r : runs)
    if (r.length < 1 || r.color < 1 || r.color > kMaxColors) return false;
  LineSolver solver;
  return solver.Solve(runs.data(), static_cast<int>(runs.size()), cells.data(),
                      static_cast<int>(cells.size()));
}

bool PropagateLines(const Puzzle& puzzle, Candidates& cells) {
  Engine engine(puzzle, nullptr);
  if (!Load(engine, cells)) return false;
  bool ok = engine.Propagate();
  cells.cells = engine.cells();
  return ok;
}

CellSet RefutedValues(const Puzzle& puzzle, const Candidates& cells, int x, int y) {
  Engine engine(puzzle, nullptr);
  if (!Load(engine, cells) || x < 0 || y < 0 || x >= cells.width || y >= cells.height) return 0;
  const int i = y * cells.width + x;
  CellSet refuted = 0;
  for (CellSet rest = cells.cells[i]; rest; rest &= rest - 1) {
    const CellSet bit = rest & -rest;
    const size_t mark = engine.Mark();
    engine.QueueAllLines();
    if (!(engine.Narrow(i, bit) && engine.Propagate())) refuted |= bit;
    engine.Undo(mark);
  }
  return refuted;
}

bool ProbeCells(const Puzzle& puzzle, Candidates& cells) {
  Engine engine(puzzle, nullptr);
  if (!Load(engine, cells)) return false;
  bool ok = engine.Propagate() && engine.ProbeToFixpoint();
  cells.cells = engine.cells();
  return ok;
}

bool RunsFit(const LineRuns& runs, int length) {
  long long need = 0;
  for (size_t j = 0; j < runs.size(); ++j) {
    const Run& r = runs[j];
    if (r.length < 1 || r.length > length || r.color < 1 || r.color > kMaxColors) return false;
    need += r.length + (j > 0 && runs[j - 1].color == r.color ? 1 : 0);
  }
  return need <= length;
}

std::optional<LineRef> FindLineThatCannotFit(const Puzzle& puzzle) {
  for (size_t y = 0; y < puzzle.rows.size(); ++y)
    if (!RunsFit(puzzle.rows[y], puzzle.width)) return LineRef{true, static_cast<int>(y)};
  for (size_t x = 0; x < puzzle.cols.size(); ++x)
    if (!RunsFit(puzzle.cols[x], puzzle.height)) return LineRef{false, static_cast<int>(x)};
  return std::nullopt;
}

}  // namespace gw::analysis
