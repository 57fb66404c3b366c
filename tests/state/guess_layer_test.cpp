// The guess layer: a cell belongs to the innermost level whose start it differs from, whatever
// way it came to differ, and to none once it is as it was.
#include <gtest/gtest.h>

#include "state/GuessLayer.h"

namespace gw::test {
namespace {

PuzzleState Board(int w, int h) {
  PuzzleState p;
  p.XSize = w;
  p.YSize = h;
  return p;
}

TEST(GuessLayer, LevelsFollowTheCellsAsTheyChange) {
  PuzzleState p = Board(3, 2);
  p.Grid[1][1] = 1;  // ordinary before any guess
  GuessLayer g;
  EXPECT_EQ(GuessLevelOf(g, 1, 1, 1), 0);
  PushGuessLevel(g, p);
  p.Grid[2][1] = 2;  // level 1
  p.Grid[1][1] = -1;  // level 1: a painted cell marked
  PushGuessLevel(g, p);
  p.Grid[3][2] = 1;  // level 2
  p.Grid[2][1] = 3;  // level 2 over level 1
  struct Row {
    int x, y, value, level;
  } rows[] = {
      {1, 1, -1, 1},  // as level 1 left it
      {1, 1, 1, 2},   // painted back to its ordinary value inside level 2: level 2 took it back
      {2, 1, 3, 2},  {2, 1, 2, 1},  // back to level 1's colour: level 1's again
      {2, 1, 0, 2},  {3, 2, 1, 2},
      {3, 2, 0, 0},  {3, 1, 0, 0},  // as it always was
      {0, 1, 1, 0},  {4, 1, 1, 0},  // outside the board
  };
  for (const Row& r : rows) EXPECT_EQ(GuessLevelOf(g, r.x, r.y, r.value), r.level) << r.x << "," << r.y << "=" << r.value;
}

TEST(GuessLayer, TheInnermostCellsAreThoseChangedSinceItBegan) {
  PuzzleState p = Board(2, 2);
  GuessLayer g;
  EXPECT_TRUE(InnermostCells(g, p).empty());
  PushGuessLevel(g, p);
  p.Grid[1][2] = 4;
  PushGuessLevel(g, p);
  p.Grid[2][2] = -3;
  p.Grid[1][2] = 0;
  std::vector<GuessedCell> cells = InnermostCells(g, p);
  ASSERT_EQ(cells.size(), 2u);
  EXPECT_EQ(cells[0].x, 1);
  EXPECT_EQ(cells[0].y, 2);
  EXPECT_EQ(cells[0].start, 4);
  EXPECT_EQ(cells[1].x, 2);
  EXPECT_EQ(cells[1].start, 0);
}

TEST(GuessLayer, ALevelBegunOnAnotherBoardStartsTheLayerAfresh) {
  GuessLayer g;
  PushGuessLevel(g, Board(3, 3));
  PushGuessLevel(g, Board(3, 3));
  PushGuessLevel(g, Board(5, 4));
  EXPECT_EQ(g.Depth(), 1);
  EXPECT_EQ(g.width, 5);
  EXPECT_EQ(g.height, 4);
}

}  // namespace
}  // namespace gw::test
