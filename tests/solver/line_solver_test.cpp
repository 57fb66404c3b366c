// The exhaustive line solver: the edge cases of its description, lines whose runs cannot fit, and
// random lines against an independent enumeration of every placement and against the engine's
// line solver.
#include <gtest/gtest.h>

#include <bit>
#include <random>

#include "analysis/Analysis.h"
#include "solver/LineHelpers.h"
#include "solver/SolveWorkLine.h"
#include "solver/WorkLine.h"
#include "support/TestApp.h"

namespace gw::test {
namespace {

struct Solved {
  std::string cells;
  int contradiction;
  int steps;
};

Solved Solve(App& app, const std::string& cells, const std::vector<HintRun>& runs) {
  SetWorkLine(app, Cells(cells), runs);
  SolveWorkLine(app);
  return {CellsText(WorkCells(app)), app.solver.Contradiction, app.solver.SolveSteps};
}

TEST(SolveWorkLine, LineWithoutHintsEmptiesEveryBlankCell) {
  TestApp t;
  Solved s = Solve(t.app, "?????", {{0}});
  EXPECT_EQ(s.cells, "-----");
  EXPECT_EQ(s.contradiction, 0);
  EXPECT_EQ(s.steps, 2);
}

TEST(SolveWorkLine, FullyKnownLineStopsAfterItsPlacement) {
  TestApp t;
  Solved s = Solve(t.app, "11-1-", {{2}, {1}});
  EXPECT_EQ(s.cells, "11-1-");
  EXPECT_EQ(s.contradiction, 0);
  EXPECT_EQ(s.steps, 3);  // one step per run and one for the placement
  EXPECT_EQ(t.app.solver.EnumDone, 1);
}

TEST(SolveWorkLine, SingleRunFillsItsOverlap) {
  TestApp t;
  Solved s = Solve(t.app, "?????", {{4}});
  EXPECT_EQ(s.cells, "?111?");
  EXPECT_EQ(s.steps, 3);
}

TEST(SolveWorkLine, RunsOfOneColourNeedAGapRunsOfTwoMayTouch) {
  TestApp t;
  EXPECT_EQ(Solve(t.app, "?????", {{2, 1}, {2, 1}}).cells, "11-11");
  EXPECT_EQ(Solve(t.app, "?????", {{2, 1}, {2, 2}}).cells, "?1?2?");
}

TEST(SolveWorkLine, CountingFilterFindsNoPlacementAndLeavesTheLine) {
  TestApp t;
  Solved s = Solve(t.app, "1???1", {{1}});
  EXPECT_EQ(s.contradiction, 1);
  EXPECT_EQ(s.cells, "1???1");
}

TEST(SolveWorkLine, FilledNeighbourOfTheRunsColourExcludesAStart) {
  TestApp t;
  SetWorkLine(t.app, Cells("??1??"), {{1, 1}, {1, 2}});
  LineTables tables{};
  InitStartTable(t.app, tables);
  FilterStartsByCells(t.app, tables);
  EXPECT_EQ(tables.StartTable[1][2], -1);  // would touch the filled cell 3 of its own colour
  EXPECT_EQ(tables.StartTable[1][1], 0);
  EXPECT_EQ(tables.StartTable[2][4], 0);   // colour 2 may touch it
}

TEST(SolveWorkLine, CrossingLineWithoutTheColourKeepsTheRunOff) {
  TestApp t;
  SetWorkLine(t.app, Cells("???"), {{1}});
  t.app.solver.LineCrossTotals[1][1] = 0;
  t.app.solver.LineCrossTotals[1][2] = 0;
  SolveWorkLine(t.app);
  EXPECT_EQ(CellsText(WorkCells(t.app)), "--1");
  // A cell already of that colour may still be covered.
  SetWorkLine(t.app, Cells("1??"), {{2}});
  t.app.solver.LineCrossTotals[1][1] = 0;
  SolveWorkLine(t.app);
  EXPECT_EQ(CellsText(WorkCells(t.app)), "11-");
}

TEST(SolveWorkLine, MarksOfEveryEmptyCodeAreEmptyAndKept) {
  TestApp t;
  EXPECT_EQ(Solve(t.app, "?x???", {{3}}).cells, "-x111");
}

TEST(SolveWorkLine, RunsThatDoNotFitGiveAContradiction) {
  TestApp t;
  const std::vector<std::vector<HintRun>> cases = {
      {{100}},                  // the special hint "A0"
      {{21}},                   // above the board's limit
      {{25, 3}, {1, 3}},
      {{3}, {3}, {3}, {3}, {3}, {3}},
      {{-2}},                   // a malformed file's negative number
      {{2}, {-1}, {2}},
  };
  for (const auto& runs : cases) {
    for (const std::string cells : {"????????????????????", "1???????????????????"}) {
      Solved s = Solve(t.app, cells, runs);
      EXPECT_EQ(s.contradiction, 1) << runs[0].length;
      EXPECT_EQ(s.cells, cells);
      EXPECT_EQ(t.app.solver.LineCells[0], 20);
      EXPECT_EQ(t.app.solver.LineHints[0][0], static_cast<int>(runs.size()));
    }
  }
  EXPECT_EQ(Solve(t.app, "?????", {{3}, {3}}).contradiction, 1);
  EXPECT_EQ(Solve(t.app, "?????", {{3, 1}, {2, 2}}).cells, "11122");
}

TEST(SolveWorkLine, LoadedLinesCarryRunsInReadingOrderAndTheCrossingTotals) {
  TestApp t;
  MakeBoard(t.app, 4, 3, 3, 2);
  SetRowHints(t.app, 2, {2, 1});
  t.app.puzzle.RowHints[3][2][kHintColor] = 4;
  t.app.puzzle.Grid[3][2] = -1;
  t.app.solver.ColColorTotals[4][3] = 7;
  LoadRowLine(t.app, 2);
  const SolverState& s = t.app.solver;
  EXPECT_EQ(s.LineCells[0], 4);
  EXPECT_EQ(s.LineCells[3], -1);
  EXPECT_EQ(s.LineHints[0][0], 2);
  EXPECT_EQ(s.LineHints[1][0], 2);
  EXPECT_EQ(s.LineHints[2][0], 1);
  EXPECT_EQ(s.LineHints[2][1], 4);
  EXPECT_EQ(s.LineCrossTotals[4][3], 7);
  LoadColLine(t.app, 1);  // no hints: one run of length 0
  EXPECT_EQ(s.LineCells[0], 3);
  EXPECT_EQ(s.LineHints[0][0], 1);
  EXPECT_EQ(s.LineHints[1][0], 0);
}

// Random runs that fit a line of length L, with the gap rule.
std::vector<HintRun> RandomRuns(std::mt19937& rng, int L, int colours, int maxLen) {
  std::vector<HintRun> runs;
  int used = 0;
  int n = std::uniform_int_distribution<int>(1, 10)(rng);
  for (int k = 0; k < n; ++k) {
    HintRun r{std::uniform_int_distribution<int>(1, maxLen)(rng),
          std::uniform_int_distribution<int>(1, colours)(rng)};
    int gap = !runs.empty() && runs.back().colour == r.colour ? 1 : 0;
    if (used + gap + r.length > L) break;
    used += gap + r.length;
    runs.push_back(r);
  }
  if (runs.empty()) runs.push_back({1, 1});
  return runs;
}

// One placement of the runs, spread at random over the line.
std::vector<int> RandomPlacement(std::mt19937& rng, int L, const std::vector<HintRun>& runs) {
  int packed = 0;
  for (size_t k = 0; k < runs.size(); ++k)
    packed += runs[k].length + (k > 0 && runs[k].colour == runs[k - 1].colour ? 1 : 0);
  int slack = L - packed, pos = 0;
  std::vector<int> line(L, -1);
  for (size_t k = 0; k < runs.size(); ++k) {
    pos += k > 0 && runs[k].colour == runs[k - 1].colour ? 1 : 0;
    int extra = std::uniform_int_distribution<int>(0, slack)(rng);
    slack -= extra;
    pos += extra;
    for (int i = 0; i < runs[k].length; ++i) line[pos++] = runs[k].colour;
  }
  return line;
}

// The known cells of a line, each at `rate`: from the placement `truth` (a consistent line) or at
// random (mostly a contradictory one), an empty cell a player's mark at `marks`.
std::vector<int> KnownCells(std::mt19937& rng, const std::vector<int>& truth, int colours,
                            bool consistent, double rate, double marks) {
  std::uniform_real_distribution<double> unit(0, 1);
  std::vector<int> cells(truth.size(), 0);
  for (size_t i = 0; i < truth.size(); ++i) {
    if (unit(rng) >= rate) continue;
    int random = unit(rng) < 0.5 ? -1 : std::uniform_int_distribution<int>(1, colours)(rng);
    cells[i] = consistent ? truth[i] : random;
    if (cells[i] == -1 && unit(rng) < marks) cells[i] = -3;
  }
  return cells;
}

// The pruning rules are exact for every line with hints: the solver must find exactly the cells
// every placement agrees on, with known cells taken from a placement (consistent lines) or at
// random (mostly contradictory ones), marks of other empty codes, and crossing lines that cannot
// give some colours.
TEST(SolveWorkLine, AgreesWithEveryPlacementEnumerated) {
  std::mt19937 rng(20240607);
  std::uniform_real_distribution<double> unit(0, 1);
  TestApp t;
  int contradictions = 0, decided = 0;
  for (int iter = 0; iter < 30000; ++iter) {
    int L = std::uniform_int_distribution<int>(1, 20)(rng);
    int colours = iter % 3 == 0 ? 1 : 3;
    auto runs = RandomRuns(rng, L, colours, 1 + iter % 6);
    auto truth = RandomPlacement(rng, L, runs);
    bool consistent = iter % 2 == 0;
    double rate = (iter % 5) * 0.15;
    std::vector<int> cells = KnownCells(rng, truth, colours, consistent, rate, 0.2);
    SetWorkLine(t.app, cells, runs);
    bool blocked[10][kCap] = {};
    if (iter % 4 == 3)
      for (int c = 1; c <= 9; ++c)
        for (int i = 1; i <= L; ++i)
          if (unit(rng) < 0.15) {
            blocked[c][i] = true;
            t.app.solver.LineCrossTotals[c][i] = 0;
          }
    SolveWorkLine(t.app);
    BruteResult want = BruteForceLine(cells, runs, [&](int c, int i) { return !blocked[c][i + 1]; });
    std::string what = "runs of line " + std::to_string(iter) + " cells " + CellsText(cells);
    ASSERT_EQ(t.app.solver.Contradiction, want.placement ? 0 : 1) << what;
    ASSERT_EQ(CellsText(WorkCells(t.app)), CellsText(want.cells)) << what;
    contradictions += want.placement ? 0 : 1;
    for (int i = 0; i < L; ++i) decided += cells[i] == 0 && want.cells[i] != 0 ? 1 : 0;
  }
  // Both outcomes must be well represented for the comparison to mean something.
  EXPECT_GT(contradictions, 3000);
  EXPECT_GT(decided, 30000);
}

// The automatic solver's line solving and the engine's are two ways to one answer: on random
// lines, monochrome and of up to nine colours, with known cells, marks and crossing lines that
// cannot give some colours, both must find the same placements and decide the same cells.
TEST(SolveWorkLine, DecidesWhatTheEnginesLineSolverDecides) {
  std::mt19937 rng(36036);
  std::uniform_real_distribution<double> unit(0, 1);
  TestApp t;
  int contradictions = 0, decided = 0, colourLines = 0;
  for (int iter = 0; iter < 20000; ++iter) {
    int L = std::uniform_int_distribution<int>(1, kMaxSize)(rng);
    int colours = iter % 4 == 0 ? 1 : 2 + iter % 8;
    auto runs = iter % 50 == 0 ? std::vector<HintRun>{{0}} : RandomRuns(rng, L, colours, 1 + iter % 7);
    auto truth = RandomPlacement(rng, L, runs[0].length == 0 ? std::vector<HintRun>{} : runs);
    bool consistent = iter % 3 != 0;
    double rate = (iter % 6) * 0.12;
    std::vector<int> cells = KnownCells(rng, truth, colours, consistent, rate, 0.3);
    SetWorkLine(t.app, cells, runs);
    // The engine's cells: a known cell is its value, a blank one every value its crossing line
    // can still give.
    std::vector<analysis::CellSet> sets(L);
    for (int i = 0; i < L; ++i) {
      if (cells[i] != 0) {
        sets[i] = cells[i] > 0 ? analysis::ColorBit(cells[i]) : analysis::kEmptyBit;
        continue;
      }
      sets[i] = analysis::kEmptyBit;
      for (int c = 1; c <= 9; ++c) {
        bool blocked = iter % 3 == 1 && unit(rng) < 0.2;
        if (blocked) t.app.solver.LineCrossTotals[c][i + 1] = 0;
        else sets[i] |= analysis::ColorBit(c);
      }
    }
    analysis::LineRuns engineRuns;
    for (const HintRun& r : runs)
      if (r.length > 0) engineRuns.push_back({r.length, r.colour});
    bool fits = analysis::SolveLine(engineRuns, sets);
    SolveWorkLine(t.app);
    std::string what = "line " + std::to_string(iter) + " cells " + CellsText(cells);
    ASSERT_EQ(t.app.solver.Contradiction, fits ? 0 : 1) << what;
    std::vector<int> want = cells;
    if (fits)
      for (int i = 0; i < L; ++i) {
        if (cells[i] != 0 || std::popcount(unsigned(sets[i])) != 1) continue;
        want[i] = sets[i] == analysis::kEmptyBit ? -1 : std::countr_zero(unsigned(sets[i]));
        ++decided;
      }
    ASSERT_EQ(CellsText(WorkCells(t.app)), CellsText(want)) << what;
    contradictions += fits ? 0 : 1;
    colourLines += colours > 1 && fits ? 1 : 0;
  }
  // Both outcomes, and colour lines that fit, must be well represented to mean anything.
  EXPECT_GT(contradictions, 2000);
  EXPECT_GT(colourLines, 8000);
  EXPECT_GT(decided, 30000);
}

}  // namespace
}  // namespace gw::test
