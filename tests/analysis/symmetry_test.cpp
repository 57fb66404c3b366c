// The hints' symmetries against pictures made symmetric by hand, and the search that looks among
// symmetric pictures first against board enumeration.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <set>
#include <tuple>
#include <vector>

#include "analysis/Analysis.h"
#include "analysis/Symmetry.h"
#include "support/BruteForce.h"

namespace gw::analysis {
namespace {

using brute::Line;
using Picture = std::vector<Line>;

// The eight ways to turn or mirror a square of side n, written out apart from the program's.
using Turn = std::function<std::pair<int, int>(int x, int y, int n)>;
const std::vector<Turn>& Turns() {
  static const std::vector<Turn> turns = {
      [](int x, int y, int n) { return std::pair{n - 1 - x, y}; },          // left for right
      [](int x, int y, int n) { return std::pair{x, n - 1 - y}; },          // top for bottom
      [](int x, int y, int n) { return std::pair{n - 1 - x, n - 1 - y}; },  // half turn
      [](int x, int y, int) { return std::pair{y, x}; },                    // main diagonal
      [](int x, int y, int n) { return std::pair{n - 1 - y, x}; },          // quarter turn
      [](int x, int y, int n) { return std::pair{y, n - 1 - x}; },          // the other way
      [](int x, int y, int n) { return std::pair{n - 1 - y, n - 1 - x}; },  // other diagonal
  };
  return turns;
}

// A random picture made its own image under the turn: each cell given the value of the first
// cell of its orbit (every turn of the square is back where it began after four steps).
Picture SymmetricPicture(std::mt19937& rng, int n, const Turn& turn, double ink, int colors = 1) {
  Picture p = brute::RandomPicture(rng, n, n, colors, ink);
  // The four corners inked: the square is the box of its non-empty lines under every turn.
  p[0][0] = p[0][n - 1] = p[n - 1][0] = p[n - 1][n - 1] = 1;
  Picture out = p;
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) {
      int first = y * n + x, u = x, v = y;
      for (int step = 0; step < 4; ++step) {
        std::tie(u, v) = turn(u, v, n);
        first = std::min(first, v * n + u);
      }
      out[y][x] = p[first / n][first % n];
    }
  return out;
}

// The picture on a larger board, with empty lines above, below and on either side.
Picture WithMargins(const Picture& p, int top, int left, int bottom, int right) {
  const int w = static_cast<int>(p[0].size()) + left + right;
  Picture out(top, Line(w, 0));
  for (const Line& row : p) {
    Line r(left, 0);
    r.insert(r.end(), row.begin(), row.end());
    r.resize(w, 0);
    out.push_back(r);
  }
  out.resize(out.size() + bottom, Line(w, 0));
  return out;
}

TEST(HintSymmetries, FindsEachTurnAboutTheBoxOfThePicture) {
  std::mt19937 rng(40);
  for (size_t t = 0; t < Turns().size(); ++t)
    for (int round = 0; round < 6; ++round) {
      const int n = 3 + round % 4, top = round % 3, left = (round + 1) % 2;
      const Picture p = WithMargins(SymmetricPicture(rng, n, Turns()[t], 0.35), top, left, 1, round % 2);
      const Puzzle puzzle = brute::PuzzleOf(p);
      const std::vector<Symmetry> found =
          HintSymmetries(puzzle.width, puzzle.height, brute::AllLines(puzzle));
      std::vector<int> expected(puzzle.width * puzzle.height);
      for (int i = 0; i < puzzle.width * puzzle.height; ++i) expected[i] = i;
      for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
          auto [u, v] = Turns()[t](x, y, n);
          expected[(top + y) * puzzle.width + left + x] = (top + v) * puzzle.width + left + u;
        }
      bool seen = false;
      for (const Symmetry& s : found) seen = seen || s.cells == expected;
      EXPECT_TRUE(seen) << "turn " << t << " round " << round;
    }
}

TEST(HintSymmetries, AnOblongBoxIsOnlyMirroredOrHalfTurned) {
  // 5 wide, 3 high, its own mirror image left for right, on a board with an empty last column.
  const Picture p = {{1, 0, 1, 0, 1, 0}, {1, 1, 0, 1, 1, 0}, {0, 1, 1, 1, 0, 0}};
  const Puzzle puzzle = brute::PuzzleOf(p);
  const std::vector<Symmetry> found = HintSymmetries(6, 3, brute::AllLines(puzzle));
  ASSERT_EQ(found.size(), 1u);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) EXPECT_EQ(found[0].cells[y * 6 + x], y * 6 + 4 - x);
    EXPECT_EQ(found[0].cells[y * 6 + 5], y * 6 + 5);  // outside the box: where it was
    EXPECT_EQ(found[0].lines[y], y);
  }
  for (int x = 0; x < 5; ++x) EXPECT_EQ(found[0].lines[3 + x], 3 + 4 - x);
  // Its half turn too (top for bottom as well) once the rows read the same both ways.
  const Picture q = {{1, 0, 1, 0, 1}, {1, 1, 0, 1, 1}, {1, 0, 1, 0, 1}};
  const Puzzle both = brute::PuzzleOf(q);
  EXPECT_EQ(HintSymmetries(5, 3, brute::AllLines(both)).size(), 3u);
}

TEST(HintSymmetries, CarryEverySolutionToASolution) {
  // Whatever the hints, random or symmetric: a symmetry found that is none would carry a
  // solution to a board that does not show the hints.
  std::mt19937 rng(41);
  int symmetric = 0;
  for (int round = 0; round < 400; ++round) {
    const int n = 2 + round % 4;
    const Picture p = round % 2 ? SymmetricPicture(rng, n, Turns()[round % 7], 0.4, 1 + round % 3)
                                : brute::RandomPicture(rng, n, 2 + round % 3, 1 + round % 2, 0.5);
    const Puzzle puzzle = brute::PuzzleOf(p);
    const std::vector<Symmetry> found =
        HintSymmetries(puzzle.width, puzzle.height, brute::AllLines(puzzle));
    symmetric += !found.empty();
    brute::BoardCounter counter(puzzle);
    counter.Count(2);
    for (const Symmetry& s : found)
      for (const Picture& solution : counter.found()) {
        const Board image = Transformed(brute::ToBoard(solution), s);
        ASSERT_TRUE(brute::SamePuzzle(brute::PuzzleOf(brute::ToRows(image)), puzzle)) << "round " << round;
        EXPECT_TRUE(BoardFits(image, brute::AllLines(puzzle)));
      }
  }
  EXPECT_GT(symmetric, 200);
}

TEST(HintSymmetries, FoldingsGoFromEverySymmetryToSmallerGroups) {
  // A square frame with both diagonals: its own image under every turn of the square.
  Picture p(6, Line(6, 0));
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) p[y][x] = (x == y || x == 5 - y || x == 0 || y == 0 || x == 5 || y == 5);
  const Puzzle puzzle = brute::PuzzleOf(p);
  const std::vector<LineRuns> lines = brute::AllLines(puzzle);
  const std::vector<Symmetry> group = HintSymmetries(6, 6, lines);
  ASSERT_EQ(group.size(), 7u);
  const std::vector<Folding> foldings = Foldings(group, 36, 12);
  auto standIns = [](const Folding& f) { return std::set<int>(f.standIn.begin(), f.standIn.end()).size(); };
  // Every cell with its seven images: 6 of a 6 x 6 square's 36 stand for all.
  ASSERT_FALSE(foldings.empty());
  EXPECT_EQ(standIns(foldings[0]), 6u);
  for (size_t i = 1; i < foldings.size(); ++i) EXPECT_GE(standIns(foldings[i]), standIns(foldings[i - 1]));
  // The distinct groups one symmetry makes: the quarter turns (either way, one group), the half
  // turn and the four mirrors, each after the group of all.
  EXPECT_EQ(foldings.size(), 1u + 1u + 1u + 4u);
  // One line kept for each set of lines the fold joins.
  std::vector<int> keptCounts;
  for (const Folding& f : foldings) {
    int kept = 0;
    for (char k : f.kept) kept += k;
    keptCounts.push_back(kept);
  }
  // Lines 0..5 rows, 6..11 columns; the whole group joins row y, row 5-y, column y, column 5-y.
  EXPECT_EQ(keptCounts[0], 3);
  // The quarter turns join the same four; the half turn joins row y with row 5-y and column y
  // with column 5-y, a diagonal mirror a row with a column (6 kept each); a mirror left for right
  // keeps the rows and half the columns, top for bottom the other way (9 each).
  EXPECT_EQ(keptCounts[1], 3);
  EXPECT_EQ(std::count(keptCounts.begin(), keptCounts.end(), 6), 3);
  EXPECT_EQ(std::count(keptCounts.begin(), keptCounts.end(), 9), 2);
  // Every fold is closed under the symmetries that made it: the whole group's under all.
  for (const Symmetry& s : group)
    for (int i = 0; i < 36; ++i) EXPECT_EQ(foldings[0].standIn[s.cells[i]], foldings[0].standIn[i]);
}

TEST(HintSymmetries, BoardFitsTellsEveryLine) {
  const Picture p = {{1, 1, 0}, {0, 2, 2}, {1, 0, 2}};
  const Puzzle puzzle = brute::PuzzleOf(p);
  EXPECT_TRUE(BoardFits(brute::ToBoard(p), brute::AllLines(puzzle)));
  for (int i = 0; i < 9; ++i)
    for (int v = 0; v <= 2; ++v) {
      Picture q = p;
      if (q[i / 3][i % 3] == v) continue;
      q[i / 3][i % 3] = v;
      EXPECT_EQ(BoardFits(brute::ToBoard(q), brute::AllLines(puzzle)),
                brute::SamePuzzle(brute::PuzzleOf(q), puzzle))
          << i << " " << v;
    }
}

TEST(HintSymmetries, TheSearchThatFoldsCountsLikeEveryBoard) {
  if (!LearningAvailable()) GTEST_SKIP() << "built without CaDiCaL";
  std::mt19937 rng(43);
  int several = 0, unique = 0;
  for (int round = 0; round < 300; ++round) {
    const int n = 3 + round % 4;
    Picture p = SymmetricPicture(rng, n, Turns()[round % 7], 0.3 + 0.05 * (round % 5), 1 + round % 3);
    if (round % 3 == 0) p = WithMargins(p, 1, 0, round % 2, 2);
    const Puzzle puzzle = brute::PuzzleOf(p);
    Budget budget;
    budget.learnAfterNodes = 0;
    const Analysis a = Analyze(puzzle, budget);
    const int want = brute::BoardCounter(puzzle).Count(2);
    ASSERT_EQ(a.solutions, want) << "round " << round;
    ASSERT_EQ(a.boards.size(), static_cast<size_t>(want)) << "round " << round;
    for (const Board& b : a.boards)
      ASSERT_TRUE(brute::SamePuzzle(brute::PuzzleOf(brute::ToRows(b)), puzzle)) << "round " << round;
    if (want == 2) EXPECT_NE(a.boards[0].cells, a.boards[1].cells);
    several += want == 2;
    unique += want == 1;
  }
  EXPECT_GT(several, 30);
  EXPECT_GT(unique, 30);
}

}  // namespace
}  // namespace gw::analysis
