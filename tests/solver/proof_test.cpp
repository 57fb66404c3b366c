// Proof by contradiction: candidates, the saved state and its restore, the remembered solution,
// and how probed cells end.
#include <gtest/gtest.h>

#include <algorithm>

#include "display/Draw.h"
#include "solver/HintTotals.h"
#include "solver/LineHelpers.h"
#include "solver/ProofByContradiction.h"
#include "support/TestApp.h"
#include "state/Document.h"

namespace gw::test {
namespace {

// The drawings of an output, without the mode switches, sorted: two runs that draw the same
// exclusive-or shapes cancel each other.
std::vector<std::string> Drawings(const std::string& output) {
  std::vector<std::string> lines;
  for (const std::string& line : OutputLines(output, "DRAW "))
    if (line.rfind("DRAW mode", 0) != 0) lines.push_back(line);
  std::sort(lines.begin(), lines.end());
  return lines;
}

struct Proof : TestApp {
  Proof(int xSize, int ySize, int xHints = 1, int yHints = 1) { MakeBoard(app, xSize, ySize, xHints, yHints); }
  bool Prove() {
    CountHintColours(app);
    return ProveByContradiction(app, probes, rows, cols);
  }
  int probes = 0;
  PendingArray rows{}, cols{};
};

TEST(CandidateColours, ColoursBothLinesStillHave) {
  TestApp t;
  SolverState& s = t.app.solver;
  s.RowColorTotals[1][2] = 1;
  s.RowColorTotals[3][2] = 2;
  s.RowColorTotals[4][2] = 1;
  s.ColColorTotals[1][5] = 1;
  s.ColColorTotals[3][5] = 1;
  s.ColColorTotals[9][5] = 1;
  EXPECT_EQ(CandidateColours(t.app, 5, 2), "13");
  EXPECT_EQ(CandidateColours(t.app, 4, 2), "");
}

TEST(SolveStateSaving, RestorePutsBackWithoutDrawingSoTheTrialNeverShows) {
  TestApp t;
  MakeBoard(t.app, 3, 2, 2, 2);
  PuzzleState& p = t.app.puzzle;
  p.Grid[1][1] = 2;
  p.Grid[3][2] = -3;
  p.RowHints[2][1][kHintCheck] = -1;
  t.app.solver.RowColorTotals[2][1] = 4;
  t.app.solver.ColColorTotals[9][3] = 1;
  SavedSolveState saved;
  SaveSolveState(t.app, saved);
  PaintBoard(t.app);  // the picture shows the board before the trial
  t.ui.SetDrawEcho(true);
  SetCell(t.app, 2, 1, 1);
  SetCell(t.app, 1, 1, -1);
  p.RowHints[2][1][kHintCheck] = 0;  // the tick of row 1, slot 2 comes off
  p.ColHints[3][1][kHintCheck] = -1;  // column 3, slot 1 gets one
  t.app.solver.RowColorTotals[2][1] = 3;
  t.app.solver.ColColorTotals[9][3] = 0;
  t.app.document.Dirty = 0;
  RestoreSolveState(t.app, saved);
  // The picture already shows the state put back: the redraw after the trial draws nothing.
  Redraw(t.app);
  EXPECT_EQ(Drawings(t.TakeOutput()), std::vector<std::string>{});
  // A tick put back counts as a change, as every tick taken off or put on does.
  EXPECT_EQ(t.app.document.Dirty, 1);
  EXPECT_EQ(p.Grid[1][1], 2);
  EXPECT_EQ(p.Grid[2][1], 0);
  EXPECT_EQ(p.Grid[3][2], -3);
  EXPECT_EQ(p.RowHints[2][1][kHintCheck], -1);
  EXPECT_EQ(p.ColHints[3][1][kHintCheck], 0);
  EXPECT_EQ(t.app.solver.RowColorTotals[2][1], 4);
  EXPECT_EQ(t.app.solver.ColColorTotals[9][3], 1);
}

TEST(RecordSolution, KeepsTheFirstCompleteBoardOnly) {
  TestApp t;
  MakeBoard(t.app, 2, 1, 1, 1);
  KnownSolution known;
  t.app.puzzle.Grid[1][1] = 1;
  RecordSolution(t.app, known);
  EXPECT_EQ(known.cells[0][0], 0);  // a blank cell remains
  t.app.puzzle.Grid[2][1] = -1;
  RecordSolution(t.app, known);
  t.app.puzzle.Grid[1][1] = -1;
  RecordSolution(t.app, known);
  EXPECT_EQ(known.cells[0][0], 1);
  EXPECT_EQ(known.cells[1][1], 1);
  EXPECT_EQ(known.cells[2][1], -1);
}

TEST(ProveByContradiction, NoBlankCellReturnsAtOnce) {
  Proof p(1, 1);
  p.app.puzzle.Grid[1][1] = -1;
  EXPECT_TRUE(p.Prove());
  EXPECT_EQ(p.probes, 0);
}

TEST(ProveByContradiction, OnlyCandidateEmptySettlesWhenItsTrialHolds) {
  // Row 1 has one hint of colour 2; column 2 only an empty slot of colour 1: no common colour.
  Proof p(2, 1);
  SetRowHints(p.app, 1, {1}, 2);
  SetColHints(p.app, 1, {1}, 2);
  p.app.puzzle.Grid[1][1] = 2;
  EXPECT_TRUE(p.Prove());
  EXPECT_EQ(p.app.puzzle.Grid[2][1], -1);
  EXPECT_EQ(p.probes, 1);
}

TEST(ProveByContradiction, CellWhoseEveryCandidateFailsStaysBlank) {
  Proof p(1, 1);
  SetRowHints(p.app, 1, {1}, 2);
  SetColHints(p.app, 1, {1}, 3);
  EXPECT_TRUE(p.Prove());
  EXPECT_EQ(p.app.puzzle.Grid[1][1], 0);
  EXPECT_EQ(p.probes, 1);
}

TEST(ProveByContradiction, TwoSolutionsLeaveTheirCellsBlankAndTheStateAsItWas) {
  Proof p(2, 2);
  for (int i = 1; i <= 2; ++i) {
    SetRowHints(p.app, i, {1});
    SetColHints(p.app, i, {1});
  }
  p.ui.SetDrawEcho(true);
  EXPECT_TRUE(p.Prove());
  EXPECT_EQ(p.probes, 4);
  for (int x = 1; x <= 2; ++x)
    for (int y = 1; y <= 2; ++y) {
      EXPECT_EQ(p.app.puzzle.Grid[x][y], 0);
      EXPECT_EQ(p.app.puzzle.RowHints[1][y][kHintCheck], 0);
      EXPECT_EQ(p.app.puzzle.ColHints[x][1][kHintCheck], 0);
      EXPECT_EQ(p.app.solver.RowColorTotals[1][y], 1);
      EXPECT_EQ(p.app.solver.ColColorTotals[1][x], 1);
    }
  // Every drawing of the trials was taken back: each shape was drawn an even number of times.
  auto drawn = Drawings(p.TakeOutput());
  for (size_t i = 0; i < drawn.size();) {
    size_t j = i;
    while (j < drawn.size() && drawn[j] == drawn[i]) ++j;
    EXPECT_EQ((j - i) % 2, 0u) << drawn[i];
    i = j;
  }
}

}  // namespace
}  // namespace gw::test
