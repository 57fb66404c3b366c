// The colour totals the solve starts from: every hint slot counted under the colour digit it
// holds, empty slots included, as the file stored it; and the erasing of every tick at the end.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "display/Draw.h"
#include "solver/AutoSolve.h"
#include "solver/HintTotals.h"
#include "solver/SolverState.h"
#include "state/PuzzleFiles.h"
#include "support/TestApp.h"
#include "state/Document.h"

namespace gw::test {
namespace {

const std::filesystem::path kPuzzles = std::filesystem::path(GW_SOURCE_DIR) / "tests" / "solver" / "puzzles";

TEST(CountHintColours, EverySlotCountsUnderItsColourDigit) {
  TestApp t;
  MakeBoard(t.app, 2, 1, 3, 2);
  SetRowHints(t.app, 1, {2}, 4);  // slots 1 and 2 empty, of colour 4 as SetRowHints leaves them
  t.app.puzzle.RowHints[1][1][kHintColor] = 0;
  SetColHints(t.app, 2, {1, 1}, 3);
  t.app.solver.RowColorTotals[4][1] = 9;
  CountHintColours(t.app);
  EXPECT_EQ(t.app.solver.RowColorTotals[4][1], 2);
  EXPECT_EQ(t.app.solver.RowColorTotals[0][1], 1);
  EXPECT_EQ(t.app.solver.ColColorTotals[1][1], 2);  // column 1: two empty slots of colour 1
  EXPECT_EQ(t.app.solver.ColColorTotals[3][2], 2);
}

TEST(CountHintColours, EmptySlotsOfAFileKeepTheirDigitAndChangeTheSolve) {
  TempDir dir;
  std::string text = ReadFileBytes((kPuzzles / "loom-listen-left-and-right.gwm").string());
  WriteFileBytes(dir.File("as-01.gwm"), text);
  WriteFileBytes(dir.File("as-00.gwm"), std::regex_replace(text, std::regex(" 01"), " 00"));
  long picks[2] = {};
  int colour0[2] = {}, colour1[2] = {};
  for (int i = 0; i < 2; ++i) {
    TestApp t;
    ReadHintPuzzle(t.app, dir.File(i == 0 ? "as-01.gwm" : "as-00.gwm"));
    CountHintColours(t.app);
    for (int y = 1; y <= t.app.puzzle.YSize; ++y) {
      colour0[i] += t.app.solver.RowColorTotals[0][y];
      colour1[i] += t.app.solver.RowColorTotals[1][y];
    }
    t.Answer("ok");
    RunAutoSolve(t.app);
    picks[i] = t.app.solver.LinePicks;
  }
  EXPECT_EQ(colour0[0], 0);
  EXPECT_GT(colour0[1], 0);
  EXPECT_EQ(colour1[0] - colour1[1], colour0[1]);  // the empty slots moved from colour 1 to 0
  EXPECT_EQ(picks[0], 400);
  EXPECT_EQ(picks[1], 398);  // colour 1 runs out in more lines, which rules out more starts
}

TEST(EraseHintChecks, RemovesEveryTickAndTheRedrawItsCross) {
  TestApp t;
  MakeBoard(t.app, 3, 3, 2, 2);
  t.app.puzzle.RowHints[2][3][kHintCheck] = -1;
  t.app.puzzle.ColHints[1][1][kHintCheck] = -1;
  t.app.puzzle.ColHints[20][20][kHintCheck] = -1;  // outside the puzzle, still within capacity
  PaintBoard(t.app);
  t.app.document.Dirty = 0;
  t.ui.SetDrawEcho(true);
  EraseHintChecks(t.app);
  EXPECT_EQ(t.TakeOutput(), "");  // erasing draws nothing
  EXPECT_EQ(t.app.document.Dirty, 1);
  Redraw(t.app);
  std::string out = t.TakeOutput();
  EXPECT_NE(out.find("DRAW line 2 5 3 6 "), std::string::npos);  // row 3, slot 2
  EXPECT_NE(out.find("DRAW line 3 1 4 2 "), std::string::npos);  // column 1, slot 1
  for (int s = 0; s <= kMaxSize; ++s)
    for (int i = 0; i <= kMaxSize; ++i) {
      EXPECT_EQ(t.app.puzzle.RowHints[s][i][kHintCheck], 0);
      EXPECT_EQ(t.app.puzzle.ColHints[i][s][kHintCheck], 0);
    }
}

}  // namespace
}  // namespace gw::test
