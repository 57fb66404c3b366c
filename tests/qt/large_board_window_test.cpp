// A 45 x 45 board in the real window: zoomed past the window it gets scroll bars, the row hints
// stay put while the board scrolls sideways and the column hints while it scrolls up and down.
// With GW_SHOT_DIR set under xvfb-run the window is also photographed fitted, zoomed and scrolled
// to the middle (named after the display scale).
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <random>

#include "display/BoardLayout.h"
#include "display/Draw.h"
#include "display/PaneSurface.h"
#include "display/Viewport.h"
#include "frontends/qt/MainWindow.h"
#include "frontends/qt/QtPlatform.h"
#include "state/PuzzleState.h"
#include "support/TestApp.h"
#include "ShownWindow.h"

namespace gw {
namespace {

struct LargeWindow : ::testing::Test {
  QtPlatform ui;
  App app{ui};
  MainWindow w{ui, app};

  void SetUp() override {
    test::ShowMainWindow(ui, w, app, QSize(900, 700));
    // A random picture of half the cells, its hints in two colours.
    test::MakeBoard(app, 45, 45, 14, 14);
    app.puzzle.Mode = kModePlay;
    app.puzzle.Palette[2] = 12;
    std::mt19937 rng(45);
    for (int line = 1; line <= 45; ++line) {
      std::vector<int> runs;
      for (int i = 0; i < 4 + static_cast<int>(rng() % 10); ++i) runs.push_back(1 + static_cast<int>(rng() % 3));
      test::SetRowHints(app, line, runs, 1 + line % 2);
      test::SetColHints(app, line, runs, 2 - line % 2);
    }
    for (int y = 1; y <= 45; ++y)
      for (int x = 1; x <= 45; ++x) app.puzzle.Grid[x][y] = rng() % 3 == 0 ? 1 + (x + y) % 2 : (rng() % 5 == 0 ? -1 : 0);
    Repaint();
    // Fitted its hints would be too small: it opens zoomed, and these tests start from Ctrl+0.
    ZoomToFit(app);
    Repaint();
  }
  void Repaint() {
    MainWndPaint(app);
    w.SyncScrollBars();
    w.board()->repaint();
  }
  QImage Board() { return w.board()->grab().toImage(); }
  // The pixels of a window box given in board units.
  QImage Part(double x1, double y1, double x2, double y2) {
    QRect r = ui.Image(SurfaceId::Main).DeviceRect(x1, y1, x2, y2);
    return ui.Image(SurfaceId::Main).image().copy(r);
  }
  int VisibleBars() {
    int n = 0;
    for (QScrollBar* bar : w.findChildren<QScrollBar*>()) n += bar->isVisible();
    return n;
  }
};

TEST_F(LargeWindow, FittedThereAreNoScrollBarsZoomedThereAre) {
  EXPECT_EQ(VisibleBars(), 0);
  ZoomBoardAtCentre(app, 4);
  w.SyncScrollBars();
  EXPECT_EQ(VisibleBars(), 2);
  ZoomToFit(app);
  w.SyncScrollBars();
  EXPECT_EQ(VisibleBars(), 0);
}

TEST_F(LargeWindow, TheHintAreasStayPutWhileTheBoardScrolls) {
  ZoomBoardAtCentre(app, 4);
  ScrollBoardTo(app, 10, 10);
  Repaint();
  const BoardView& v = app.layout.view;
  // The row hints of the rows in sight, and the column hints of the columns in sight.
  QImage rows = Part(1, v.pinY, v.pinX, v.visBottom);
  QImage cols = Part(v.pinX, 1, v.visRight, v.pinY);
  QImage cells = Part(v.pinX, v.pinY, v.visRight, v.visBottom);
  ScrollBoardTo(app, 17, 10);
  Repaint();
  EXPECT_EQ(Part(1, v.pinY, v.pinX, v.visBottom), rows);
  EXPECT_NE(Part(v.pinX, 1, v.visRight, v.pinY), cols);
  EXPECT_NE(Part(v.pinX, v.pinY, v.visRight, v.visBottom), cells);
  ScrollBoardTo(app, 17, 16);
  QImage colsNow = Part(v.pinX, 1, v.visRight, v.pinY);
  Repaint();
  EXPECT_EQ(Part(v.pinX, 1, v.visRight, v.pinY), colsNow);
  EXPECT_NE(Part(1, v.pinY, v.pinX, v.visBottom), rows);
}

TEST_F(LargeWindow, APressOnTheScrolledBoardPaintsTheCellShownThere) {
  ZoomBoardAtCentre(app, 4);
  ScrollBoardTo(app, 20, 20);
  Repaint();
  // The scroll bars that came take their room from the board: it is laid out again.
  QTest::qWait(50);
  // A cell a few lines into the scrolled part, well inside what the window shows.
  const PuzzleState& p = app.puzzle;
  double x = p.XHintCount + 25 + 0.5, y = p.YHintCount + 26 + 0.5;
  BoardToWindow(app, x, y);
  QPointF at = ui.Image(SurfaceId::Main).ToDevice(x, y) / w.board()->devicePixelRatioF();
  ASSERT_TRUE(w.board()->rect().contains(at.toPoint()));
  app.puzzle.CurColor = 2;
  app.puzzle.Grid[25][26] = 0;
  Repaint();
  QTest::mouseClick(w.board(), Qt::LeftButton, {}, at.toPoint());
  EXPECT_EQ(app.puzzle.Grid[25][26], 2);
}

TEST_F(LargeWindow, Screenshots) {
  QString shots = qEnvironmentVariable("GW_SHOT_DIR");
  if (shots.isEmpty() || QGuiApplication::platformName() != "xcb")
    GTEST_SKIP() << "screenshots are taken with GW_SHOT_DIR set under xvfb-run";
  QString scale = QString::number(w.devicePixelRatioF());
  auto shot = [&](const QString& name) {
    QTest::qWait(300);
    w.grab().save(shots + "/large-" + name + "-x" + scale + ".png");
  };
  shot("fitted");
  ZoomBoardAtCentre(app, 3);
  Repaint();
  shot("zoomed");
  const BoardView& v = app.layout.view;
  ScrollBoardTo(app, v.maxScrollX / 2, v.maxScrollY / 2);
  Repaint();
  shot("middle");
}

}  // namespace
}  // namespace gw
