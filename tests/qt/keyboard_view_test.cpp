// The main window's keys: keyboard play reaches the core from the board view, number input mode
// keeps its digits and arrows, and the menu items carry their shortcuts and lose them with
// their enabled state.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>

#include "display/BoardLayout.h"
#include "mainwnd/MainWnd.h"
#include "frontends/qt/MainWindow.h"
#include "frontends/qt/QtPlatform.h"
#include "state/PuzzleState.h"
#include "support/TestApp.h"
#include "ShownWindow.h"

namespace gw {
namespace {

struct Keys : ::testing::Test {
  QtPlatform ui;
  App app{ui};
  MainWindow w{ui, app};

  void SetUp() override {
    test::ShowMainWindow(ui, w, app, {760, 620});
    test::MakeBoard(app, 5, 4, 2, 2);
    app.puzzle.Palette[2] = 12;
    app.puzzle.AutoCheck = 0;
    MainWndPaint(app);
  }
  QAction* Item(const QString& text) {
    for (QAction* a : w.findChildren<QAction*>())
      if (a->text() == text) return a;
    ADD_FAILURE() << "no menu item " << text.toStdString();
    return nullptr;
  }
  void Key(int key, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(w.board(), Qt::Key(key), mods); }
};

TEST_F(Keys, ArrowsSpaceShiftAndDigitsPlayOnTheBoard) {
  Key(Qt::Key_Right);
  EXPECT_TRUE(app.layout.KeyCursorShown);
  EXPECT_EQ(app.layout.KeyCol, 2);
  Key(Qt::Key_Space);
  Key(Qt::Key_Right, Qt::ShiftModifier);
  Key(Qt::Key_2);
  Key(Qt::Key_Down);
  Key(Qt::Key_Space);
  Key(Qt::Key_X);
  Key(Qt::Key_Left);
  Key(Qt::Key_Delete);
  EXPECT_EQ(app.puzzle.Grid[2][1], 1);
  EXPECT_EQ(app.puzzle.Grid[3][1], 1);
  EXPECT_EQ(app.puzzle.Grid[3][2], -2);
  EXPECT_EQ(app.puzzle.Grid[2][2], -2);
  EXPECT_EQ(app.puzzle.CurColor, 2);
}

TEST_F(Keys, NumberInputKeepsItsKeys) {
  app.puzzle.Mode = kModeNumber;
  ui.SetKeyPreview(true);
  app.layout.CursorSide = 1;
  app.layout.CursorX = 2;
  app.layout.CursorY = 1;
  Key(Qt::Key_2);
  Key(Qt::Key_3);
  EXPECT_EQ(app.puzzle.RowHints[2][1][kHintNumber], 23);
  EXPECT_EQ(app.puzzle.CurColor, 1);  // the digit was no colour choice
  EXPECT_FALSE(app.layout.KeyCursorShown);
}

TEST_F(Keys, MenuItemsCarryTheirShortcutsAndFollowTheHistory) {
  QAction* undo = Item("元に戻す(&U)");
  QAction* redo = Item("やり直し(&R)");
  ASSERT_TRUE(undo && redo);
  EXPECT_EQ(undo->shortcut(), QKeySequence("Ctrl+Z"));
  EXPECT_EQ(redo->shortcuts(), (QList<QKeySequence>{QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
  EXPECT_EQ(Item("ファイルを開く(&O)")->shortcut(), QKeySequence("Ctrl+O"));
  EXPECT_EQ(Item("保存(&S)")->shortcut(), QKeySequence("Ctrl+S"));
  EXPECT_EQ(Item("印刷(&P)")->shortcut(), QKeySequence("Ctrl+P"));
  EXPECT_EQ(Item("終了(&X)")->shortcut(), QKeySequence("Ctrl+Q"));
  EXPECT_EQ(Item("説明(&H)")->shortcut(), QKeySequence("F1"));
  EXPECT_FALSE(undo->isEnabled());
  Key(Qt::Key_Space);
  EXPECT_TRUE(undo->isEnabled());
  undo->trigger();
  EXPECT_EQ(app.puzzle.Grid[1][1], 0);
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_TRUE(redo->isEnabled());
}

}  // namespace
}  // namespace gw
