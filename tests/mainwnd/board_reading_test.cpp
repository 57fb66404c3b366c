// Reading a board of any size: a large board opens at a zoom whose hints read, the row and column
// under the pointer are tinted, a stroke along a line counts its cells, and the status bar tells
// the puzzle and the cell under the pointer.
#include <gtest/gtest.h>

#include "display/BoardLayout.h"
#include "display/Draw.h"
#include "display/Highlight.h"
#include "display/PaneSurface.h"
#include "display/Viewport.h"
#include "commands/Commands.h"
#include "history/History.h"
#include "mainwnd/MainWnd.h"
#include "mainwnd/Menus.h"
#include "mainwnd/StatusLine.h"
#include "settings/Options.h"
#include "state/PuzzleState.h"
#include "support/TestApp.h"

namespace gw {
namespace {

struct Board : test::TestApp {
  Board(int side, int hints) {
    Start();
    test::MakeBoard(app, side, side, hints, hints);
    app.puzzle.Mode = kModePlay;
    PaintBoard(app);
    TakeOutput();
  }
  // The middle of cell (col, row) where the window shows it.
  void Move(int button, int col, int row) {
    double x = app.puzzle.XHintCount + col + 0.5, y = app.puzzle.YHintCount + row + 0.5;
    BoardToWindow(app, x, y);
    MainWndMouseMove(app, button, 0, x, y);
  }
  void Press(int button, int col, int row) {
    double x = app.puzzle.XHintCount + col + 0.5, y = app.puzzle.YHintCount + row + 0.5;
    BoardToWindow(app, x, y);
    MainWndMouseDown(app, button, 0, x, y);
  }
};

TEST(OpeningZoom, BoardsWhoseHintsReadFittedAreFittedTheOthersOpenReadableAtTheirTopLeft) {
  struct Case {
    int side, hints;
    bool zoomed;
  } cases[] = {{5, 3, false}, {15, 8, false}, {20, 10, false}, {60, 20, true}, {99, 31, true}};
  for (const Case& c : cases) {
    Board b(c.side, c.hints);
    const BoardView& v = b.app.layout.view;
    EXPECT_EQ(v.zoomed, c.zoomed) << c.side;
    if (!c.zoomed) continue;
    EXPECT_DOUBLE_EQ(v.cellTwips, 13 * 15) << c.side;
    EXPECT_EQ(v.scrollX, 0) << c.side;
    EXPECT_EQ(v.scrollY, 0) << c.side;
    // Ctrl+0 fits the whole, and the board stays fitted through the repaints after it.
    ZoomToFit(b.app);
    PaintBoard(b.app);
    EXPECT_FALSE(v.zoomed) << c.side;
    EXPECT_LT(FittedCellTwips(b.app), 13 * 15) << c.side;
  }
}

TEST(LineTint, OnByItselfForBoardsOver20OtherwiseAsChosen) {
  struct Case {
    int side, hints;
    int choice;
    bool tinted;
  } cases[] = {
      {20, 10, Options::kAuto, false}, {21, 10, Options::kAuto, true}, {99, 31, Options::kAuto, true},
      {20, 10, Options::kOn, true},    {99, 31, Options::kOff, false},
  };
  for (const Case& c : cases) {
    Board b(c.side, c.hints);
    b.app.options.lineTint = c.choice;
    EXPECT_EQ(TintsLines(b.app), c.tinted) << c.side << " " << c.choice;
    PaintBoard(b.app);
    std::optional<MenuPlace> item = PlaceOf(Command::LineTint);
    ASSERT_TRUE(item);
    EXPECT_EQ(b.ui.MenuChecked(item->menu, item->index), c.tinted) << c.side << " " << c.choice;
    b.Move(0, 4, 7);
    const auto& marks = b.app.layout.PointerLine;
    ASSERT_EQ(marks.size(), c.tinted ? 2u : 0u) << c.side << " " << c.choice;
    if (!c.tinted) continue;
    const PuzzleState& p = b.app.puzzle;
    const HighlightMark& row = marks[0];
    const HighlightMark& col = marks[1];
    // The row from the outer edge of its hints to the board's right edge (or the window's).
    EXPECT_EQ(row.row, 7);
    EXPECT_DOUBLE_EQ(row.x1, 1);
    EXPECT_DOUBLE_EQ(row.y1, p.YHintCount + 7);
    EXPECT_DOUBLE_EQ(row.y2, p.YHintCount + 8);
    EXPECT_EQ(col.col, 4);
    EXPECT_DOUBLE_EQ(col.x1, p.XHintCount + 4);
    EXPECT_DOUBLE_EQ(col.y1, 1);
    const BoardView& v = b.app.layout.view;
    double right = p.XHintCount + p.XSize + 1.0, bottom = p.YHintCount + p.YSize + 1.0;
    EXPECT_DOUBLE_EQ(row.x2, v.zoomed ? std::min(right, v.visRight) : right);
    EXPECT_DOUBLE_EQ(col.y2, v.zoomed ? std::min(bottom, v.visBottom) : bottom);
    EXPECT_EQ(StyleOf(row.kind).tint, true);
    // Off the board, the tint goes; the marks the player is shown stay untouched.
    b.Move(0, -2, 7);
    EXPECT_TRUE(b.app.layout.PointerLine.empty());
    EXPECT_TRUE(b.app.layout.Highlight.empty());
  }
}

TEST(LineTint, FollowsAScrolledBoardAndLeavesLinesScrolledUnderTheHints) {
  Board b(99, 31);
  ScrollBoardTo(b.app, 10, 12);
  const BoardView& v = b.app.layout.view;
  ASSERT_EQ(v.scrollX, 10);
  ASSERT_EQ(v.scrollY, 12);
  b.Move(0, 15, 20);
  const auto& marks = b.app.layout.PointerLine;
  ASSERT_EQ(marks.size(), 2u);
  EXPECT_DOUBLE_EQ(marks[0].y1, b.app.puzzle.YHintCount + 20 - 12);
  EXPECT_DOUBLE_EQ(marks[1].x1, b.app.puzzle.XHintCount + 15 - 10);
  // A tint is put back by the move after a repaint that wiped its place.
  PaintBoard(b.app);
  EXPECT_TRUE(marks.empty());
  b.Move(0, 15, 20);
  EXPECT_EQ(marks.size(), 2u);
}

TEST(LineTint, TheMenuItemChoosesForEveryBoardFromThenOn) {
  Board b(99, 31);
  b.Move(0, 3, 3);
  ASSERT_EQ(b.app.layout.PointerLine.size(), 2u);
  RunMenuCommand(b.app, Command::LineTint);
  EXPECT_EQ(b.app.options.lineTint, Options::kOff);
  EXPECT_TRUE(b.app.layout.PointerLine.empty());
  RunMenuCommand(b.app, Command::LineTint);
  EXPECT_EQ(b.app.options.lineTint, Options::kOn);
  EXPECT_EQ(b.app.layout.PointerLine.size(), 2u);
}

TEST(StrokeCount, CountsTheCellsOfALineWhileTheButtonIsHeld) {
  Board b(30, 10);
  b.Press(kLeftButton, 3, 4);
  EXPECT_EQ(b.app.layout.StrokeCells, 0);  // one cell is no count
  struct Step {
    int col, row, cells;
  } steps[] = {{4, 4, 2}, {7, 4, 5}, {1, 4, 3}, {1, 5, 0}, {3, 9, 6}, {3, 1, 4}, {3, 4, 0}};
  for (const Step& s : steps) {
    b.Move(kLeftButton, s.col, s.row);
    EXPECT_EQ(b.app.layout.StrokeCells, s.cells) << s.col << "," << s.row;
  }
  b.Move(kLeftButton, 3, 12);
  EXPECT_EQ(b.app.layout.StrokeCells, 9);
  MainWndMouseUp(b.app);
  EXPECT_EQ(b.app.layout.StrokeCells, 0);
  // A later move without a button shows no count of the stroke that ended.
  b.Move(0, 3, 14);
  EXPECT_EQ(b.app.layout.StrokeCells, 0);
}

TEST(StatusBar, ThePuzzleItsSizeAndTheCellUnderThePointer) {
  Board b(30, 10);
  b.app.puzzle.Title = "ねこ";
  b.app.puzzle.YSize = 25;
  EXPECT_EQ(StatusText(b.app), "「ねこ」　30 × 25");
  b.Move(0, 12, 5);
  EXPECT_EQ(StatusText(b.app), "「ねこ」　30 × 25　列 12・行 5");
  b.Move(0, 12, -3);  // the column's hints
  EXPECT_EQ(StatusText(b.app), "「ねこ」　30 × 25");
  b.app.puzzle.XSize = 0;
  EXPECT_EQ(StatusText(b.app), "問題がありません");
}

}  // namespace
}  // namespace gw
