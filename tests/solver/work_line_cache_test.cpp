// The line cache of the proof by contradiction: a line met again must give exactly what solving
// it afresh gives (cells, contradiction, steps), whatever part of the line differs.
#include <gtest/gtest.h>

#include <random>

#include "solver/AutoSolve.h"
#include "solver/WorkLineCache.h"
#include "solver/LineHelpers.h"
#include "solver/SolveWorkLine.h"
#include "support/TestApp.h"

namespace gw::test {
namespace {

struct Outcome {
  std::vector<int> cells;
  int contradiction, enumDone, steps;
  bool operator==(const Outcome&) const = default;
};

Outcome Read(const App& app) {
  const SolverState& s = app.solver;
  return {WorkCells(app), s.Contradiction, s.EnumDone, s.SolveSteps};
}

// A line from a small space, so that the same lines come back often: short lines, few runs and
// colours, few known cells, now and then a crossing line that cannot give a colour.
void RandomLine(std::mt19937& rng, App& app) {
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  int L = pick(1, 7);
  std::vector<HintRun> runs;
  for (int k = pick(0, 3); k > 0; --k) runs.push_back({pick(1, 3), pick(1, 2)});
  if (runs.empty()) runs.push_back({0, 0});
  std::vector<int> cells(L, 0);
  for (int& c : cells) {
    int r = pick(0, 9);
    c = r == 0 ? -1 : r == 1 ? 1 : r == 2 ? 2 : r == 3 ? -3 : 0;
  }
  SetWorkLine(app, cells, runs);
  for (int c = 1; c <= 3; ++c)
    for (int i = 1; i <= L; ++i)
      if (pick(0, 11) == 0) app.solver.LineCrossTotals[c][i] = 0;
}

TEST(WorkLineCache, EveryLineMetAgainGivesWhatSolvingItAfreshGives) {
  std::mt19937 rng(1407);
  TestApp fresh, cached;
  WorkLineCache cache;
  for (int iter = 0; iter < 40000; ++iter) {
    RandomLine(rng, fresh.app);
    cached.app.solver = fresh.app.solver;
    SolveWorkLine(fresh.app);
    cache.Solve(cached.app);
    ASSERT_EQ(Read(cached.app), Read(fresh.app)) << "line " << iter;
  }
  // Enough of both kinds for the comparison to mean something.
  EXPECT_GT(cache.hits(), 10000);
  EXPECT_GT(cache.misses(), 2000);
}

TEST(WorkLineCache, OnlyTheCrossingTotalsOfTheRunsColoursTellLinesApart) {
  TestApp t;
  WorkLineCache cache;
  auto solve = [&](int colour, int cell) {
    SetWorkLine(t.app, Cells("?????"), {{3, 1}});
    t.app.solver.LineCrossTotals[colour][cell] = 0;
    cache.Solve(t.app);
    return CellsText(WorkCells(t.app));
  };
  EXPECT_EQ(solve(2, 1), "??1??");
  EXPECT_EQ(cache.misses(), 1);
  EXPECT_EQ(solve(2, 4), "??1??");  // colour 2 has no run: the same line
  EXPECT_EQ(cache.hits(), 1);
  EXPECT_EQ(solve(1, 4), "111--");  // colour 1 cannot reach cell 4 any more
  EXPECT_EQ(cache.misses(), 2);
}

TEST(WorkLineCache, LinesOutsideTheCodesItHoldsAreSolvedButNotKept) {
  TestApp t;
  WorkLineCache cache;
  for (int round = 0; round < 2; ++round) {
    SetWorkLine(t.app, Cells("???"), {{2, 12}});  // a colour beyond the palette: no placement
    cache.Solve(t.app);
    EXPECT_EQ(t.app.solver.Contradiction, 1);
  }
  EXPECT_EQ(cache.size(), 0u);
  EXPECT_EQ(cache.hits(), 0);
}

// The runs of one line of a picture, as (length, colour) in reading order.
std::vector<HintRun> Runs(const std::vector<int>& line) {
  std::vector<HintRun> runs;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] <= 0) continue;
    if (i > 0 && line[i - 1] == line[i]) ++runs.back().length;
    else runs.push_back({1, line[i]});
  }
  return runs;
}

// Slots aligned to the board: the last run next to it.
void PutRuns(int& (*slot)(PuzzleState&, int, int, int), PuzzleState& p, int line, int slots,
             const std::vector<HintRun>& runs) {
  int first = slots - static_cast<int>(runs.size()) + 1;
  for (int s = std::max(first, 1); s <= slots; ++s) {
    slot(p, s, line, kHintNumber) = runs[s - first].length;
    slot(p, s, line, kHintColor) = runs[s - first].colour;
  }
}

// A puzzle made from a random picture of up to three colours, now and then with a hint changed
// (which makes contradictions and puzzles of several solutions).
void RandomPuzzle(std::mt19937& rng, App& app) {
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  int w = pick(4, 14), h = pick(4, 14), colours = pick(1, 3), density = pick(35, 65);
  std::vector<std::vector<int>> rows(h, std::vector<int>(w)), cols(w, std::vector<int>(h));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) rows[y][x] = cols[x][y] = pick(0, 99) < density ? pick(1, colours) : 0;
  MakeBoard(app, w, h, (w + 1) / 2, (h + 1) / 2);
  PuzzleState& p = app.puzzle;
  for (int k = 1; k <= colours; ++k) p.Palette[k] = k;
  auto row = [](PuzzleState& q, int s, int y, int plane) -> int& { return q.RowHints[s][y][plane]; };
  auto col = [](PuzzleState& q, int s, int x, int plane) -> int& { return q.ColHints[x][s][plane]; };
  for (int y = 0; y < h; ++y) PutRuns(row, p, y + 1, p.XHintCount, Runs(rows[y]));
  for (int x = 0; x < w; ++x) PutRuns(col, p, x + 1, p.YHintCount, Runs(cols[x]));
  if (pick(0, 3) == 0) {
    int& n = p.RowHints[p.XHintCount][pick(1, h)][kHintNumber];
    n = std::max(1, n + pick(-1, 1));
  }
}

// Whole solves with the cache and without it: the same board, messages, probes and lines.
TEST(WorkLineCache, SolvesGiveTheSameOutputWithAndWithoutIt) {
  std::mt19937 rng(2014);
  int probed = 0;
  for (int iter = 0; iter < 300; ++iter) {
    TestApp with, without;
    std::mt19937 copy = rng;
    RandomPuzzle(rng, with.app);
    RandomPuzzle(copy, without.app);
    with.app.solver.CacheTrialLines = true;
    without.app.solver.CacheTrialLines = false;
    for (TestApp* t : {&with, &without})
      for (int i = 0; i < 2; ++i) t->ui.QueueAnswer(ScriptStep{{"ok"}, 0, true, false});
    SolveOutcome a = RunAutoSolve(with.app), b = RunAutoSolve(without.app);
    ASSERT_EQ(with.TakeOutput(), without.TakeOutput()) << iter;
    ASSERT_EQ(a.probes, b.probes) << iter;
    ASSERT_EQ(a.contradiction, b.contradiction) << iter;
    ASSERT_EQ(with.app.solver.LinePicks, without.app.solver.LinePicks) << iter;
    for (int x = 1; x <= kMaxSize; ++x)
      for (int y = 1; y <= kMaxSize; ++y) ASSERT_EQ(with.app.puzzle.Grid[x][y], without.app.puzzle.Grid[x][y]) << iter;
    probed += a.probes > 0;
  }
  EXPECT_GT(probed, 30);  // enough solves went into trials for the cache to be used
}

}  // namespace
}  // namespace gw::test
