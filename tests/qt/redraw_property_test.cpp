// The one redraw against the full repaint: after any sequence of changes to cells, ticks, guess
// levels and the zoom, each followed by Redraw, the window's pixels are those of a board painted
// from scratch with the same state; and changing the state alone never draws.
#include <gtest/gtest.h>

#include <random>

#include "display/Draw.h"
#include "rules/HintCheck.h"
#include "display/Viewport.h"
#include "frontends/qt/QtPlatform.h"
#include "settings/Settings.h"
#include "solver/HintTotals.h"
#include "state/GuessLayer.h"
#include "support/TestApp.h"
#include "display/BoardLayout.h"

namespace gw {
namespace {

// A 12 × 10 board whose hints read from a picture of two colours, so that the hint check ticks.
void Puzzle(App& app) {
  test::MakeBoard(app, 12, 10, 4, 4);
  PuzzleState& p = app.puzzle;
  p.Mode = kModePlay;
  p.AutoCheck = 1;
  p.Palette[2] = 12;
  for (int y = 1; y <= p.YSize; ++y)
    test::SetRowHints(app, y, y % 3 ? std::vector<int>{2, 1, 3} : std::vector<int>{4}, 1 + y % 2);
  for (int x = 1; x <= p.XSize; ++x)
    test::SetColHints(app, x, x % 2 ? std::vector<int>{1, 2} : std::vector<int>{3, 1, 1}, 1 + x % 2);
}

struct Window {
  QtPlatform ui;
  App app{ui};
  explicit Window(qreal ratio) {
    ImageSurface& image = ui.Image(SurfaceId::Main);
    image.Resize(QSize(560, 420), ratio);
    image.SetOuterSize({576 * kTwipsPerPixel, 480 * kTwipsPerPixel});
    LoadSettings(app);
  }
  const QImage& image() { return ui.Image(SurfaceId::Main).image(); }
};

// The same state painted afresh on a window of the same size.
QImage PaintedFromScratch(Window& live, qreal ratio) {
  Window fresh(ratio);
  fresh.app.puzzle = live.app.puzzle;
  fresh.app.guess = live.app.guess;
  fresh.app.layout.view = live.app.layout.view;
  PaintBoard(fresh.app);
  return fresh.image().copy();
}

TEST(Redraw, AfterEveryChangeThePictureIsAFullRepaintOfTheState) {
  std::mt19937 rng(36);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  const qreal ratios[] = {1, 1.5, 2};
  int compared = 0, zoomed = 0, guessed = 0;
  for (int round = 0; round < 9; ++round) {
    qreal ratio = ratios[round % 3];
    Window w(ratio);
    Puzzle(w.app);
    PuzzleState& p = w.app.puzzle;
    p.MarkStyle = round % 3;
    PaintBoard(w.app);
    for (int step = 0; step < 30; ++step) {
      int x = pick(1, p.XSize), y = pick(1, p.YSize);
      switch (pick(0, 7)) {
        case 0:
        case 1:
          SetCell(w.app, x, y, pick(-2, 2));
          break;
        case 2:  // the player's checks after a cell
          SetCell(w.app, x, y, pick(1, 2));
          CheckRowHints(w.app, y);
          CheckColHints(w.app, x);
          break;
        case 3: {  // a tick by hand, on a row's or a column's hint
          int s = pick(1, 4);
          int& tick = pick(0, 1) ? p.RowHints[s][y][kHintCheck] : p.ColHints[x][s][kHintCheck];
          tick = tick < 0 ? 0 : -1;
          break;
        }
        case 4:  // several changes before one redraw, one of them undone again
          SetCell(w.app, x, y, 1);
          SetCell(w.app, pick(1, p.XSize), y, -1);
          SetCell(w.app, x, y, 0);
          EraseHintChecks(w.app);
          break;
        case 5:  // a guess level begins or ends: the cells' looks follow it
          if (w.app.guess.Depth() < 2 && pick(0, 1)) {
            PushGuessLevel(w.app.guess, p);
          } else if (w.app.guess.Depth() > 0) {
            for (const GuessedCell& c : InnermostCells(w.app.guess, p)) SetCell(w.app, c.x, c.y, c.start);
            w.app.guess.starts.pop_back();
          }
          guessed += w.app.guess.Depth() > 0;
          break;
        case 6:  // the zoom and the scroll repaint, and the redraws after them go through the panes
          if (pick(0, 2)) ZoomBoardAtCentre(w.app, pick(-1, 2));
          else ScrollBoardBy(w.app, pick(-2, 2), pick(-2, 2));
          break;
        default:
          break;  // nothing changed: the redraw must draw nothing wrong either
      }
      Redraw(w.app);
      ASSERT_EQ(w.image(), PaintedFromScratch(w, ratio)) << "round " << round << " step " << step;
      ++compared;
      zoomed += w.app.layout.view.zoomed;
    }
  }
  EXPECT_EQ(compared, 9 * 30);
  // The zoomed panes and the guess stripes were both on the way.
  EXPECT_GT(zoomed, 30);
  EXPECT_GT(guessed, 10);
}

TEST(Redraw, ChangingTheStateDrawsNothingAndASecondRedrawNothingMore) {
  Window w(1);
  Puzzle(w.app);
  PaintBoard(w.app);
  QImage before = w.image().copy();
  PuzzleState& p = w.app.puzzle;
  for (int y = 1; y <= p.YSize; ++y)
    for (int x = 1; x <= p.XSize; ++x) SetCell(w.app, x, y, (x + y) % 3 - 1);
  for (int y = 1; y <= p.YSize; ++y) CheckRowHints(w.app, y);
  for (int x = 1; x <= p.XSize; ++x) CheckColHints(w.app, x);
  EXPECT_EQ(w.image(), before);
  Redraw(w.app);
  QImage redrawn = w.image().copy();
  EXPECT_NE(redrawn, before);
  Redraw(w.app);
  EXPECT_EQ(w.image(), redrawn);
  EXPECT_EQ(redrawn, PaintedFromScratch(w, 1));
}

}  // namespace
}  // namespace gw
