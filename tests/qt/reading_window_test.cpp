// Reading boards in the real window: the row and column under the pointer are tinted over the
// board's picture and never enter it, and a drag along a line shows its count beside the pointer.
// With GW_SHOT_DIR set under xvfb-run, puzzles of the collection (after five others) and a 99 x 99
// are photographed (named after the display scale).
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTest>

#include "display/BoardLayout.h"
#include "display/Draw.h"
#include "display/Viewport.h"
#include "frontends/qt/MainWindow.h"
#include "frontends/qt/QtPlatform.h"
#include "files/ToolsCommands.h"
#include "state/PuzzleState.h"
#include "support/TestApp.h"
#include "ShownWindow.h"

namespace gw {
namespace {

struct ReadingWindow : ::testing::Test {
  QtPlatform ui;
  App app{ui};
  MainWindow w{ui, app};

  void SetUp() override { test::ShowMainWindow(ui, w, app, QSize(1000, 760)); }
  // A 99 x 99 play board with 31 hints of 1..3 each way, as it opens.
  void Large() {
    test::MakeBoard(app, 99, 99, 31, 31);
    SetDefaultPalette(app.puzzle);
    app.puzzle.Mode = kModePlay;
    for (int line = 1; line <= 99; ++line) {
      std::vector<int> runs;
      for (int s = 1; s <= 31; ++s) runs.push_back(1 + (line + s) % 3);
      test::SetRowHints(app, line, runs);
      test::SetColHints(app, line, runs);
    }
    Repaint();
  }
  void Repaint() {
    MainWndPaint(app);
    w.SyncScrollBars();
    w.board()->repaint();
  }
  // Where the middle of cell (col, row) is on the board widget.
  QPoint At(int col, int row) {
    double x = app.puzzle.XHintCount + col + 0.5, y = app.puzzle.YHintCount + row + 0.5;
    BoardToWindow(app, x, y);
    const ImageSurface& image = ui.Image(SurfaceId::Main);
    return (image.ToDevice(x, y) / image.PixelRatio()).toPoint();
  }
  QColor OnScreen(QPoint p) { return w.board()->grab().toImage().pixelColor(p * ui.Image(SurfaceId::Main).PixelRatio()); }
  QColor InPicture(QPoint p) { return ui.Image(SurfaceId::Main).image().pixelColor(p * ui.Image(SurfaceId::Main).PixelRatio()); }
};

TEST_F(ReadingWindow, TheLineUnderThePointerIsTintedOverThePictureNotInIt) {
  Large();
  ASSERT_TRUE(app.layout.view.zoomed);
  QPoint far = At(12, 5);  // a blank cell of row 5, away from the pointer
  QColor before = OnScreen(far);
  QTest::mouseMove(w.board(), At(3, 5));
  QTest::qWait(50);
  ASSERT_EQ(app.layout.PointerLine.size(), 2u);
  EXPECT_NE(OnScreen(far), before);
  EXPECT_EQ(InPicture(far), before);
  // Off to another row: this one is as it was.
  QTest::mouseMove(w.board(), At(3, 9));
  QTest::qWait(50);
  EXPECT_EQ(OnScreen(far), before);
}

TEST_F(ReadingWindow, ADragAlongARowShowsItsCountUntilTheButtonIsLetGo) {
  Large();
  QTest::mousePress(w.board(), Qt::LeftButton, {}, At(2, 4));
  QMouseEvent move(QEvent::MouseMove, At(6, 4), w.board()->mapToGlobal(At(6, 4)), Qt::NoButton, Qt::LeftButton, {});
  QApplication::sendEvent(w.board(), &move);
  EXPECT_EQ(app.layout.StrokeCells, 5);
  QTest::mouseRelease(w.board(), Qt::LeftButton, {}, At(6, 4));
  EXPECT_EQ(app.layout.StrokeCells, 0);
}

TEST_F(ReadingWindow, Screenshots) {
  QString shots = qEnvironmentVariable("GW_SHOT_DIR");
  if (shots.isEmpty() || QGuiApplication::platformName() != "xcb")
    GTEST_SKIP() << "screenshots are taken with GW_SHOT_DIR set under xvfb-run";
  QString scale = QString::number(w.devicePixelRatioF());
  auto shot = [&](const std::string& name) {
    w.board()->update();
    QTest::qWait(300);
    w.grab().save(shots + "/window-" + QString::fromStdString(name) + "-x" + scale + ".png");
  };
  const std::string collection = std::string(GW_SOURCE_DIR) + "/collection/";
  for (const char* other : {"apple", "avocado", "balloon", "bee", "car"})
    ASSERT_TRUE(OpenPuzzleForPlay(app, collection + other + ".xml"));
  for (const char* name : {"bear", "castle", "pineapple", "fire"}) {
    ASSERT_TRUE(OpenPuzzleForPlay(app, collection + name + ".xml"));
    shot(name);
  }
  Large();
  shot("99-open");
  QTest::mouseMove(w.board(), At(8, 10));
  shot("99-line-tint");
}

}  // namespace
}  // namespace gw
