// Undo and redo on boards past 20 x 20: changes at the far corner and in hint slots past 20 are
// steps like any other.
#include <gtest/gtest.h>

#include "display/Draw.h"
#include "history/EditHistory.h"
#include "mainwnd/MainWnd.h"
#include "mainwnd/Menus.h"
#include "support/TestApp.h"

namespace gw::test {
namespace {

struct Large : TestApp {
  Large() {
    Start();
    app.puzzle.Mode = kModePlay;
    MakeBoard(app, 40, 33, 25, 3);
    SetRowHints(app, 33, std::vector<int>(25, 1));
    app.puzzle.CurColor = 1;
    app.puzzle.AutoCheck = 0;  // the hand tick below is the only one
    ResetHistory(app);
    PaintBoard(app);
    TakeOutput();
  }
  void Press(int button, double x, double y) { MainWndMouseDown(app, button, 0, x, y); }
};

TEST(LargeBoardHistory, TheFarCornerAndASlotPast20AreUndoneAndRedone) {
  Large t;
  PuzzleState& p = t.app.puzzle;
  EXPECT_EQ(SnapshotExtent(p), 41);
  t.Press(kLeftButton, 25 + 40 + 0.5, 3 + 33 + 0.5);  // cell (40, 33)
  t.Press(kLeftButton, 1 + 0.5, 3 + 33 + 0.5);        // the first of row 33's 25 hints
  ASSERT_EQ(p.Grid[40][33], 1);
  ASSERT_EQ(p.RowHints[1][33][kHintCheck], -1);
  MenuClick(t.app, MenuId::Edit, 0);
  EXPECT_EQ(p.RowHints[1][33][kHintCheck], 0);
  EXPECT_EQ(p.Grid[40][33], 1);
  MenuClick(t.app, MenuId::Edit, 0);
  EXPECT_EQ(p.Grid[40][33], 0);
  MenuClick(t.app, MenuId::Edit, 1);
  MenuClick(t.app, MenuId::Edit, 1);
  EXPECT_EQ(p.Grid[40][33], 1);
  EXPECT_EQ(p.RowHints[1][33][kHintCheck], -1);
}

TEST(LargeBoardHistory, BoardsOf20AndLessKeepTheirSnapshotOf21) {
  Large t;
  MakeBoard(t.app, 20, 20, 20, 20);
  EXPECT_EQ(SnapshotExtent(t.app.puzzle), 21);
  MakeBoard(t.app, 5, 99, 3, 50);
  EXPECT_EQ(SnapshotExtent(t.app.puzzle), 100);
}

}  // namespace
}  // namespace gw::test
