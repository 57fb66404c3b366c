// The clause that forbids a solution, written over the rows' run starts: it must rule out that
// board and no other. Checked with the solver itself on random small puzzles with several
// solutions, each found by enumeration: the clauses with the board's cells fixed and the clause
// added have no model, with another solution's cells fixed they have one.
#include <gtest/gtest.h>

#include <random>

#include "support/BruteForce.h"
#include "analysis/Analysis.h"
#include "analysis/LineClauses.h"

#if __has_include(<cadical.hpp>)
#include <cadical.hpp>

namespace gw::analysis {
namespace {

Board BoardOf(const std::vector<brute::Line>& rows) {
  Board b{static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), {}};
  for (const brute::Line& row : rows)
    for (int v : row) b.cells.push_back(static_cast<std::uint8_t>(v));
  return b;
}

// Whether the puzzle's clauses, the forbidding clause and the cells of `board` fixed have a model.
bool Satisfiable(const BoardClauses& clauses, const std::vector<int>& forbidding, const Board& board) {
  CaDiCaL::Solver solver;
  for (int lit : clauses.cnf().literals) solver.add(lit);
  for (int lit : forbidding) solver.add(lit);
  solver.add(0);
  for (size_t i = 0; i < board.cells.size(); ++i)
    if (const int var = clauses.CellVar(static_cast<int>(i), board.cells[i])) solver.assume(var);
  return solver.solve() == 10;
}

TEST(LineClauses, ForbidsTheSolutionGivenAndNoOther) {
  std::mt19937 rng(40);
  int tried = 0;
  for (int round = 0; round < 1500 && tried < 120; ++round) {
    const int w = 3 + round % 4, h = 3 + (round / 4) % 4, colors = 1 + (round / 16) % 3;
    const Puzzle p = round % 2 ? brute::MixedPuzzle(rng, w, h, colors)
                               : brute::PuzzleOf(brute::RandomPicture(rng, w, h, colors, 0.5));
    brute::BoardCounter counter(p);
    if (counter.Count(2) < 2) continue;
    ++tried;
    std::vector<LineRuns> lines = p.rows;
    lines.insert(lines.end(), p.cols.begin(), p.cols.end());
    const std::vector<CellSet> cells = BlankCandidates(p).cells;
    const BoardClauses clauses(w, h, lines, cells);
    const Board first = BoardOf(counter.found()[0]), second = BoardOf(counter.found()[1]);
    const std::vector<int> forbidding = clauses.Forbidding(first);
    ASSERT_FALSE(forbidding.empty()) << "round " << round;
    EXPECT_LE(forbidding.size(), first.cells.size()) << "round " << round;
    EXPECT_FALSE(Satisfiable(clauses, forbidding, first)) << "round " << round;
    EXPECT_TRUE(Satisfiable(clauses, forbidding, second)) << "round " << round;
    EXPECT_TRUE(Satisfiable(clauses, clauses.Forbidding(second), first)) << "round " << round;
  }
  EXPECT_GE(tried, 60);
}

}  // namespace
}  // namespace gw::analysis
#endif
