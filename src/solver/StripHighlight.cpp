#include "solver/StripHighlight.h"

namespace gw {
namespace {

// Standard colour 4, dark red, as 0x00BBGGRR.
constexpr Rgb kStripFill = MakeRgb(128, 0, 0);

// Until the display draws strips itself: an exclusive-or hatched box, so a second call removes it.
void XorStrip(App& app, double x1, double y1, double x2, double y2) {
  Surface& s = app.ui.GetSurface(SurfaceId::Main);
  s.SetDrawMode(DrawMode::Xor);
  s.HatchBox(x1, y1, x2, y2, app.colors.ColorTable[4], kStripFill);
}

}  // namespace

void HighlightRowStrip(App& app, int y) {
  const PuzzleState& p = app.puzzle;
  XorStrip(app, 1, p.YHintCount + y, p.XHintCount + 1, p.YHintCount + y + 1);
}

void HighlightColStrip(App& app, int x) {
  const PuzzleState& p = app.puzzle;
  XorStrip(app, p.XHintCount + x, 1, p.XHintCount + x + 1, p.YHintCount + 1);
}

}  // namespace gw
