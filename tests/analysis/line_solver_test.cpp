// The line solver against every filling of the line, on random short colour lines.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>
#include <set>

#include "support/BruteForce.h"
#include "analysis/Analysis.h"
#include "analysis/LineSolver.h"

namespace gw::analysis {
namespace {

// Random runs: usually those of a random filling (so they fit), sometimes any runs at all.
LineRuns RandomRuns(std::mt19937& rng, int n, int colors) {
  std::uniform_int_distribution<int> coin(0, 3);
  if (coin(rng) > 0) {
    auto pic = brute::RandomPicture(rng, n, 1, colors, 0.6);
    return brute::RunsOf(pic[0]);
  }
  std::uniform_int_distribution<int> count(0, 3), len(1, n), col(1, colors);
  LineRuns runs(count(rng));
  for (Run& r : runs) r = Run{len(rng), col(rng)};
  return runs;
}

std::vector<CellSet> RandomCells(std::mt19937& rng, int n, int colors) {
  std::uniform_int_distribution<int> open(0, 2);
  std::uniform_int_distribution<int> any(1, (1 << (colors + 1)) - 1);
  std::vector<CellSet> cells(n);
  for (CellSet& c : cells) c = open(rng) ? CellSet((1 << (colors + 1)) - 1) : CellSet(any(rng));
  return cells;
}

// The reference itself: its placements of each line's runs are exactly the lines, among every
// line of up to seven cells over three values, that show those runs.
TEST(BruteForce, FillingsAreEveryLineShowingTheRuns) {
  for (int n = 0; n <= 7; ++n) {
    std::map<std::vector<std::pair<int, int>>, std::set<brute::Line>> byRuns;
    brute::Line line(n, 0);
    for (int code = 0, total = static_cast<int>(std::pow(3, n)); code < total; ++code) {
      for (int i = 0, rest = code; i < n; ++i, rest /= 3) line[i] = rest % 3;
      std::vector<std::pair<int, int>> key;
      for (const analysis::Run& r : brute::RunsOf(line)) key.push_back({r.length, r.color});
      byRuns[key].insert(line);
    }
    for (const auto& [key, lines] : byRuns) {
      LineRuns runs;
      for (auto [length, color] : key) runs.push_back(analysis::Run{length, color});
      const std::vector<brute::Line> fillings = brute::Fillings(runs, n);
      EXPECT_EQ(std::set<brute::Line>(fillings.begin(), fillings.end()), lines) << "n " << n;
      EXPECT_EQ(fillings.size(), lines.size()) << "n " << n;  // each placement once
    }
  }
}

TEST(LineSolver, AgreesWithEveryFillingOnRandomColourLines) {
  std::mt19937 rng(12);
  int fitting = 0, refused = 0, narrowed = 0;
  for (int round = 0; round < 1500; ++round) {
    const int n = 1 + round % 7;
    const int colors = 1 + (round / 8) % 3;
    LineRuns runs = RandomRuns(rng, n, colors);
    std::vector<CellSet> cells = RandomCells(rng, n, colors);
    std::vector<CellSet> want = cells;
    bool wantFits = brute::SolveByFillings(brute::Fillings(runs, n), want);
    std::vector<CellSet> got = cells;
    bool gotFits = SolveLine(runs, got);
    ASSERT_EQ(gotFits, wantFits) << "round " << round;
    if (!wantFits) {
      ++refused;
      continue;
    }
    ++fitting;
    narrowed += got != cells;
    ASSERT_EQ(got, want) << "round " << round;
  }
  // The random lines must exercise both outcomes, and narrowing, to mean anything.
  EXPECT_GT(fitting, 250);
  EXPECT_GT(refused, 250);
  EXPECT_GT(narrowed, 150);
}

// The word solver and the table solver on longer lines, where listing every filling is too slow.
TEST(LineSolver, WordAndTableAgreeOnLongLines) {
  std::mt19937 rng(64);
  LineSolver solver;
  int fitting = 0;
  for (int round = 0; round < 4000; ++round) {
    const int n = 9 + round % (LineSolver::kMaxBitLine - 8);
    const int colors = 1 + round % 4;
    LineRuns runs = RandomRuns(rng, n, colors);
    std::vector<CellSet> cells = RandomCells(rng, n, colors);
    // Mostly open cells, so that long lines still fit often.
    for (CellSet& c : cells)
      if (rng() % 4) c = CellSet((1 << (colors + 1)) - 1);
    std::vector<CellSet> bits = cells, table = cells;
    bool bitsFit = solver.SolveBits(runs.data(), static_cast<int>(runs.size()), bits.data(), n);
    bool tableFits = solver.SolveTable(runs.data(), static_cast<int>(runs.size()), table.data(), n);
    ASSERT_EQ(bitsFit, tableFits) << "round " << round;
    if (bitsFit) {
      ASSERT_EQ(bits, table) << "round " << round;
      ++fitting;
    }
  }
  EXPECT_GT(fitting, 1000);
}

// Lines too long for one word go to the table: a 99-cell line of alternating runs.
TEST(LineSolver, SolvesLinesLongerThanAWord) {
  LineRuns runs;
  for (int i = 0; i < 33; ++i) runs.push_back(analysis::Run{2, 1 + i % 2});
  // 66 cells of runs in 99 leave 33 cells of slack: no run is long enough to decide a cell.
  std::vector<CellSet> cells(99, kAllValues);
  ASSERT_TRUE(SolveLine(runs, cells));
  int decided = 0;
  for (CellSet c : cells) decided += (c & (c - 1)) == 0;
  std::vector<CellSet> tight(66, kAllValues);
  ASSERT_TRUE(SolveLine(runs, tight));
  for (int i = 0; i < 66; ++i) EXPECT_EQ(tight[i], ColorBit(1 + (i / 2) % 2)) << i;
  EXPECT_EQ(decided, 0);
}

struct FitCase {
  const char* what;
  LineRuns runs;
  int length;
  bool fits;
};

TEST(LineSolver, RunsThatCannotBeInTheLineGiveNoPlacement) {
  const FitCase cases[] = {
      {"A0 hint (100)", {{100, 1}}, 20, false},
      {"run longer than the line", {{6, 2}}, 5, false},
      {"same colour needs a gap", {{2, 1}, {3, 1}}, 5, false},
      {"different colours may touch", {{2, 1}, {3, 2}}, 5, true},
      {"colour 0 is no colour", {{1, 0}}, 5, false},
      {"colour 10 is no colour", {{1, 10}}, 5, false},
      {"length 0", {{0, 1}}, 5, false},
      {"negative length", {{-3, 1}}, 5, false},
      {"no runs", {}, 3, true},
      {"exact fit", {{1, 1}, {1, 1}, {1, 1}}, 5, true},
  };
  for (const FitCase& c : cases) {
    std::vector<CellSet> cells(c.length, kAllValues);
    EXPECT_EQ(SolveLine(c.runs, cells), c.fits) << c.what;
    EXPECT_EQ(RunsFit(c.runs, c.length), c.fits) << c.what;
  }
}

TEST(LineSolver, AnEmptyLineAndAFullLineAreDecided) {
  std::vector<CellSet> cells(4, kAllValues);
  ASSERT_TRUE(SolveLine({}, cells));
  EXPECT_EQ(cells, std::vector<CellSet>(4, kEmptyBit));
  cells.assign(4, kAllValues);
  ASSERT_TRUE(SolveLine({{1, 3}, {3, 5}}, cells));
  EXPECT_EQ(cells, (std::vector<CellSet>{ColorBit(3), ColorBit(5), ColorBit(5), ColorBit(5)}));
}

TEST(LineSolver, FindsTheFirstLineThatCannotFit) {
  Puzzle p{3, 2, {{{1, 1}}, {{2, 1}, {1, 1}}}, {{{1, 1}}, {}, {{7, 1}}}};
  auto bad = FindLineThatCannotFit(p);
  ASSERT_TRUE(bad.has_value());
  EXPECT_TRUE(bad->isRow);
  EXPECT_EQ(bad->index, 1);
  p.rows[1] = {{3, 1}};
  bad = FindLineThatCannotFit(p);
  ASSERT_TRUE(bad.has_value());
  EXPECT_FALSE(bad->isRow);
  EXPECT_EQ(bad->index, 2);
  p.cols[2] = {{2, 1}};
  EXPECT_FALSE(FindLineThatCannotFit(p).has_value());
}

}  // namespace
}  // namespace gw::analysis
