// The automatic solve in the real window: drawn as it goes, and leaving exactly the picture a
// fresh paint of the solved state gives. With GW_SHOT_DIR set under xvfb-run it also takes
// screenshots half-way, at the closing message and after it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QAbstractButton>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <filesystem>
#include <functional>

#include "DialogDriver.h"
#include "display/BoardLayout.h"
#include "display/Draw.h"
#include "mainwnd/MainWnd.h"
#include "frontends/qt/MainWindow.h"
#include "frontends/qt/QtPlatform.h"
#include "solver/AutoSolve.h"
#include "state/PuzzleFiles.h"
#include "ShownWindow.h"

namespace gw {
namespace {

const std::filesystem::path kPuzzles =
    std::filesystem::path(GW_SOURCE_DIR) / "tests" / "solver" / "puzzles";

// Counts the drawing progress the solve reports, and lets a test look at the window then.
struct WatchedPlatform : QtPlatform {
  // Every solved line is shown, highlight included, as if the solve were slow.
  bool DrawingProgressDue() override { return true; }
  void ShowDrawingProgress() override {
    QtPlatform::ShowDrawingProgress();
    ++progress;
    if (onProgress) onProgress(progress);
  }
  int progress = 0;
  std::function<void(int)> onProgress;
};

struct SolverWindow : ::testing::Test {
  WatchedPlatform ui;
  App app{ui};
  MainWindow w{ui, app};

  void Open(const std::string& name) {
    test::ShowMainWindow(ui, w, app, {900, 700});
    ReadHintPuzzle(app, (kPuzzles / (name + ".gwm")).string());
    QTest::qWait(100);
    MainWndPaint(app);
    w.board()->repaint();
  }
  // Runs the solve as the menu does, answering its closing message.
  std::string Solve(std::function<void(QMessageBox&)> atMessage = nullptr) {
    std::string shown;
    test::WhenModal<QMessageBox>([&](QMessageBox& box) {
      shown = box.text().toStdString();
      if (atMessage) atMessage(box);
      box.accept();
    });
    AutoSolve(app);
    return shown;
  }
};

TEST_F(SolverWindow, LiveSolveEndsOnThePictureOfAFreshPaint) {
  Open("wilk-data047");
  std::string text = Solve();
  EXPECT_EQ(text, "背理法を 1 回使いました。\nOKキーを押してください。");
  EXPECT_GT(ui.progress, 100);  // every solved line and every trial lets the window show itself
  QImage solved = ui.Image(SurfaceId::Main).image().copy();
  PaintBoard(app);
  EXPECT_TRUE(solved == ui.Image(SurfaceId::Main).image())
      << "strips, crosses or trial cells left behind on the window";
}

// A second solve starts from the solved picture: the cells that end as they are shown are never
// drawn again, those that differ are, and the picture is again that of a fresh paint. Answered
// both ways: the board kept (cells changed behind the picture's back; a contradiction, maybe),
// and cleared.
TEST_F(SolverWindow, ASecondSolveEndsOnThePictureOfAFreshPaint) {
  Open("sgt-pattern-20x20-s7");
  Solve();
  for (QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
    app.puzzle.Grid[3][4] = 0;  // changed without drawing
    app.puzzle.Grid[7][2] = -1;
    app.puzzle.Grid[20][20] = 0;
    test::WhenModal<QMessageBox>([&](QMessageBox& ask) {
      test::WhenModal<QMessageBox>([](QMessageBox& closing) { closing.accept(); });
      ask.button(answer)->click();
    });
    AutoSolve(app);
    QImage solved = ui.Image(SurfaceId::Main).image().copy();
    PaintBoard(app);
    EXPECT_TRUE(solved == ui.Image(SurfaceId::Main).image()) << "answer " << answer;
  }
}

// The cells are drawn in batches just before the window shows itself: whenever it does (but in a
// trial, whose guesses are never shown), the board shows every cell as the state has it.
TEST_F(SolverWindow, EveryFrameShowsEveryCellDecidedSoFar) {
  Open("wilk-data047");
  QtPlatform freshUi;
  App fresh(freshUi);
  int compared = 0, decided = 0;
  ui.onProgress = [&](int) {
    if (app.solver.InTrial) return;
    ImageSurface& live = ui.Image(SurfaceId::Main);
    ImageSurface& painted = freshUi.Image(SurfaceId::Main);
    painted.Resize(live.LogicalSize(), live.PixelRatio());
    painted.SetOuterSize(live.OuterSize());
    fresh.puzzle = app.puzzle;
    fresh.colors = app.colors;
    PaintBoard(fresh);
    const PuzzleState& p = app.puzzle;
    QRect cells = live.DeviceRect(p.XHintCount + 1, p.YHintCount + 1, p.XHintCount + p.XSize + 1,
                                  p.YHintCount + p.YSize + 1);
    ASSERT_EQ(live.image().copy(cells), painted.image().copy(cells)) << "frame " << ui.progress;
    ++compared;
    for (int y = 1; y <= p.YSize; ++y)
      for (int x = 1; x <= p.XSize; ++x) decided += p.Grid[x][y] != 0;
  };
  Solve();
  EXPECT_GT(compared, 50);
  EXPECT_GT(decided, 0);
}

TEST_F(SolverWindow, ScreenshotsHalfWayAndAtTheEnd) {
  QString shots = qEnvironmentVariable("GW_SHOT_DIR");
  if (shots.isEmpty() || QGuiApplication::platformName() != "xcb")
    GTEST_SKIP() << "screenshots are taken with GW_SHOT_DIR set under xvfb-run";
  QApplication::setFont(QFont(kMinchoFont, 10));
  Open("loom-listen-left-and-right");
  w.move(20, 20);
  QTest::qWait(400);
  auto grab = [&](const char* name) {
    QGuiApplication::primaryScreen()->grabWindow(0).save(shots + "/" + name);
  };
  ui.onProgress = [&](int n) {
    if (n != 60) return;
    w.board()->repaint();
    grab("solver-halfway.png");
  };
  Solve([&](QMessageBox&) {
    QTest::qWait(300);
    grab("solver-message.png");
  });
  // As after the menu command: the window shows the board as the solve left it.
  w.board()->repaint();
  QTest::qWait(300);
  grab("solver-end.png");
}

}  // namespace
}  // namespace gw
