#include "display/Viewport.h"

#include <algorithm>
#include <cmath>

#include "display/BoardLayout.h"
#include "display/Draw.h"
#include "display/PaneSurface.h"
#include "state/PuzzleState.h"

namespace gw {
namespace {

constexpr double kZoomStep = 1.25;
// 80 logical pixels a cell (at 15 twips a pixel) is as far as zooming in goes.
constexpr double kMostCellTwips = 1200;
// The pinned hint areas may take this share of the board's part of the window at most.
constexpr double kPinnedShare = 0.6;
// The hint font is one cell high and its digits about seven tenths of that: below 13 pixels (of
// 15 twips) a cell, digits of some 9 pixels, the hints of a large board run into blobs.
constexpr double kReadableCellTwips = 13 * 15;

int Columns(const PuzzleState& p) { return p.XSize + p.XHintCount + 2; }
int Rows(const PuzzleState& p) { return p.YSize + p.YHintCount + 2; }

// The scale of a zoomed window: the content starts at the left and top edges where it scrolls,
// and is centred as in the fitted layout where it fits.
struct Placement {
  double left = 0, top = 0, width = 1, height = 1;
  double maxX = 0, maxY = 0;
};

Placement PlaceAt(TwipsSize client, int columns, int rows, double cell) {
  Placement pl;
  pl.width = std::max(client.width / cell, 1.0);
  pl.height = std::max(client.height / cell, 1.0);
  double share = kBoardShare * pl.width;
  if (columns <= share) pl.left = -(share - columns) / 2;
  else pl.maxX = columns - share;
  if (rows <= pl.height) pl.top = (rows - pl.height) / 2;
  else pl.maxY = rows - pl.height;
  return pl;
}

double LargestCell(const PuzzleState& p, TwipsSize client) {
  double byHints = std::min(kPinnedShare * kBoardShare * client.width / (p.XHintCount + 1),
                            kPinnedShare * client.height / (p.YHintCount + 1));
  return std::min(kMostCellTwips, byHints);
}

// The zoom a board opens at: fitted (0) when its hints read so, else the smallest readable one.
// A board of 20 x 20 or less always opens fitted, in a window of any size, as it always did.
double OpeningCellTwips(App& app, TwipsSize client) {
  const PuzzleState& p = app.puzzle;
  if (p.XSize <= kMaxSize && p.YSize <= kMaxSize) return 0;
  double fit = FittedCellTwips(app);
  if (fit >= kReadableCellTwips) return 0;
  double cell = std::min(kReadableCellTwips, LargestCell(p, client));
  return cell > fit * 1.001 ? cell : 0;
}

// A zoom chosen for one board is no zoom for the next: a board of other sizes starts at its
// opening zoom, showing its top-left corner.
void ForgetZoomOfAnotherBoard(App& app, TwipsSize client) {
  BoardView& v = app.layout.view;
  const PuzzleState& p = app.puzzle;
  int now[4] = {p.XSize, p.YSize, p.XHintCount, p.YHintCount};
  if (std::equal(std::begin(now), std::end(now), std::begin(v.chosenFor))) return;
  std::copy(std::begin(now), std::end(now), std::begin(v.chosenFor));
  v.cellTwips = OpeningCellTwips(app, client);
  v.scrollX = v.scrollY = 0;
}

Surface& Window(App& app) { return app.ui.GetSurface(SurfaceId::Main); }

}  // namespace

Surface& BoardSurface(App& app) {
  if (app.layout.view.zoomed) return app.layout.panes;
  return Window(app);
}

void WindowToBoard(const App& app, double& x, double& y) {
  const BoardView& v = app.layout.view;
  if (!v.zoomed) return;
  if (x >= v.pinX) x += v.scrollX;
  if (y >= v.pinY) y += v.scrollY;
}

void BoardToWindow(const App& app, double& x, double& y) {
  const BoardView& v = app.layout.view;
  if (!v.zoomed) return;
  if (x >= v.pinX) x -= v.scrollX;
  if (y >= v.pinY) y -= v.scrollY;
}

bool PlaceZoomed(App& app, TwipsSize client, ZoomedScale& out) {
  BoardView& v = app.layout.view;
  const PuzzleState& p = app.puzzle;
  ForgetZoomOfAnotherBoard(app, client);
  v.zoomed = false;
  v.maxScrollX = v.maxScrollY = 0;
  if (v.cellTwips <= 0 || p.XSize == 0) return false;
  Placement pl = PlaceAt(client, Columns(p), Rows(p), v.cellTwips);
  v.maxScrollX = pl.maxX;
  v.maxScrollY = pl.maxY;
  v.scrollX = std::clamp(v.scrollX, 0.0, pl.maxX);
  v.scrollY = std::clamp(v.scrollY, 0.0, pl.maxY);
  v.pinX = p.XHintCount + 1;
  v.pinY = p.YHintCount + 1;
  v.visLeft = pl.left;
  v.visRight = pl.left + kBoardShare * pl.width;
  v.visTop = pl.top;
  v.visBottom = pl.top + pl.height;
  out = {pl.left, pl.top, pl.width, pl.height};
  v.zoomed = true;
  return true;
}

void AttachPanes(App& app, Surface& window) {
  if (app.layout.view.zoomed) app.layout.panes.Attach(&window, app.layout.view);
}

void ZoomBoard(App& app, int steps, double x, double y) {
  PuzzleState& p = app.puzzle;
  BoardView& v = app.layout.view;
  if (p.XSize == 0 || steps == 0) return;
  Surface& s = Window(app);
  TwipsSize client = s.ClientSize();
  double fit = FittedCellTwips(app);
  double cell = (v.cellTwips > 0 ? v.cellTwips : fit) * std::pow(kZoomStep, steps);
  cell = std::min(cell, std::max(fit, LargestCell(p, client)));
  if (cell <= fit * 1.001) {
    v.cellTwips = 0;
    v.scrollX = v.scrollY = 0;
  } else {
    // The content point under (x, y) stays under it: where the point lands at the new cell size,
    // measured from the scale's corner as before, fixes the scroll.
    double cx = x, cy = y;
    WindowToBoard(app, cx, cy);
    Placement pl = PlaceAt(client, Columns(p), Rows(p), cell);
    double nx = pl.left + (x - s.ScaleLeft()) * (client.width / s.ScaleWidth()) / cell;
    double ny = pl.top + (y - s.ScaleTop()) * (client.height / s.ScaleHeight()) / cell;
    v.cellTwips = cell;
    v.chosenFor[0] = p.XSize, v.chosenFor[1] = p.YSize, v.chosenFor[2] = p.XHintCount, v.chosenFor[3] = p.YHintCount;
    if (cx >= p.XHintCount + 1) v.scrollX = cx - nx;
    if (cy >= p.YHintCount + 1) v.scrollY = cy - ny;
  }
  PaintBoard(app);
}

void ZoomBoardAtCentre(App& app, int steps) {
  Surface& s = Window(app);
  ZoomBoard(app, steps, s.ScaleLeft() + kBoardShare * s.ScaleWidth() / 2, s.ScaleTop() + s.ScaleHeight() / 2);
}

void ZoomToFit(App& app) {
  BoardView& v = app.layout.view;
  if (v.cellTwips == 0) return;
  v.cellTwips = 0;
  v.scrollX = v.scrollY = 0;
  PaintBoard(app);
}

void ForgetZoom(App& app) {
  BoardView& v = app.layout.view;
  v.cellTwips = 0;
  v.scrollX = v.scrollY = 0;
}

void ScrollBoardTo(App& app, double x, double y) {
  BoardView& v = app.layout.view;
  if (!v.zoomed) return;
  x = std::clamp(x, 0.0, v.maxScrollX);
  y = std::clamp(y, 0.0, v.maxScrollY);
  if (x == v.scrollX && y == v.scrollY) return;
  v.scrollX = x;
  v.scrollY = y;
  PaintBoard(app);
}

void ScrollBoardBy(App& app, double dx, double dy) {
  const BoardView& v = app.layout.view;
  ScrollBoardTo(app, v.scrollX + dx, v.scrollY + dy);
}

namespace {

// The scroll that brings content [a, a + 1] into the window's [lo, hi) of the scrolled pane.
double ScrollToShow(double a, double scroll, double lo, double hi) {
  if (a - scroll < lo) return a - lo;
  if (a + 1 - scroll > hi) return a + 1 - hi;
  return scroll;
}

}  // namespace

bool ScrollCellIntoView(App& app, int col, int row) {
  const BoardView& v = app.layout.view;
  const PuzzleState& p = app.puzzle;
  if (!v.zoomed) return false;
  double x = ScrollToShow(p.XHintCount + col, v.scrollX, v.pinX, v.visRight);
  double y = ScrollToShow(p.YHintCount + row, v.scrollY, v.pinY, v.visBottom);
  double beforeX = v.scrollX, beforeY = v.scrollY;
  ScrollBoardTo(app, x, y);
  return v.scrollX != beforeX || v.scrollY != beforeY;
}

bool ScrollForDrag(App& app, double& x, double& y) {
  const BoardView& v = app.layout.view;
  if (!v.zoomed) return false;
  double dx = x >= v.visRight ? 1 : x < v.pinX && v.scrollX > 0 ? -1 : 0;
  double dy = y >= v.visBottom ? 1 : y < v.pinY && v.scrollY > 0 ? -1 : 0;
  if (dx == 0 && dy == 0) return false;
  double beforeX = v.scrollX, beforeY = v.scrollY;
  ScrollBoardBy(app, dx, dy);
  // The pointer stands for the cell at the edge it ran past.
  if (dx > 0) x = v.visRight - 0.5;
  if (dx < 0) x = v.pinX + 0.5;
  if (dy > 0) y = v.visBottom - 0.5;
  if (dy < 0) y = v.pinY + 0.5;
  return v.scrollX != beforeX || v.scrollY != beforeY;
}

}  // namespace gw
