// The uniqueness check in the real window: the highlight drawn over the board and gone with the
// next click, and the progress box of a long check, whose キャンセル stops it. With GW_SHOT_DIR
// set under xvfb-run it also takes a screenshot of the highlight behind the verdict.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProgressDialog>
#include <QScreen>
#include <QTest>
#include <random>

#include "DialogDriver.h"
#include "display/BoardLayout.h"
#include "display/Draw.h"
#include "mainwnd/MainWnd.h"
#include "files/ToolsCommands.h"
#include "play/UniqueCheck.h"
#include "frontends/qt/MainWindow.h"
#include "frontends/qt/QtPlatform.h"
#include "ShownWindow.h"
#include "state/PuzzleState.h"

namespace gw {
namespace {

struct UniqueCheckWindow : ::testing::Test {
  QtPlatform ui;
  App app{ui};
  MainWindow w{ui, app};

  // Image input mode with a blank picture of this size, shown.
  void NewPicture(int size) {
    test::ShowMainWindow(ui, w, app, {900, 700});
    PuzzleState& p = app.puzzle;
    p.Mode = kModeImage;
    p.XSize = p.YSize = size;
    p.XHintCount = p.YHintCount = 3;
    QTest::qWait(100);
    MainWndPaint(app);
  }
  void Paint(int x, int y, int colour) { SetCell(app, x, y, colour); }
  std::string Check() {
    std::string shown;
    test::WhenModal<QMessageBox>([&](QMessageBox& box) {
      w.board()->repaint();
      QTest::qWait(200);
      if (!shot.isEmpty()) QGuiApplication::primaryScreen()->grabWindow(0).save(shot);
      shown = box.text().toStdString();
      box.accept();
    });
    UniquenessCheck(app);
    return shown;
  }
  // A check long enough for the progress box (shown at once): the box comes up, then a verdict
  // that begins with `verdict`. Under xvfb-run with GW_SHOT_DIR the verdict is photographed.
  void ExpectVerdictBehindTheProgressBox(const std::string& verdict, const char* shotName) {
    ui.SetProgressDelay(0);
    MainWndPaint(app);
    const QString dir = qEnvironmentVariable("GW_SHOT_DIR");
    if (!dir.isEmpty() && QGuiApplication::platformName() == "xcb") shot = dir + "/" + shotName;
    bool boxSeen = false;
    test::WhenModal<QProgressDialog>([&](QProgressDialog&) { boxSeen = true; });
    EXPECT_EQ(Check().substr(0, verdict.size()), verdict);
    EXPECT_TRUE(boxSeen);
  }
  QColor Shown(int x, int y) {
    const PuzzleState& p = app.puzzle;
    QPointF d = ui.Image(SurfaceId::Main).ToDevice(p.XHintCount + x + 0.5, p.YHintCount + y + 0.5);
    return w.board()->grab().toImage().pixelColor(d.toPoint());
  }
  QColor Drawn(int x, int y) {
    const PuzzleState& p = app.puzzle;
    QPointF d = ui.Image(SurfaceId::Main).ToDevice(p.XHintCount + x + 0.5, p.YHintCount + y + 0.5);
    return ui.Image(SurfaceId::Main).image().pixelColor(d.toPoint());
  }
  QString shot;
};

TEST_F(UniqueCheckWindow, HighlightsWhereAnotherSolutionDiffersUntilTheNextClick) {
  NewPicture(6);
  Paint(2, 2, 1);
  Paint(3, 3, 1);
  Paint(5, 5, 2);
  std::string text = Check();
  EXPECT_EQ(text, "解が複数あります。\n色の付いたマスは、この絵と別の解とで変わるマスです。");
  ASSERT_EQ(app.layout.Highlight.size(), 4u);
  w.board()->repaint();
  for (auto [x, y] : {std::pair{2, 2}, {3, 2}, {2, 3}, {3, 3}})
    EXPECT_NE(Shown(x, y), Drawn(x, y)) << x << "," << y << " not highlighted";
  EXPECT_EQ(Shown(5, 5), Drawn(5, 5)) << "a cell every solution agrees on is highlighted";
  EXPECT_EQ(app.puzzle.Grid[2][2], 1);
  EXPECT_EQ(app.puzzle.Grid[3][2], 0);

  const PuzzleState& p = app.puzzle;
  QPointF d = ui.Image(SurfaceId::Main).ToDevice(p.XHintCount + 6.5, p.YHintCount + 1.5);
  QTest::mouseClick(w.board(), Qt::LeftButton, Qt::NoModifier, d.toPoint());
  EXPECT_TRUE(app.layout.Highlight.empty());
  w.board()->repaint();
  EXPECT_EQ(Shown(2, 3), Drawn(2, 3));
}

// A random picture at 45 % ink whose hints take hundreds of thousands of line solves to settle.
void PaintHardPicture(App& app) {
  std::mt19937 rng(338);
  std::uniform_real_distribution<double> u(0, 1);
  std::uniform_int_distribution<int> colour(1, 1);
  for (int y = 1; y <= 20; ++y)
    for (int x = 1; x <= 20; ++x) app.puzzle.Grid[x][y] = u(rng) < 0.45 ? colour(rng) : 0;
}

TEST_F(UniqueCheckWindow, ALongCheckShowsAProgressBoxWhoseCancelStopsIt) {
  NewPicture(20);
  ui.SetProgressDelay(0);  // the check is faster than the half second a user waits
  PaintHardPicture(app);
  bool boxSeen = false;
  test::WhenModal<QProgressDialog>([&](QProgressDialog& box) {
    boxSeen = true;
    EXPECT_EQ(box.labelText().toStdString(), "解を調べています。しばらくお待ちください。");
    box.cancel();
  });
  EXPECT_EQ(Check(), "判定を取りやめました。");
  EXPECT_TRUE(boxSeen);
  EXPECT_TRUE(app.layout.Highlight.empty());
}

// 9-Dom (nine vertical threes chained corner to corner, a domino beside each but the first)
// drawn as a 19 x 19 picture: the plain search meets its solution at once and the search that
// learns joins it on a second thread, while the window waits with its progress box up.
void PaintNineDom(App& app) {
  constexpr int n = 9, side = 2 * n + 1;
  for (int k = 1; k <= n; ++k) {
    const int col = side + 1 - 2 * k;  // 0-based column of the k-th three
    for (int y = 2 * k - 2; y <= 2 * k; ++y) app.puzzle.Grid[col + 1][y + 1] = 1;
    if (k >= 2) app.puzzle.Grid[col + 1][2 * k - 3] = app.puzzle.Grid[col + 2][2 * k - 3] = 1;
  }
}

TEST_F(UniqueCheckWindow, APuzzleForTheSearchThatLearnsIsDecidedBehindTheProgressBox) {
  NewPicture(19);
  PaintNineDom(app);
  ExpectVerdictBehindTheProgressBox("解は一つだけです。\n難易度：探索", "unique-check-9-dom.png");
}

// A 30 x 30 puzzle opened for play whose plain search passes the node threshold before it meets a
// solution: the search that learns goes beside it at once, and the verdict comes behind the
// progress box.
TEST_F(UniqueCheckWindow, ABoardBothSearchesWorkOnSideBySideIsDecidedBehindTheProgressBox) {
  test::ShowMainWindow(ui, w, app, {900, 700});
  const std::string path = std::string(GW_SOURCE_DIR) + "/bench/puzzles/rand30-beside-125.non";
  ASSERT_TRUE(OpenPuzzleForPlay(app, path));
  ASSERT_EQ(app.puzzle.XSize, 30);
  ExpectVerdictBehindTheProgressBox("解が複数あります。", "unique-check-beside.png");
}

TEST_F(UniqueCheckWindow, Screenshot) {
  QString dir = qEnvironmentVariable("GW_SHOT_DIR");
  if (dir.isEmpty() || QGuiApplication::platformName() != "xcb")
    GTEST_SKIP() << "screenshots are taken with GW_SHOT_DIR set under xvfb-run";
  QApplication::setFont(QFont(kMinchoFont, 10));
  NewPicture(12);
  w.move(20, 20);
  // A heart, and beside it two cells on a diagonal that the other diagonal would do for too.
  const char* rows[] = {"..........1.", ".11....11..1", "1111..1111..", "111111111111", "1111111111..",
                        ".11111111...", "..111111....", "...1111.....", "....11......", "............",
                        "............", "............"};
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x)
      if (rows[y][x] != '.') Paint(x + 1, y + 1, rows[y][x] - '0');
  QTest::qWait(300);
  shot = dir + "/unique-check-overlay.png";
  Check();
}

TEST_F(UniqueCheckWindow, ScreenshotOfTheProgressBox) {
  QString dir = qEnvironmentVariable("GW_SHOT_DIR");
  if (dir.isEmpty() || QGuiApplication::platformName() != "xcb")
    GTEST_SKIP() << "screenshots are taken with GW_SHOT_DIR set under xvfb-run";
  QApplication::setFont(QFont(kMinchoFont, 10));
  NewPicture(20);
  ui.SetProgressDelay(0);
  w.move(20, 20);
  PaintHardPicture(app);
  MainWndPaint(app);
  QTest::qWait(300);
  const QString path = dir + "/unique-check-progress.png";
  bool boxSeen = false;
  test::WhenModal<QProgressDialog>([&](QProgressDialog& box) {
    boxSeen = true;
    QTest::qWait(300);
    QGuiApplication::primaryScreen()->grabWindow(0).save(path);
    box.cancel();
  });
  Check();
  EXPECT_TRUE(boxSeen);
}

}  // namespace
}  // namespace gw
