// Play-mode mouse input: which presses count, hint ticks by hand, the paint / mark / clear rules,
// drag strokes with their DragValue, the automatic check after each change, and the hover
// highlight of the hint strips.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <vector>

#include "display/BoardLayout.h"
#include "display/Draw.h"
#include "mainwnd/MainWnd.h"
#include "play/PlayInput.h"
#include "state/Document.h"
#include "state/PuzzleState.h"
#include "support/TestApp.h"

namespace gw::test {
namespace {

// A 6 × 4 board with 2 hint slots per row and 3 per column; the board's top-left cell is at board
// units (2, 3). Row 1 has the hints 2 1, column 1 the hint 3; the rest are empty.
struct Play : TestApp {
  Play() {
    Start();
    MakeBoard(app, 6, 4, 2, 3);
    SetRowHints(app, 1, {2, 1});
    SetColHints(app, 1, {3});
    app.puzzle.AutoCheck = 0;
    app.document.Dirty = 0;
    TakeOutput();
  }
  PuzzleState& p() { return app.puzzle; }
  // Board units of the middle of cell (col, row).
  double X(int col) const { return 2 + col + 0.5; }
  double Y(int row) const { return 3 + row + 0.5; }
  void Press(int button, int col, int row) { PlayMouseDown(app, button, 0, X(col), Y(row)); }
  void Move(int held, int col, int row) { PlayMouseMove(app, held, 0, X(col), Y(row)); }
  int& Cell(int col, int row) { return app.puzzle.Grid[col][row]; }
  int RowCheck(int s, int y) { return app.puzzle.RowHints[s][y][kHintCheck]; }
  int ColCheck(int x, int s) { return app.puzzle.ColHints[x][s][kHintCheck]; }
  // The DRAW lines of what `act` does.
  template <typename F>
  std::vector<std::string> Drawn(F act) {
    TakeOutput();
    ui.SetDrawEcho(true);
    act();
    ui.SetDrawEcho(false);
    std::vector<std::string> lines;
    std::istringstream in(TakeOutput());
    for (std::string l; std::getline(in, l);)
      if (l != "DRAW mode xor") lines.push_back(l);
    return lines;
  }
};

TEST(PlayPress, PressesBeyondTheHintsAndTheBoardChangeNothing) {
  Play t;
  // fx <= 0, col > XSize, fy <= 0, row > YSize; then far-off and undefined positions.
  const double presses[][2] = {{0.5, 4.5}, {9.2, 4.5}, {3.5, 0.9}, {3.5, 8.1},
                               {-1e9, 4.5}, {1e300, 1e300}, {std::nan(""), 4.5}};
  for (auto& at : presses)
    for (int button : {kLeftButton, kRightButton, kMiddleButton}) PlayMouseDown(t.app, button, 0, at[0], at[1]);
  EXPECT_EQ(t.app.document.Dirty, 0);
  EXPECT_EQ(t.Cell(1, 1), 0);
  EXPECT_EQ(t.TakeOutput(), "");
}

TEST(PlayPress, WithNoPuzzleEveryPressIsTurnedAway) {
  TestApp t;
  t.Start();
  for (double x : {0.5, 1.5, 2.5, 3.5}) PlayMouseDown(t.app, kLeftButton, 0, x, 1.5);
  EXPECT_EQ(t.app.document.Dirty, 0);
  EXPECT_EQ(t.app.puzzle.RowHints[1][0][kHintCheck], 0);
}

TEST(PlayPress, EveryPressInsideIsAChangeEvenWhenNothingChanges) {
  // The corner square, an empty row slot, an empty column slot.
  const double presses[][2] = {{1.5, 1.5}, {1.5, 5.5}, {3.5, 1.5}};
  for (auto& at : presses) {
    Play t;
    PlayMouseDown(t.app, kLeftButton, 0, at[0], at[1]);
    EXPECT_EQ(t.app.document.Dirty, 1);
    EXPECT_EQ(t.Drawn([] {}), std::vector<std::string>{});
    EXPECT_EQ(t.RowCheck(1, 1) + t.ColCheck(1, 1) + t.ColCheck(1, 2), 0);
  }
}

TEST(PlayPress, AnyButtonTicksAHintByHandAndTicksItBack) {
  for (int button : {kLeftButton, kRightButton, kMiddleButton}) {
    Play t;
    PaintBoard(t.app);  // the window shows the board
    t.TakeOutput();
    // Row 1, slot 2 (the 1) sits at units (2, 4); column 1, slot 3 (the 3) at (3, 3).
    // The press ticks; the redraw after it, as the window makes it, draws the cross.
    auto row = t.Drawn([&] {
      PlayMouseDown(t.app, button, 0, 2.1, 4.9);
      Redraw(t.app);
    });
    EXPECT_EQ(t.RowCheck(2, 1), -1);
    EXPECT_EQ(t.app.document.Dirty, 1);
    // The cross of the slot's square: both diagonals in white, which inverts them.
    ASSERT_EQ(row.size(), 2u);
    EXPECT_EQ(row[0].rfind("DRAW line 2 4 3 5 ", 0), 0u) << row[0];
    EXPECT_EQ(row[1].rfind("DRAW line 3 4 2 5 ", 0), 0u) << row[1];
    auto col = t.Drawn([&] {
      PlayMouseDown(t.app, button, 0, 3.5, 3.5);
      Redraw(t.app);
    });
    EXPECT_EQ(t.ColCheck(1, 3), -1);
    EXPECT_EQ(col.size(), 2u);
    PlayMouseDown(t.app, button, 0, 2.1, 4.9);
    PlayMouseDown(t.app, button, 0, 3.5, 3.5);
    EXPECT_EQ(t.RowCheck(2, 1), 0);
    EXPECT_EQ(t.ColCheck(1, 3), 0);
  }
}

TEST(PlayPress, LeftPaintsOrClearsAndRightMarksOrClears) {
  Play t;
  t.p().CurColor = 2;
  t.Press(kLeftButton, 1, 1);
  EXPECT_EQ(t.Cell(1, 1), 2);
  EXPECT_EQ(t.app.layout.DragValue, 2);
  t.Press(kLeftButton, 1, 1);
  EXPECT_EQ(t.Cell(1, 1), 0);
  EXPECT_EQ(t.app.layout.DragValue, 0);
  // A mark, and a cell of another colour, are painted over in one click.
  t.Cell(2, 1) = -1;
  t.Cell(3, 1) = 5;
  t.Press(kLeftButton, 2, 1);
  t.Press(kLeftButton, 3, 1);
  EXPECT_EQ(t.Cell(2, 1), 2);
  EXPECT_EQ(t.Cell(3, 1), 2);
  // Right: paint becomes a mark in the current colour; any mark is cleared.
  t.Press(kRightButton, 2, 1);
  EXPECT_EQ(t.Cell(2, 1), -2);
  EXPECT_EQ(t.app.layout.DragValue, -2);
  t.Cell(4, 1) = -7;
  t.Press(kRightButton, 4, 1);
  EXPECT_EQ(t.Cell(4, 1), 0);
  EXPECT_EQ(t.app.layout.DragValue, 0);
  t.Press(kRightButton, 5, 1);
  EXPECT_EQ(t.Cell(5, 1), -2);
  // The middle button changes no cell and leaves the stroke's value alone.
  t.Press(kMiddleButton, 5, 1);
  t.Press(kMiddleButton, 6, 1);
  EXPECT_EQ(t.Cell(5, 1), -2);
  EXPECT_EQ(t.Cell(6, 1), 0);
  EXPECT_EQ(t.app.layout.DragValue, -2);
}

TEST(PlayPress, TheAutomaticCheckFollowsEveryPressOnTheBoard) {
  Play t;
  t.Cell(1, 1) = 1;
  t.Cell(3, 1) = 1;
  t.Press(kLeftButton, 2, 1);  // row 1 now reads 1 1 1 ? ? ?: both hints seen
  EXPECT_EQ(t.RowCheck(1, 1), 0) << "AutoCheck is off";
  t.p().AutoCheck = 1;
  t.Press(kLeftButton, 4, 1);
  t.Press(kLeftButton, 4, 1);
  EXPECT_EQ(t.RowCheck(1, 1), -1);
  EXPECT_EQ(t.RowCheck(2, 1), -1);
  // A tick by hand on an incomplete column is undone by a middle click in that column.
  PlayMouseDown(t.app, kLeftButton, 0, 3.5, 3.5);
  ASSERT_EQ(t.ColCheck(1, 3), -1);
  t.Press(kMiddleButton, 1, 4);
  EXPECT_EQ(t.ColCheck(1, 3), 0);
  EXPECT_EQ(t.RowCheck(2, 1), -1) << "row 4 was checked, not row 1";
}

TEST(PlayDrag, AStrokeRepeatsThePressOnEveryCellItEnters) {
  Play t;
  t.p().CurColor = 3;
  t.Cell(2, 2) = 1;
  t.Cell(3, 2) = -4;
  t.Cell(4, 2) = 3;
  // Pressing on a cell of the current colour clears it; the stroke clears whatever it passes.
  t.Press(kLeftButton, 4, 2);
  for (int col : {3, 2, 1}) t.Move(kLeftButton, col, 2);
  for (int col = 1; col <= 4; ++col) EXPECT_EQ(t.Cell(col, 2), 0) << col;
  // A right stroke marks.
  t.Press(kRightButton, 1, 3);
  t.Move(kRightButton, 2, 3);
  t.Move(kRightButton, 2, 4);
  EXPECT_EQ(t.Cell(2, 3), -3);
  EXPECT_EQ(t.Cell(2, 4), -3);
}

TEST(PlayDrag, OnlyExactlyOneOfLeftOrRightPaints) {
  Play t;
  t.Press(kLeftButton, 1, 1);
  for (int held : {0, kLeftButton | kRightButton, int{kMiddleButton}, kLeftButton | kMiddleButton}) {
    t.Move(held, 2, 1);
    t.Move(held, 2, 2);
  }
  EXPECT_EQ(t.Cell(2, 1), 0);
  EXPECT_EQ(t.Cell(2, 2), 0);
  t.Move(kRightButton, 2, 1);  // the right button alone paints the left stroke's value
  EXPECT_EQ(t.Cell(2, 1), 1);
}

TEST(PlayDrag, MovesSetNoDirtyFlagOfTheirOwnButAStrayStrokeIsNotLost) {
  Play t;
  t.Press(kLeftButton, 1, 1);
  t.app.document.Dirty = 0;
  t.Move(kLeftButton, 1, 1);  // the cell already holds the value
  t.Move(0, 2, 1);
  EXPECT_EQ(t.app.document.Dirty, 0);
  // A stroke pressed in the margin paints with the last stroke's value; the cells it paints are
  // unsaved work all the same.
  PlayMouseDown(t.app, kLeftButton, 0, 0.5, 0.5);
  EXPECT_EQ(t.app.document.Dirty, 0);
  t.Move(kLeftButton, 3, 1);
  EXPECT_EQ(t.Cell(3, 1), 1);
  EXPECT_EQ(t.app.document.Dirty, 1);
}

TEST(PlayDrag, EveryQualifyingMoveRunsTheCheckEvenWithoutAChange) {
  Play t;
  t.p().AutoCheck = 1;
  t.Press(kLeftButton, 1, 1);
  PlayMouseDown(t.app, kLeftButton, 0, 2.1, 4.9);  // tick the 1 by hand
  ASSERT_EQ(t.RowCheck(2, 1), -1);
  t.Move(kLeftButton, 1, 1);  // no cell changes, but the row is checked anew
  EXPECT_EQ(t.RowCheck(2, 1), 0);
  t.p().AutoCheck = 0;
  PlayMouseDown(t.app, kLeftButton, 0, 2.1, 4.9);
  t.Move(kLeftButton, 1, 1);
  EXPECT_EQ(t.RowCheck(2, 1), -1);
}

std::string Strip(const Play& t, double x1, double y1, double x2, double y2) {
  std::ostringstream s;
  s << "DRAW hatch " << x1 << " " << y1 << " " << x2 << " " << y2
    << " color=" << t.app.colors.ColorTable[4] << " fill=" << MakeRgb(128, 0, 0);
  return s.str();
}

TEST(PlayHover, ACellsHighlightIsTheStripsOfItsRowAndColumnAndOnlyOnTheBoard) {
  Play t;
  EXPECT_EQ(t.Drawn([&] { ToggleHoverHighlight(t.app, 2, 4); }),
            (std::vector<std::string>{Strip(t, 1, 7, 3, 8), Strip(t, 4, 1, 5, 4)}));
  const int outside[][2] = {{0, 1}, {7, 1}, {1, 0}, {1, 5}, {-1, -1}};
  for (auto& c : outside) EXPECT_EQ(t.Drawn([&] { ToggleHoverHighlight(t.app, c[0], c[1]); }), std::vector<std::string>{});
}

TEST(PlayHover, MovingToAnotherCellSwapsTheHighlightedStrips) {
  Play t;
  EXPECT_EQ(t.Drawn([&] { t.Move(0, 3, 2); }),
            (std::vector<std::string>{Strip(t, 1, 5, 3, 6), Strip(t, 5, 1, 6, 4)}));
  EXPECT_EQ(t.app.layout.HoverCol, 3);
  EXPECT_EQ(t.app.layout.HoverRow, 2);
  // Column 3's strip stays on: taking it off and putting it back would only cancel out.
  EXPECT_EQ(t.Drawn([&] { t.Move(kLeftButton | kRightButton, 3, 3); }),
            (std::vector<std::string>{Strip(t, 1, 5, 3, 6), Strip(t, 1, 6, 3, 7)}));
  EXPECT_EQ(t.Drawn([&] { t.Move(0, 5, 3); }), (std::vector<std::string>{Strip(t, 5, 1, 6, 4), Strip(t, 7, 1, 8, 4)}));
  EXPECT_EQ(t.Drawn([&] { t.Move(0, 6, 1); }),
            (std::vector<std::string>{Strip(t, 1, 6, 3, 7), Strip(t, 7, 1, 8, 4), Strip(t, 1, 4, 3, 5),
                                      Strip(t, 8, 1, 9, 4)}));
  // Within the same cell nothing is drawn.
  EXPECT_EQ(t.Drawn([&] { PlayMouseMove(t.app, 0, 0, t.X(6) + 0.4, t.Y(1) - 0.4); }),
            std::vector<std::string>{});
}

TEST(PlayHover, OffTheBoardNothingIsHighlightedButThePositionIsKept) {
  Play t;
  t.Move(0, 1, 1);
  auto leaving = t.Drawn([&] { PlayMouseMove(t.app, 0, 0, 1.5, 4.5); });  // onto the row hints
  EXPECT_EQ(leaving, (std::vector<std::string>{Strip(t, 1, 4, 3, 5), Strip(t, 3, 1, 4, 4)}));
  EXPECT_EQ(t.app.layout.HoverCol, -1);
  EXPECT_EQ(t.app.layout.HoverRow, 1);
  EXPECT_EQ(t.Drawn([&] { PlayMouseMove(t.app, 0, 0, 1.7, 4.2); }), std::vector<std::string>{});
  EXPECT_EQ(t.Drawn([&] { t.Move(0, 1, 1); }).size(), 2u);
}

TEST(PlayHover, ARepaintWipesTheHighlightSoTheNextMoveOnlyDrawsTheNewOne) {
  Play t;
  t.Move(0, 3, 4);
  PaintBoard(t.app);
  EXPECT_EQ(t.app.layout.HoverCol, 0);
  EXPECT_EQ(t.Drawn([&] { t.Move(0, 3, 3); }),
            (std::vector<std::string>{Strip(t, 1, 6, 3, 7), Strip(t, 5, 1, 6, 4)}));
}

}  // namespace
}  // namespace gw::test
