#include "mainwnd/Overlay.h"

#include "display/Colors.h"
#include "display/Viewport.h"

namespace gw {
namespace {

constexpr Rgb kWhite = MakeRgb(255, 255, 255);
constexpr double kFrameBand = 0.12;

void DrawMark(Surface& s, const OverlayMark& m) {
  s.SetDrawMode(DrawMode::Xor);
  if (m.band > 0) XorFrame(s, m.x1, m.y1, m.x2, m.y2, m.band, m.xorColour);
  else s.HatchBox(m.x1, m.y1, m.x2, m.y2, m.xorColour, m.xorColour);
}

}  // namespace

void ShowOverlay(App& app, std::vector<OverlayMark> marks) {
  TakeDownOverlay(app);
  Surface& s = BoardSurface(app);
  for (const OverlayMark& m : marks) DrawMark(s, m);
  app.layout.Overlay = std::move(marks);
}

void TakeDownOverlay(App& app) {
  std::vector<OverlayMark>& shown = app.layout.Overlay;
  if (shown.empty()) return;
  Surface& s = BoardSurface(app);
  for (const OverlayMark& m : shown) DrawMark(s, m);
  shown.clear();
}

OverlayMark CellMark(const App& app, int col, int row, Rgb colour) {
  const PuzzleState& p = app.puzzle;
  double cx = p.XHintCount + col, cy = p.YHintCount + row;
  return {cx + 0.05, cy + 0.05, cx + 0.95, cy + 0.95, 0, colour ^ kWhite};
}

OverlayMark RowFrame(const App& app, int y, Rgb colour) {
  const PuzzleState& p = app.puzzle;
  double top = p.YHintCount + y;
  return {1, top, p.XHintCount + p.XSize + 1.0, top + 1, kFrameBand, colour ^ kWhite};
}

OverlayMark ColFrame(const App& app, int x, Rgb colour) {
  const PuzzleState& p = app.puzzle;
  double left = p.XHintCount + x;
  return {left, 1, left + 1, p.YHintCount + p.YSize + 1.0, kFrameBand, colour ^ kWhite};
}

void XorFrame(Surface& s, double x1, double y1, double x2, double y2, double band, Rgb colour) {
  s.FillBox(x1, y1, x2, y1 + band, colour);
  s.FillBox(x1, y2 - band, x2, y2, colour);
  s.FillBox(x1, y1 + band, x1 + band, y2 - band, colour);
  s.FillBox(x2 - band, y1 + band, x2, y2 - band, colour);
}

}  // namespace gw
