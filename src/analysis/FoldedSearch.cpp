// Built only where CaDiCaL is (see LearningSearch.cpp).
#if GW_HAVE_CADICAL
#include "analysis/FoldedSearch.h"

namespace gw::analysis {

Board ModelBoard(CaDiCaL::Solver& solver, const BoardClauses& clauses, int width, int height) {
  Board board{width, height, std::vector<std::uint8_t>(static_cast<size_t>(width) * height)};
  for (size_t i = 0; i < board.cells.size(); ++i)
    for (int v = 0; v < BoardClauses::kValues; ++v) {
      const int var = clauses.CellVar(static_cast<int>(i), v);
      if (var && solver.val(var) > 0) board.cells[i] = static_cast<std::uint8_t>(v);
    }
  return board;
}

void Configure(CaDiCaL::Solver& solver) {
  // Unquiet, it prints to standard output when a clause added is already false, and gwtool's
  // output is read by scripts.
  solver.set("quiet", 1);
  // The configuration tuned for satisfiable formulas restarts less and keeps more of what it
  // learned: on the n-Dom family (7 to 12, 5 interleaved runs) it took 0.65 to 0.83 of the
  // default's time, 9-Dom excepted (1.13), and on random boards handed over at once less too.
  solver.configure("sat");
  solver.set("terminateint", 1);
}

// One folding's clauses and solver, with the boards it has been told to forbid.
struct FoldedSearch::Stage {
  Stage(int width, int height, const std::vector<LineRuns>& lines, std::vector<CellSet> open,
        const Folding& folding, LineEncoding encoding)
      : folding(folding), cells(Fold(std::move(open))),
        clauses(width, height, lines, cells, encoding, &this->folding) {
    Configure(solver);
    for (int lit : clauses.cnf().literals) solver.add(lit);
    clauses.ReleaseCnf();
  }
  // A cell's stand-in may take only the values every cell of its fold may.
  std::vector<CellSet> Fold(std::vector<CellSet> c) const {
    for (size_t i = 0; i < c.size(); ++i) c[folding.standIn[i]] &= c[i];
    for (size_t i = 0; i < c.size(); ++i) c[i] = c[folding.standIn[i]];
    return c;
  }
  Folding folding;
  std::vector<CellSet> cells;
  BoardClauses clauses;
  CaDiCaL::Solver solver;
  size_t forbidden = 0;
};

FoldedSearch::FoldedSearch(int width, int height, const std::vector<LineRuns>& lines,
                           std::vector<CellSet> open, const std::vector<Symmetry>& symmetries,
                           LineEncoding encoding)
    : width_(width), height_(height), lines_(lines), open_(std::move(open)), encoding_(encoding),
      foldings_(Foldings(symmetries, width * height, static_cast<int>(lines.size()))) {}

FoldedSearch::~FoldedSearch() = default;

bool FoldedSearch::Solve(int limit, const std::vector<Board>& met, CaDiCaL::Terminator& stop,
                         CaDiCaL::Learner& counter, Board& found) {
  if (done()) return false;
  if (!current_)
    current_ = std::make_unique<Stage>(width_, height_, lines_, open_, foldings_[stage_], encoding_);
  Stage& s = *current_;
  for (; s.forbidden < met.size(); ++s.forbidden) {
    for (int lit : s.clauses.Forbidding(met[s.forbidden])) s.solver.add(lit);
    s.solver.add(0);
  }
  s.solver.connect_terminator(&stop);
  s.solver.connect_learner(&counter);
  s.solver.limit("conflicts", limit);
  const int result = s.solver.solve();
  s.solver.disconnect_terminator();
  s.solver.disconnect_learner();
  if (result == kSatisfiable) {
    found = ModelBoard(s.solver, s.clauses, width_, height_);
    if (BoardFits(found, lines_)) return true;
  }
  if (result != 0) {
    // No solution left in this folding (or, past belief, a wrong one): the next one, while no
    // solution is known. Past the first, a smaller group's folding only delays the proof that
    // there is no other: each second solution met so far was in the first folding already.
    current_.reset();
    stage_ = met.empty() ? stage_ + 1 : foldings_.size();
  }
  return false;
}

}  // namespace gw::analysis
#endif
