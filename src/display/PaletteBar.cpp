// The current-colour box Pic(0) and the palette column Pic(1) right of the board.
#include "display/PaletteBar.h"

#include <cmath>

#include "display/Colors.h"
#include "system/Convert.h"
#include "state/PuzzleState.h"

namespace gw {
namespace {

constexpr int kBands = 9;

void DrawCurrentColour(App& app, double pw, double ph) {
  Surface& pic0 = app.ui.GetSurface(SurfaceId::Pic0);
  pic0.Clear();
  pic0.SetDrawMode(DrawMode::Xor);
  pic0.FillBox(0, 0, pw, ph, TableColor(app, kWhiteColor));
  pic0.FillBox(0, 0, pw, ph, SlotColor(app, app.puzzle.CurColor));
}

void DrawColumn(App& app, double pw) {
  Surface& pic1 = app.ui.GetSurface(SurfaceId::Pic1);
  double band = pic1.ScaleHeight() / kBands;
  pic1.Clear();
  pic1.SetDrawMode(DrawMode::Xor);
  for (int k = 1; k <= kBands; ++k) {
    double top = static_cast<double>(RoundHalfEven((k - 1) * band));
    pic1.FillBox(0, top, pw, top + band, TableColor(app, kWhiteColor));
    pic1.FillBox(0, top, pw, top + band, SlotColor(app, k));
    std::string label = std::to_string(k);
    double x = (pw - pic1.TextWidth(label)) / 2;
    double y = (band - pic1.TextHeight(label)) / 2 + top;
    pic1.PrintText(x, y, label, LabelColorOn(SlotColor(app, k)));
  }
}

}  // namespace

void PlacePaletteBar(App& app, double clientWidth, double clientHeight) {
  double u = clientHeight / 15;
  double left = 0.9 * clientWidth, width = 0.08 * clientWidth;
  app.ui.SetPicGeometry(0, TwipsRect{left, u / 2, width, u});
  app.ui.SetPicGeometry(1, TwipsRect{left, 2.5 * u, width, kBands * u});
  // 70 % of a band's height, in points.
  app.ui.GetSurface(SurfaceId::Pic1).SetFontSize(u / 20 * 0.7);
}

void DrawPaletteBar(App& app, int what) {
  Surface& pic0 = app.ui.GetSurface(SurfaceId::Pic0);
  double pw = static_cast<double>(RoundHalfEven(pic0.ScaleWidth()));
  double ph = static_cast<double>(RoundHalfEven(pic0.ScaleHeight()));
  if (what != 1) DrawCurrentColour(app, pw, ph);
  if (what == 0) return;
  DrawColumn(app, pw);
}

void PaletteMouseDown(App& app, int /*button*/, double y) {
  double h =
      static_cast<double>(RoundHalfEven(app.ui.GetSurface(SurfaceId::Pic1).ScaleHeight() / kBands));
  // A column squeezed to nothing has no bands to hit.
  if (h <= 0 || !std::isfinite(y)) return;
  double band = std::floor(y / h) + 1;
  if (band < 1 || band > kBands) return;
  ChooseColour(app, static_cast<int>(band));
}

bool ChooseColour(App& app, int k) {
  PuzzleState& p = app.puzzle;
  if (k < 1 || k > kBands || p.Palette[k] == kFreeColor) return false;
  p.CurColor = k;
  DrawPaletteBar(app, 0);
  return true;
}

}  // namespace gw
