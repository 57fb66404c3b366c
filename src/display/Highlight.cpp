#include "display/Highlight.h"

#include <algorithm>
#include <optional>

#include "App.h"
#include "display/BoardLayout.h"
#include "display/PaneSurface.h"
#include "display/Viewport.h"
#include "state/PuzzleState.h"

namespace gw {
namespace {

constexpr Rgb kWhite = MakeRgb(255, 255, 255);
constexpr double kFrameBand = 0.12;

// A see-through fill keeps the cell's own colour readable under it; the frame makes the cell
// stand out on any colour, light or dark.
constexpr HighlightStyle kHatch{};
constexpr HighlightStyle kFrame{false, kFrameBand};
constexpr HighlightStyle kTint{true, 0, MakeRgb(255, 40, 120), 110, MakeRgb(200, 0, 80), true};
// Light enough that the cells, hints and crosses under it read as before, on white and on colour.
constexpr HighlightStyle kLineTint{true, 0, MakeRgb(30, 110, 255), 46, 0, false, false};

void DrawMark(Surface& s, const HighlightMark& m) {
  const HighlightStyle& style = StyleOf(m.kind);
  Rgb xorColour = m.colour ^ kWhite;
  s.SetDrawMode(DrawMode::Xor);
  if (style.band > 0) XorFrame(s, m.x1, m.y1, m.x2, m.y2, style.band, xorColour);
  else s.HatchBox(m.x1, m.y1, m.x2, m.y2, xorColour, xorColour);
}

bool EndsAt(HighlightKind kind, HighlightEnd why) {
  return why != HighlightEnd::Action || StyleOf(kind).endsAtAction;
}

void NoteTint(App& app, bool changed) {
  if (changed) app.ui.HighlightChanged();
}

// The marks drawn one way (a tint, or into the picture) give way to `marks`, drawn that way.
void Replace(App& app, bool tint, std::vector<HighlightMark> marks) {
  std::vector<HighlightMark>& shown = app.layout.Highlight;
  Surface& s = BoardSurface(app);
  bool changed = !marks.empty();
  std::erase_if(shown, [&](const HighlightMark& m) {
    if (StyleOf(m.kind).tint != tint) return false;
    if (!tint) DrawMark(s, m);
    changed = true;
    return true;
  });
  if (!tint)
    for (const HighlightMark& m : marks) DrawMark(s, m);
  shown.insert(shown.end(), marks.begin(), marks.end());
  NoteTint(app, tint && changed);
}

}  // namespace

const HighlightStyle& StyleOf(HighlightKind kind) {
  switch (kind) {
    case HighlightKind::HintLine:
    case HighlightKind::WrongLine: return kFrame;
    case HighlightKind::Ambiguity: return kTint;
    case HighlightKind::PointerLine: return kLineTint;
    default: return kHatch;
  }
}

Rgb KindColour(HighlightKind kind) {
  switch (kind) {
    case HighlightKind::HintLine: return MakeRgb(0, 176, 0);
    case HighlightKind::HintEmpty: return MakeRgb(128, 128, 128);
    case HighlightKind::Ambiguity:
    case HighlightKind::PointerLine: return StyleOf(kind).fill;
    default: return MakeRgb(255, 0, 0);
  }
}

void ShowMarks(App& app, std::vector<HighlightMark> marks) { Replace(app, false, std::move(marks)); }

void ShowTint(App& app, std::vector<HighlightMark> marks) { Replace(app, true, std::move(marks)); }

void EndHighlight(App& app, HighlightEnd why) {
  std::vector<HighlightMark>& shown = app.layout.Highlight;
  if (shown.empty()) return;
  bool tintGone = false;
  std::erase_if(shown, [&](const HighlightMark& m) {
    if (!EndsAt(m.kind, why)) return false;
    if (StyleOf(m.kind).tint) tintGone = true;
    else if (why != HighlightEnd::Repaint) DrawMark(BoardSurface(app), m);
    return true;
  });
  NoteTint(app, tintGone);
}

namespace {

// The row's or column's band from the outer edge of its hints to the board's far edge, as it
// shows in the window: the hints stay put while a zoomed board scrolls, and the board's share of
// the window clips it. None when the line is scrolled out of sight.
std::optional<HighlightMark> LineBand(const App& app, int col, int row) {
  const PuzzleState& p = app.puzzle;
  const BoardView& v = app.layout.view;
  double at = row > 0 ? p.YHintCount + row : p.XHintCount + col;
  double end = row > 0 ? p.XHintCount + p.XSize + 1.0 : p.YHintCount + p.YSize + 1.0;
  double scroll = row > 0 ? v.scrollY : v.scrollX, across = row > 0 ? v.scrollX : v.scrollY;
  double pin = row > 0 ? v.pinY : v.pinX, far = row > 0 ? v.visRight : v.visBottom;
  double farEnd = row > 0 ? v.visBottom : v.visRight;
  if (v.zoomed) {
    at -= scroll;
    end = std::min(end - across, far);
    if (at < pin || at + 1 > farEnd + 1e-9) return std::nullopt;
  }
  if (row > 0) return HighlightMark{HighlightKind::PointerLine, 0, row, 1, at, end, at + 1, StyleOf(HighlightKind::PointerLine).fill};
  return HighlightMark{HighlightKind::PointerLine, col, 0, at, 1, at + 1, end, StyleOf(HighlightKind::PointerLine).fill};
}

}  // namespace

void ShowPointerLine(App& app, int col, int row) {
  BoardLayout& l = app.layout;
  if (col == l.PointerCol && row == l.PointerRow) return;
  bool was = !l.PointerLine.empty();
  l.PointerLine.clear();
  l.PointerCol = col;
  l.PointerRow = row;
  if (col > 0 && row > 0) {
    if (auto band = LineBand(app, 0, row)) l.PointerLine.push_back(*band);
    if (auto band = LineBand(app, col, 0)) l.PointerLine.push_back(*band);
  }
  if (was || !l.PointerLine.empty()) app.ui.HighlightChanged();
}

bool Highlighted(const App& app, int col, int row) {
  return std::any_of(app.layout.Highlight.begin(), app.layout.Highlight.end(), [&](const HighlightMark& m) {
    return (m.col == col || (m.col == 0 && m.row != 0)) && (m.row == row || (m.row == 0 && m.col != 0));
  });
}

HighlightMark CellMark(const App& app, HighlightKind kind, int col, int row, Rgb colour) {
  const PuzzleState& p = app.puzzle;
  double cx = p.XHintCount + col, cy = p.YHintCount + row;
  // A tint covers its cell; a hatched box leaves the cell's edge to show which cell it is.
  if (StyleOf(kind).tint) return {kind, col, row, cx, cy, cx + 1, cy + 1, colour};
  return {kind, col, row, cx + 0.05, cy + 0.05, cx + 0.95, cy + 0.95, colour};
}

HighlightMark CellMark(const App& app, HighlightKind kind, int col, int row) {
  return CellMark(app, kind, col, row, KindColour(kind));
}

HighlightMark RowFrame(const App& app, HighlightKind kind, int y) {
  const PuzzleState& p = app.puzzle;
  double top = p.YHintCount + y;
  return {kind, 0, y, 1, top, p.XHintCount + p.XSize + 1.0, top + 1, KindColour(kind)};
}

HighlightMark ColFrame(const App& app, HighlightKind kind, int x) {
  const PuzzleState& p = app.puzzle;
  double left = p.XHintCount + x;
  return {kind, x, 0, left, 1, left + 1, p.YHintCount + p.YSize + 1.0, KindColour(kind)};
}

void XorFrame(Surface& s, double x1, double y1, double x2, double y2, double band, Rgb colour) {
  s.FillBox(x1, y1, x2, y1 + band, colour);
  s.FillBox(x1, y2 - band, x2, y2, colour);
  s.FillBox(x1, y1 + band, x1 + band, y2 - band, colour);
  s.FillBox(x2 - band, y1 + band, x2, y2 - band, colour);
}

}  // namespace gw
