// The clause that forbids a solution, written over the rows' run starts: it must rule out that
// board and no other. Checked with the solver itself on random small puzzles with several
// solutions, each found by enumeration: the clauses with the board's cells fixed and the clause
// added have no model, with another solution's cells fixed they have one. And the clauses of
// either encoding have as many models, told apart by their cells, as the puzzle has solutions.
#include <gtest/gtest.h>

#include <random>

#include "support/BruteForce.h"
#include "analysis/Analysis.h"
#include "analysis/LineClauses.h"

#if __has_include(<cadical.hpp>)
#include <cadical.hpp>

namespace gw::analysis {
namespace {

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

Board ModelOf(CaDiCaL::Solver& solver, const BoardClauses& clauses, int w, int h) {
  Board b{w, h, std::vector<std::uint8_t>(static_cast<size_t>(w) * h)};
  for (size_t i = 0; i < b.cells.size(); ++i)
    for (int v = 0; v < BoardClauses::kValues; ++v)
      if (const int var = clauses.CellVar(static_cast<int>(i), v); var && solver.val(var) > 0)
        b.cells[i] = static_cast<std::uint8_t>(v);
  return b;
}

// Whether the board's lines have the puzzle's runs.
bool Fits(const Puzzle& p, const Board& b) {
  for (int y = 0; y < p.height; ++y) {
    const brute::Line row(b.cells.begin() + y * p.width, b.cells.begin() + (y + 1) * p.width);
    if (!brute::SameRuns(brute::RunsOf(row), p.rows[y])) return false;
  }
  for (int x = 0; x < p.width; ++x) {
    brute::Line col;
    for (int y = 0; y < p.height; ++y) col.push_back(b.cells[y * p.width + x]);
    if (!brute::SameRuns(brute::RunsOf(col), p.cols[x])) return false;
  }
  return true;
}

// Solutions of the clauses up to `cap`, each forbidden as the search that learns forbids it, and
// each checked against every clue.
int ModelCount(const BoardClauses& clauses, const Puzzle& p, int cap) {
  const int w = p.width, h = p.height;
  CaDiCaL::Solver solver;
  for (int lit : clauses.cnf().literals) solver.add(lit);
  int count = 0;
  while (count < cap && solver.solve() == 10) {
    const Board b = ModelOf(solver, clauses, w, h);
    EXPECT_TRUE(Fits(p, b)) << "a model that is no solution";
    ++count;
    for (int lit : clauses.Forbidding(b)) solver.add(lit);
    solver.add(0);
  }
  return count;
}

class LineClauses : public ::testing::TestWithParam<LineEncoding> {};

TEST_P(LineClauses, HaveAsManyModelsAsThePuzzleHasSolutions) {
  std::mt19937 rng(41);
  for (int round = 0; round < 300; ++round) {
    const int w = 2 + round % 5, h = 2 + (round / 5) % 5, colors = 1 + (round / 25) % 3;
    const Puzzle p = round % 2 ? brute::MixedPuzzle(rng, w, h, colors)
                               : brute::PuzzleOf(brute::RandomPicture(rng, w, h, colors, 0.5));
    brute::BoardCounter counter(p);
    const int solutions = counter.Count(50);
    const std::vector<LineRuns> lines = brute::AllLines(p);
    const std::vector<CellSet> cells = BlankCandidates(p).cells;
    const BoardClauses clauses(w, h, lines, cells, GetParam());
    EXPECT_EQ(ModelCount(clauses, p, 51), solutions) << "round " << round;
  }
}

TEST_P(LineClauses, ForbidsTheSolutionGivenAndNoOther) {
  std::mt19937 rng(40);
  int tried = 0;
  for (int round = 0; round < 1500 && tried < 120; ++round) {
    const int w = 3 + round % 4, h = 3 + (round / 4) % 4, colors = 1 + (round / 16) % 3;
    const Puzzle p = round % 2 ? brute::MixedPuzzle(rng, w, h, colors)
                               : brute::PuzzleOf(brute::RandomPicture(rng, w, h, colors, 0.5));
    brute::BoardCounter counter(p);
    if (counter.Count(2) < 2) continue;
    ++tried;
    const std::vector<LineRuns> lines = brute::AllLines(p);
    const std::vector<CellSet> cells = BlankCandidates(p).cells;
    const BoardClauses clauses(w, h, lines, cells, GetParam());
    const Board first = brute::ToBoard(counter.found()[0]);
    const Board second = brute::ToBoard(counter.found()[1]);
    const std::vector<int> forbidding = clauses.Forbidding(first);
    ASSERT_FALSE(forbidding.empty()) << "round " << round;
    EXPECT_LE(forbidding.size(), first.cells.size()) << "round " << round;
    EXPECT_FALSE(Satisfiable(clauses, forbidding, first)) << "round " << round;
    EXPECT_TRUE(Satisfiable(clauses, forbidding, second)) << "round " << round;
    EXPECT_TRUE(Satisfiable(clauses, clauses.Forbidding(second), first)) << "round " << round;
  }
  EXPECT_GE(tried, 60);
}

INSTANTIATE_TEST_SUITE_P(Encodings, LineClauses,
                         ::testing::Values(LineEncoding::kLadders, LineEncoding::kAutomaton),
                         [](const auto& info) {
                           return info.param == LineEncoding::kLadders ? std::string("Ladders")
                                                                       : std::string("Automaton");
                         });

}  // namespace
}  // namespace gw::analysis
#endif
