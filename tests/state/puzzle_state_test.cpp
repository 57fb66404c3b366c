#include <gtest/gtest.h>

#include "state/PuzzleState.h"

namespace gw {
namespace {

TEST(Resets, ResetRowHintsEmptiesSlotsWithColourOneAndKeepsChecks) {
  PuzzleState p;
  p.XSize = 4, p.YSize = 2, p.XHintCount = 3, p.YHintCount = 1;
  p.ColHints[4][1][kHintCheck] = -1;
  p.RowHints[3][2][kHintNumber] = 5;
  p.RowHints[3][2][kHintColor] = 4;
  p.RowHints[3][2][kHintCheck] = -1;
  p.RowHints[0][0][kHintNumber] = 9;
  ResetRowHints(p);
  EXPECT_EQ(p.RowHints[3][2][kHintNumber], 0);
  EXPECT_EQ(p.RowHints[3][2][kHintColor], 1);
  EXPECT_EQ(p.RowHints[3][2][kHintCheck], -1);
  EXPECT_EQ(p.RowHints[0][0][kHintNumber], 0);  // index 0 is reset like the rest
  // The checks of the board's lines and slots, the last of each included.
  ClearHintChecks(p);
  EXPECT_EQ(p.RowHints[3][2][kHintCheck], 0);
  EXPECT_EQ(p.ColHints[4][1][kHintCheck], 0);
}

TEST(Resets, FullResetClearsBoardHintsAndChecks) {
  PuzzleState p;
  p.Grid[20][20] = -3;
  p.ColHints[20][20][kHintNumber] = 7;
  p.ColHints[20][20][kHintCheck] = -1;
  FullReset(p);
  EXPECT_EQ(p.Grid[20][20], 0);
  EXPECT_EQ(p.ColHints[20][20][kHintNumber], 0);
  EXPECT_EQ(p.ColHints[20][20][kHintColor], 1);
  EXPECT_EQ(p.ColHints[20][20][kHintCheck], 0);
}

PuzzleState Picture(int w, int h, std::initializer_list<std::initializer_list<int>> rows) {
  PuzzleState p;
  p.XSize = w;
  p.YSize = h;
  int y = 1;
  for (auto& row : rows) {
    int x = 1;
    for (int v : row) p.Grid[x++][y] = v;
    ++y;
  }
  return p;
}

TEST(DeriveHints, TouchingRunsOfDifferentColoursAreSeparateAndAlignToTheBoard) {
  PuzzleState p = Picture(6, 2, {{1, 1, 2, 2, 0, 1}, {1, 0, 1, 0, 1, 1}});
  p.RowHints[4][1][kHintCheck] = -1;
  DeriveHints(p);
  ASSERT_EQ(p.XHintCount, 3);
  // Row 1: 2 of colour 1, 2 of colour 2, 1 of colour 1.
  EXPECT_EQ(p.RowHints[1][1][kHintNumber], 2);
  EXPECT_EQ(p.RowHints[1][1][kHintColor], 1);
  EXPECT_EQ(p.RowHints[2][1][kHintNumber], 2);
  EXPECT_EQ(p.RowHints[2][1][kHintColor], 2);
  EXPECT_EQ(p.RowHints[3][1][kHintNumber], 1);
  EXPECT_EQ(p.RowHints[4][1][kHintCheck], -1);  // checks are not touched
  // Row 2: 1, 1, 2 — three runs, no shift needed.
  EXPECT_EQ(p.RowHints[1][2][kHintNumber], 1);
  EXPECT_EQ(p.RowHints[3][2][kHintNumber], 2);
}

TEST(DeriveHints, ShorterLinesMoveTowardsTheBoardWithEmptySlotsInFront) {
  PuzzleState p = Picture(6, 2, {{1, 1, 2, 2, 0, 1}, {1, 0, 1, 0, 1, 0}});
  p.Grid[6][2] = 0;
  // Give another row four runs so that XHintCount becomes 4.
  p.YSize = 3;
  int row3[] = {1, 0, 2, 0, 1, 0};
  for (int x = 1; x <= 6; ++x) p.Grid[x][3] = row3[x - 1];
  p.Grid[6][3] = 3;
  DeriveHints(p);
  ASSERT_EQ(p.XHintCount, 4);
  EXPECT_EQ(p.RowHints[1][1][kHintNumber], 0);
  EXPECT_EQ(p.RowHints[1][1][kHintColor], 0);
  EXPECT_EQ(p.RowHints[2][1][kHintNumber], 2);
  EXPECT_EQ(p.RowHints[3][1][kHintColor], 2);
  EXPECT_EQ(p.RowHints[4][1][kHintNumber], 1);
  EXPECT_EQ(p.RowHints[4][1][kHintColor], 1);
  // Columns: column 1 holds 1, 1, 1 in rows 1..3 — one run of 3.
  EXPECT_EQ(p.ColHints[1][p.YHintCount][kHintNumber], 3);
}

TEST(DeriveHints, AnEmptyPictureHasNoHints) {
  PuzzleState p = Picture(5, 5, {});
  p.XHintCount = p.YHintCount = 3;
  DeriveHints(p);
  EXPECT_EQ(p.XHintCount, 0);
  EXPECT_EQ(p.YHintCount, 0);
}

TEST(DeriveHints, AFullyAlternatingLineOfTwentyGivesTwentyRuns) {
  PuzzleState p;
  p.XSize = 20;
  p.YSize = 1;
  for (int x = 1; x <= 20; ++x) p.Grid[x][1] = x % 2 + 1;
  DeriveHints(p);
  EXPECT_EQ(p.XHintCount, 20);
  EXPECT_EQ(p.RowHints[20][1][kHintNumber], 1);
  EXPECT_EQ(p.RowHints[20][1][kHintColor], 1);
  EXPECT_EQ(p.YHintCount, 1);
}

// The 0-based cells read and write exactly Grid's codes one place further on: a table of every
// kind of code, each cell of a board its own code, read back and written back unchanged.
TEST(Cells, ZeroBasedCellsAreGridOnePlaceFurtherOn) {
  struct Case {
    int code;
    BoardCell cell;
  } cases[] = {
      {0, {}},
      {1, {CellState::Filled, 1}},
      {9, {CellState::Filled, 9}},
      {-1, {CellState::MarkedEmpty, 1}},
      {-7, {CellState::MarkedEmpty, 7}},
  };
  PuzzleState p;
  p.XSize = 5;
  p.YSize = 3;
  EXPECT_EQ(p.Width(), 5);
  EXPECT_EQ(p.Height(), 3);
  int n = 0;
  for (int row = 0; row < p.Height(); ++row)
    for (int col = 0; col < p.Width(); ++col) p.Grid[col + 1][row + 1] = cases[n++ % 5].code;
  PuzzleState copy;
  copy.XSize = 5;
  copy.YSize = 3;
  n = 0;
  for (int row = 0; row < p.Height(); ++row)
    for (int col = 0; col < p.Width(); ++col) {
      const Case& c = cases[n++ % 5];
      EXPECT_EQ(p.CellAt(col, row), c.cell) << col << "," << row;
      copy.SetCellAt(col, row, p.CellAt(col, row));
    }
  for (int x = 0; x < kCap; ++x)
    for (int y = 0; y < kCap; ++y) EXPECT_EQ(copy.Grid[x][y], p.Grid[x][y]) << x << "," << y;
}

// A mark whose colour is not known is stored as every reader stores it (-1), never as 0 (blank).
TEST(Cells, AMarkWithoutAColourIsStillAMark) {
  PuzzleState p;
  p.XSize = p.YSize = 1;
  p.SetCellAt(0, 0, {CellState::MarkedEmpty, 0});
  EXPECT_EQ(p.Grid[1][1], -1);
  EXPECT_EQ(p.CellAt(0, 0).state, CellState::MarkedEmpty);
  p.SetCellAt(0, 0, {});
  EXPECT_EQ(p.Grid[1][1], 0);
}

}  // namespace
}  // namespace gw
