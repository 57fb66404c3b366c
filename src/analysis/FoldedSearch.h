#pragma once
// Part of the search that learns (built only where CaDiCaL is): solutions looked for first among
// the pictures that are their own images under the hints' symmetries. A designed picture with
// symmetric hints is often symmetric itself, and folded, its clauses have a half or a quarter of
// the cells to decide: Knotty (40 x 40, hints symmetric under quarter turns) gave CaDiCaL a first
// solution in about a second folded, and none in 120 s whole. While no solution is known, a
// folding without one is followed by the foldings by each smaller group of the symmetries (a
// picture may keep only part of its hints' symmetry).
#include <cadical.hpp>

#include <memory>
#include <vector>

#include "analysis/Analysis.h"
#include "analysis/LineClauses.h"
#include "analysis/Symmetry.h"

namespace gw::analysis {

inline constexpr int kSatisfiable = 10;
inline constexpr int kUnsatisfiable = 20;

// The board of the solver's model.
Board ModelBoard(CaDiCaL::Solver& solver, const BoardClauses& clauses, int width, int height);
// How every solver of the search is set: quiet (it reports to no one), tuned for satisfiable
// formulas, and asking its terminator every step.
void Configure(CaDiCaL::Solver& solver);

class FoldedSearch {
 public:
  FoldedSearch(int width, int height, const std::vector<LineRuns>& lines, std::vector<CellSet> open,
               const std::vector<Symmetry>& symmetries, LineEncoding encoding);
  ~FoldedSearch();

  // No folding left to search.
  bool done() const { return stage_ >= foldings_.size(); }
  // One call of the current folding's solver, within `limit` conflicts, every board in `met`
  // forbidden: true with a new solution (checked against the hints) in `found`; false when it
  // found none, having moved on to the next folding if this one has none left.
  bool Solve(int limit, const std::vector<Board>& met, CaDiCaL::Terminator& stop,
             CaDiCaL::Learner& counter, Board& found);

 private:
  struct Stage;
  int width_, height_;
  const std::vector<LineRuns>& lines_;
  std::vector<CellSet> open_;
  LineEncoding encoding_;
  std::vector<Folding> foldings_;
  size_t stage_ = 0;
  std::unique_ptr<Stage> current_;
};

}  // namespace gw::analysis
