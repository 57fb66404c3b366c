// The window's coordinate system and the full repaint.
#include <algorithm>

#include "display/BoardLayout.h"
#include "display/Colors.h"
#include "display/Draw.h"
#include "display/Highlight.h"
#include "display/PaletteBar.h"
#include "display/ShownPicture.h"
#include "display/Viewport.h"
#include "system/Convert.h"
#include "settings/Options.h"
#include "state/PuzzleState.h"

namespace gw {
namespace {

// The background hatch: a colour per mode.
int ModeHatchIndex(int mode) {
  switch (mode) {
    case kModePlay:
      return 3;
    case kModeNumber:
      return 4;
    default:
      return 6;
  }
}

struct Scale {
  double cell = 1;  // twips per cell edge on the deciding axis
  double width = 1, height = 1;
};

Scale ComputeScale(TwipsSize client, TwipsSize outer, int columns, int rows) {
  double cw = static_cast<double>(RoundHalfEven(kBoardShare * client.width / columns));
  double ch = static_cast<double>(RoundHalfEven(client.height / rows));
  Scale s;
  if (cw > ch) {
    // Height decides.
    s.cell = std::max(ch, 1.0);
    s.height = rows;
    s.width = static_cast<double>(RoundHalfEven(outer.width / s.cell));
  } else {
    // Width decides, also when both demands are equal.
    s.cell = std::max(cw, 1.0);
    s.width = static_cast<double>(RoundHalfEven(columns / kBoardShare));
    s.height = static_cast<double>(RoundHalfEven(outer.height / s.cell));
  }
  // A window shrunk to nothing still gets a usable scale.
  s.width = std::max(s.width, 1.0);
  s.height = std::max(s.height, 1.0);
  return s;
}

int Columns(const PuzzleState& p) { return p.XSize + p.XHintCount + 2; }
int Rows(const PuzzleState& p) { return p.YSize + p.YHintCount + 2; }

}  // namespace

double FittedCellTwips(App& app) {
  const Surface& s = app.ui.GetSurface(SurfaceId::Main);
  return ComputeScale(s.ClientSize(), s.OuterSize(), Columns(app.puzzle), Rows(app.puzzle)).cell;
}

void LayoutBoard(App& app) {
  const PuzzleState& p = app.puzzle;
  Surface& s = app.ui.GetSurface(SurfaceId::Main);
  TwipsSize client = s.ClientSize();
  PlacePaletteBar(app, client.width, client.height);

  int columns = Columns(p);
  int rows = Rows(p);
  ZoomedScale zoomed;
  bool zoom = PlaceZoomed(app, client, zoomed);
  Scale scale = ComputeScale(client, s.OuterSize(), columns, rows);
  if (zoom) scale = {app.layout.view.cellTwips, zoomed.width, zoomed.height};
  // A cell edge in points: the font of the hint numbers is one cell high.
  s.SetFontSize(scale.cell / 1440.0 * 72.0);

  s.SetDrawMode(DrawMode::Copy);
  s.NoClip();  // the panes of a zoomed board leave theirs set
  s.Clear();
  // The clear wipes the keyboard cursor's frame and the highlight: nothing may take them off again.
  app.layout.KeyCursorShown = false;
  EndHighlight(app, HighlightEnd::Repaint);
  s.SetScale(0, 0, scale.width, scale.height);
  Rgb hatch = TableColor(app, ModeHatchIndex(p.Mode));
  s.HatchBox(0, 0, scale.width, scale.height, hatch, hatch);

  // Centred vertically, and horizontally in the board's share of the width.
  double top = zoom ? zoomed.top : (rows - scale.height) / 2;
  double left = zoom ? zoomed.left : -(kBoardShare * scale.width - columns) / 2;
  s.SetScale(left, top, scale.width, scale.height);
  AttachPanes(app, s);
  DrawPaletteBar(app, 3);
  NoteLayout(app);
}

void PaintBoard(App& app) {
  // The line tint's tick shows what this board does (on by itself for a large one).
  ShowLineTintTick(app);
  LayoutBoard(app);
  DrawGrid(app);
  DrawHints(app);
  if (app.puzzle.Mode == kModeNumber)
    ToggleInputCursor(app);
  else
    DrawCells(app);
}

}  // namespace gw
