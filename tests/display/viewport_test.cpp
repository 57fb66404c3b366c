// Zoom and scrolling: the fitted layout stays until the player zooms, a zoom keeps the cell under
// the pointer, window and board positions map both ways, the keyboard's cell is kept in sight and
// a board of other sizes starts fitted again.
#include "display/BoardLayout.h"
#include "display/PaneSurface.h"
#include "display/Viewport.h"

#include <gtest/gtest.h>

#include <random>

#include "display/Draw.h"
#include "mainwnd/MainWnd.h"
#include "state/PuzzleState.h"
#include "support/TestApp.h"

namespace gw {
namespace {

// A 45 x 45 board with 8 hint slots each way in an 800 x 600 pixel window (in twips).
struct Zoomed : test::TestApp {
  Zoomed() {
    Start();
    test::MakeBoard(app, 45, 45, 8, 8);
    ui.SetWindowGeometry({0, 0, 12000 + 240, 9000 + 960});
    PaintBoard(app);
    // Its hints would be too small fitted: it opens zoomed, and Ctrl+0 fits it.
    ZoomToFit(app);
    TakeOutput();
  }
  const BoardView& view() const { return app.layout.view; }
  Surface& window() { return ui.GetSurface(SurfaceId::Main); }
};

TEST(Viewport, TheFittedLayoutStaysUntilThePlayerZooms) {
  Zoomed t;
  EXPECT_FALSE(t.view().zoomed);
  EXPECT_EQ(&BoardSurface(t.app), &t.window());
  ZoomBoardAtCentre(t.app, 1);
  EXPECT_TRUE(t.view().zoomed);
  EXPECT_NEAR(t.view().cellTwips, 1.25 * FittedCellTwips(t.app), 1e-9);
  EXPECT_GT(t.view().maxScrollY, 0);
  EXPECT_EQ(&BoardSurface(t.app), &t.app.layout.panes);
  // Out again past the fitted size: the layout of old, unscrolled.
  ZoomBoardAtCentre(t.app, -3);
  EXPECT_FALSE(t.view().zoomed);
  EXPECT_EQ(t.view().cellTwips, 0);
  EXPECT_EQ(t.view().scrollX, 0);
}

TEST(Viewport, AZoomKeepsTheBoardPointUnderThePointer) {
  Zoomed t;
  std::mt19937 rng(23);
  std::uniform_real_distribution<double> along(0.2, 0.8);
  for (int round = 0; round < 20; ++round) {
    Surface& s = t.window();
    double x = t.view().pinX + along(rng) * (s.ScaleLeft() + 0.9 * s.ScaleWidth() - t.view().pinX - 1);
    double y = t.view().pinY + along(rng) * (s.ScaleTop() + s.ScaleHeight() - t.view().pinY - 1);
    if (!t.view().zoomed) x = 9 + along(rng) * 40, y = 9 + along(rng) * 40;
    double bx = x, by = y;
    WindowToBoard(t.app, bx, by);
    // Where the point lands in the window after the zoom, measured in twips from the corner.
    double twipsX = (x - s.ScaleLeft()) * s.ClientSize().width / s.ScaleWidth();
    double twipsY = (y - s.ScaleTop()) * s.ClientSize().height / s.ScaleHeight();
    int steps = round % 3 == 2 ? -1 : 1;
    ZoomBoard(t.app, steps, x, y);
    double nx = s.ScaleLeft() + twipsX * s.ScaleWidth() / s.ClientSize().width;
    double ny = s.ScaleTop() + twipsY * s.ScaleHeight() / s.ClientSize().height;
    double ax = nx, ay = ny;
    WindowToBoard(t.app, ax, ay);
    // The scroll may stop at its end; short of that the same board point is under the pointer.
    bool clampedX = t.view().scrollX == 0 || t.view().scrollX == t.view().maxScrollX;
    bool clampedY = t.view().scrollY == 0 || t.view().scrollY == t.view().maxScrollY;
    if (t.view().zoomed && !clampedX) {
      EXPECT_NEAR(ax, bx, 1e-6) << round;
    }
    if (t.view().zoomed && !clampedY) {
      EXPECT_NEAR(ay, by, 1e-6) << round;
    }
  }
}

TEST(Viewport, WindowAndBoardPositionsMapBothWays) {
  Zoomed t;
  ZoomBoardAtCentre(t.app, 3);
  ScrollBoardTo(t.app, 7.5, 11.25);
  ASSERT_TRUE(t.view().zoomed);
  std::mt19937 rng(5);
  std::uniform_real_distribution<double> unit(0, 1);
  const BoardView& v = t.view();
  for (int i = 0; i < 200; ++i) {
    double x = v.visLeft + unit(rng) * (v.visRight - v.visLeft);
    double y = v.visTop + unit(rng) * (v.visBottom - v.visTop);
    double bx = x, by = y;
    WindowToBoard(t.app, bx, by);
    // The pinned hints do not move; the board moves by the scroll.
    EXPECT_DOUBLE_EQ(bx, x < v.pinX ? x : x + 7.5);
    EXPECT_DOUBLE_EQ(by, y < v.pinY ? y : y + 11.25);
    BoardToWindow(t.app, bx, by);
    EXPECT_NEAR(bx, x, 1e-9);
    EXPECT_NEAR(by, y, 1e-9);
  }
}

TEST(Viewport, ScrollsStayInTheirRangeAndTheKeyboardCellIsKeptInSight) {
  Zoomed t;
  t.app.puzzle.Mode = kModePlay;
  ZoomBoardAtCentre(t.app, 3);
  ScrollBoardTo(t.app, -5, 1e6);
  EXPECT_EQ(t.view().scrollX, 0);
  EXPECT_EQ(t.view().scrollY, t.view().maxScrollY);
  ScrollBoardTo(t.app, 0, 0);
  for (int i = 0; i < 60; ++i) MainWndKeyDown(t.app, kKeyRight);
  for (int i = 0; i < 60; ++i) MainWndKeyDown(t.app, kKeyDown);
  EXPECT_EQ(t.app.layout.KeyCol, 45);
  EXPECT_EQ(t.app.layout.KeyRow, 45);
  double x = t.app.puzzle.XHintCount + 45, y = t.app.puzzle.YHintCount + 45;
  BoardToWindow(t.app, x, y);
  EXPECT_GE(x, t.view().pinX);
  EXPECT_LE(x + 1, t.view().visRight + 1e-9);
  EXPECT_GE(y, t.view().pinY);
  EXPECT_LE(y + 1, t.view().visBottom + 1e-9);
  // A press there reaches the cell the keyboard stands on.
  MainWndMouseDown(t.app, kLeftButton, 0, x + 0.5, y + 0.5);
  EXPECT_EQ(t.app.puzzle.Grid[45][45], t.app.puzzle.CurColor);
}

TEST(Viewport, ABoardOfOtherSizesStartsFitted) {
  Zoomed t;
  ZoomBoardAtCentre(t.app, 2);
  ASSERT_TRUE(t.view().zoomed);
  test::MakeBoard(t.app, 30, 30, 6, 6);
  PaintBoard(t.app);
  EXPECT_FALSE(t.view().zoomed);
  EXPECT_EQ(t.view().cellTwips, 0);
}

}  // namespace
}  // namespace gw
