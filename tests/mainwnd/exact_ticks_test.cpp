// The exact hint check against brute force: every filling of a random line is listed, those that
// agree with its painted and marked cells kept, and a run counts as done when all of them start
// it at the same cell and that run is painted. The automatic check, which stays the default, is
// held to what it promises: a finished line that shows its hints has every hint ticked.
#include <gtest/gtest.h>

#include <random>

#include "support/BruteForce.h"
#include "rules/ExactTicks.h"
#include "rules/HintCheck.h"
#include "settings/Options.h"
#include "state/PuzzleState.h"
#include "support/TestApp.h"

namespace gw::test {
namespace {

using analysis::LineRuns;
using brute::Line;

// Where each run of a filled line starts.
std::vector<int> Starts(const Line& line) {
  std::vector<int> starts;
  for (size_t i = 0; i < line.size(); ++i)
    if (line[i] != 0 && (i == 0 || line[i - 1] != line[i])) starts.push_back(static_cast<int>(i));
  return starts;
}

std::vector<bool> BruteFixed(const LineRuns& runs, const std::vector<int>& cells) {
  std::vector<std::vector<int>> starts;
  for (const Line& f : brute::Fillings(runs, static_cast<int>(cells.size()))) {
    bool agrees = true;
    for (size_t i = 0; i < cells.size(); ++i) agrees = agrees && (cells[i] == 0 || f[i] == std::max(cells[i], 0));
    if (agrees) starts.push_back(Starts(f));
  }
  std::vector<bool> fixed(runs.size(), false);
  if (starts.empty()) return fixed;
  for (size_t j = 0; j < runs.size(); ++j) {
    bool same = true;
    for (const auto& s : starts) same = same && s[j] == starts[0][j];
    bool painted = same;
    for (int i = starts[0][j]; same && i < starts[0][j] + runs[j].length; ++i) painted = painted && cells[i] == runs[j].color;
    fixed[j] = painted;
  }
  return fixed;
}

// The cells a player might have: mostly the solution's own cells and marks, some blank, now and
// then a wrong one.
std::vector<int> PlayedCells(const Line& solution, int colors, std::mt19937& rng) {
  std::uniform_int_distribution<int> percent(0, 99), colour(1, colors);
  std::vector<int> cells;
  for (int v : solution) {
    int roll = percent(rng);
    if (roll < 40) cells.push_back(0);
    else if (roll < 92) cells.push_back(v == 0 ? -1 : v);
    else cells.push_back(roll % 2 ? -1 : colour(rng));
  }
  return cells;
}

void HoldAgainstBruteForce(int colors, int seed) {
  std::mt19937 rng(seed);
  int ticked = 0, lines = 0;
  for (int round = 0; round < 1500; ++round) {
    int n = std::uniform_int_distribution<int>(1, colors == 1 ? 9 : 7)(rng);
    Line solution(n);
    for (int& v : solution) v = std::uniform_int_distribution<int>(0, colors)(rng) * (rng() % 3 != 0);
    LineRuns runs = brute::RunsOf(solution);
    std::vector<int> cells = PlayedCells(solution, colors, rng);
    std::vector<bool> want = BruteFixed(runs, cells), got = FixedRuns(runs, cells);
    ASSERT_EQ(got, want) << "round " << round;
    for (bool t : got) ticked += t;
    lines += !runs.empty();
  }
  // Both answers occur often: the lines are neither all settled nor all open.
  EXPECT_GT(ticked, lines / 4);
  EXPECT_LT(ticked, lines * 3);
}

TEST(ExactTicks, MonochromeLinesAgreeWithBruteForce) { HoldAgainstBruteForce(1, 25); }
TEST(ExactTicks, ColourLinesAgreeWithBruteForce) { HoldAgainstBruteForce(3, 2025); }

TEST(ExactTicks, FindingsOfThePlayers) {
  struct Case {
    LineRuns runs;
    std::vector<int> cells;
    std::vector<bool> fixed;
  };
  const Case cases[] = {
      // A finished row left with blanks beside its run: the 3 is done.
      {{{3, 1}}, {0, 0, 1, 1, 1, 0, 0}, {true}},
      // Red painted above green where green comes first: no placement agrees, nothing ticks.
      {{{1, 2}, {1, 1}}, {1, 2, 0, 0}, {false, false}},
      // The same cells in the right order: both are done.
      {{{1, 2}, {1, 1}}, {2, 1, 0, 0}, {true, true}},
      // Three painted of a 4: the run may still grow either way.
      {{{4, 1}}, {0, 1, 1, 1, 0, 0}, {false}},
      {{{100, 1}}, {1, 1}, {false}},  // the hint A0
  };
  for (const Case& c : cases) EXPECT_EQ(FixedRuns(c.runs, c.cells), c.fixed);
}

// Whatever the option, a finished line that shows its hints has them all ticked.
TEST(ExactTicks, BothChecksTickEveryHintOfAFinishedLine) {
  std::mt19937 rng(7);
  for (int round = 0; round < 300; ++round) {
    TestApp t;
    MakeBoard(t.app, 8, 1, 8, 1);
    Line line(8);
    for (int& v : line) v = std::uniform_int_distribution<int>(0, 3)(rng);
    LineRuns runs = brute::RunsOf(line);
    std::vector<int> numbers, colours;
    for (const auto& r : runs) numbers.push_back(r.length), colours.push_back(r.color);
    SetRowHints(t.app, 1, numbers);
    for (size_t i = 0; i < runs.size(); ++i) t.app.puzzle.RowHints[9 - runs.size() + i][1][kHintColor] = colours[i];
    for (int x = 1; x <= 8; ++x) t.app.puzzle.Grid[x][1] = line[x - 1] == 0 ? -1 : line[x - 1];
    for (bool exact : {false, true}) {
      t.app.options.exactTicks = exact;
      CheckRowHints(t.app, 1);
      for (size_t s = 9 - runs.size(); s <= 8; ++s)
        ASSERT_EQ(t.app.puzzle.RowHints[s][1][kHintCheck], -1) << "round " << round << " exact " << exact;
    }
  }
}

}  // namespace
}  // namespace gw::test
