#include "display/ShownPicture.h"

#include <algorithm>
#include <cstring>

#include "display/BoardLayout.h"
#include "display/Colors.h"
#include "display/Draw.h"
#include "display/PaneSurface.h"
#include "state/Document.h"
#include "state/PuzzleState.h"

namespace gw {
namespace {

static_assert(sizeof(ShownPicture::cells) / sizeof(ShownPicture::cells[0]) == kCap);
constexpr int kMarkSpan = sizeof(ShownPicture::marks) / sizeof(ShownPicture::marks[0]);

// A 64-bit mix over the values a full repaint reads besides the cells and the check planes, one
// value a step. Each step is a bijection of the state and the value, so two sequences that differ
// in one value always end differently. It runs at the start of every automatic solve: one
// multiplication and shift a step, and a hint's number and colour as one value.
struct Fingerprint {
  std::uint64_t h = 0x9E3779B97F4A7C15ull;
  void Add(std::int64_t v) {
    std::uint64_t z = (h ^ static_cast<std::uint64_t>(v)) * 0xBF58476D1CE4E5B9ull;
    h = z ^ (z >> 29);
  }
  void Add(const int* hint) {
    std::uint64_t number = static_cast<std::uint32_t>(hint[kHintNumber]);
    Add(static_cast<std::int64_t>(number << 32 | static_cast<std::uint32_t>(hint[kHintColor])));
  }
  void Add(double v) {
    std::int64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    Add(bits);
  }
};

std::uint64_t PictureFingerprint(App& app) {
  const PuzzleState& p = app.puzzle;
  Fingerprint f;
  for (int v : {p.Mode, p.XSize, p.YSize, p.XHintCount, p.YHintCount, p.MarkStyle, p.CurColor})
    f.Add(std::int64_t{v});
  // Slots and lines past both the board and 20 are never shown; the 21 x 21 corner is read
  // whole, as it always was.
  int span = std::min(kCap, std::max({kMaxSize, p.XSize, p.YSize, p.XHintCount, p.YHintCount}) + 1);
  for (int a = 0; a < span; ++a)
    for (int b = 0; b < span; ++b) {
      f.Add(p.RowHints[a][b]);
      f.Add(p.ColHints[a][b]);
    }
  for (int k = 0; k <= 9; ++k) f.Add(std::int64_t{p.Palette[k]});
  for (int k = 0; k <= 9; ++k) f.Add(std::int64_t{p.HasOwnColor[k] ? p.OwnColor[k] : -1});
  for (Rgb c : app.colors.ColorTable) f.Add(std::int64_t{c});
  const Surface& s = app.ui.GetSurface(SurfaceId::Main);
  for (double v : {s.ClientSize().width, s.ClientSize().height, s.OuterSize().width, s.OuterSize().height})
    f.Add(v);
  const BoardView& view = app.layout.view;
  for (double v : {view.cellTwips, view.scrollX, view.scrollY}) f.Add(v);
  return f.h;
}

bool InBoard(const PuzzleState& p, int x, int y) {
  return x >= 1 && x <= std::min(p.XSize, kMaxBoard) && y >= 1 && y <= std::min(p.YSize, kMaxBoard);
}

// The cross of ToggleHintMark without its change of Dirty: the redraw decides that as DrawHints
// would.
void FlipMark(App& app, int dx, int dy) {
  int dirty = app.document.Dirty;
  ToggleHintMark(app, dx, dy);
  app.document.Dirty = dirty;
}

// Whether a full repaint would show a cross on the square at (cx, cy): a ticked hint's.
bool WantedMark(const PuzzleState& p, int cx, int cy) {
  int x = cx - p.XHintCount, y = cy - p.YHintCount;
  if (cx >= 1 && cx <= p.XHintCount && y >= 1 && y <= p.YSize) return p.RowHints[cx][y][kHintCheck] < 0;
  if (cy >= 1 && cy <= p.YHintCount && x >= 1 && x <= p.XSize) return p.ColHints[x][cy][kHintCheck] < 0;
  return false;
}

// Draws the cells and crosses that differ between the picture and the state. Every cross is put
// right by drawing it again where it is or is missing, wherever it stands.
void DrawDifferences(App& app) {
  PuzzleState& p = app.puzzle;
  ShownPicture& shown = app.layout.shown;
  // Crosses stand on the hint areas, or where a stray toggle noted one.
  int cols = std::min(kMarkSpan, std::max(shown.markCols, p.XHintCount + p.XSize + 1));
  int rows = std::min(kMarkSpan, std::max(shown.markRows, p.YHintCount + p.YSize + 1));
  bool ticked = false;
  for (int cx = 0; cx < cols; ++cx)
    for (int cy = 0; cy < rows; ++cy) ticked |= WantedMark(p, cx, cy);
  for (int y = 1; y <= p.YSize; ++y)
    for (int x = 1; x <= p.XSize; ++x) {
      int now = shown.cells[x][y];
      if (now == p.Grid[x][y]) continue;
      if (now != 0) DrawCell(app, x, y, now);  // off, then the state's value on
      DrawCell(app, x, y, p.Grid[x][y]);
    }
  for (int cx = 0; cx < cols; ++cx)
    for (int cy = 0; cy < rows; ++cy)
      if (WantedMark(p, cx, cy) != shown.marks[cx][cy]) FlipMark(app, cx - p.XHintCount, cy - p.YHintCount);
  // DrawHints marks the game changed whenever it draws a cross.
  if (ticked) app.document.Dirty = 1;
}

}  // namespace

void NoteLayout(App& app) {
  ShownPicture& shown = app.layout.shown;
  shown = ShownPicture{};
  shown.fingerprint = PictureFingerprint(app);
}

void NoteGrid(App& app) { app.layout.shown.steps |= 1; }
void NoteHints(App& app) { app.layout.shown.steps |= 2; }

void NoteCellsDrawn(App& app) {
  ShownPicture& shown = app.layout.shown;
  // The number-input picture has a cursor instead of cells.
  if (shown.steps == 3 && app.puzzle.Mode != kModeNumber) shown.valid = true;
}

void NoteCell(App& app, int x, int y, int value) {
  ShownPicture& shown = app.layout.shown;
  if (value == 0) return;
  if (!InBoard(app.puzzle, x, y)) {  // drawn where no repaint draws: only a repaint wipes it
    shown.valid = false;
    return;
  }
  std::int8_t& now = shown.cells[x][y];
  // A value drawn over itself cancels out; over another value it leaves a mixture no state shows.
  if (now == 0 && value >= -128 && value <= 127) now = static_cast<std::int8_t>(value);
  else if (now == value) now = 0;
  else shown.valid = false;
}

void NoteMark(App& app, int cx, int cy) {
  if (cx < 0 || cy < 0 || cx >= kMarkSpan || cy >= kMarkSpan) {
    app.layout.shown.valid = false;
    return;
  }
  ShownPicture& shown = app.layout.shown;
  shown.marks[cx][cy] = !shown.marks[cx][cy];
  shown.markCols = std::max(shown.markCols, cx + 1);
  shown.markRows = std::max(shown.markRows, cy + 1);
}

void CatchUpPicture(App& app) {
  BoardLayout& l = app.layout;
  // A trial's cells are never shown: the picture stays as it was before the trial.
  if (!l.DrawingDeferred || l.DrawingHeld) return;
  int dirty = app.document.Dirty;
  l.DrawingDeferred = false;
  // While drawing is deferred only cells and ticks change, which the difference covers.
  if (l.shown.valid) DrawDifferences(app);
  else PaintBoard(app);
  app.document.Dirty = dirty;
  l.DrawingDeferred = true;
}

namespace {

// RedrawBoard up to the cells and crosses: false when the picture only differs in those.
bool RedrawAllButDifferences(App& app) {
  const ShownPicture& shown = app.layout.shown;
  if (!shown.valid || shown.fingerprint != PictureFingerprint(app)) {
    LayoutBoard(app);
    DrawGrid(app);
    DrawHints(app);
    DrawCells(app);
    return true;
  }
  BoardLayout& l = app.layout;
  if (InBoard(app.puzzle, l.HoverCol, l.HoverRow)) {
    ToggleRowStrip(app, l.HoverRow);
    ToggleColStrip(app, l.HoverCol);
  }
  l.HoverCol = 0;
  l.HoverRow = 0;
  return false;
}

}  // namespace

void RedrawBoard(App& app) {
  if (!RedrawAllButDifferences(app)) DrawDifferences(app);
}

void RedrawBoardDeferred(App& app) {
  RedrawAllButDifferences(app);
  app.layout.DrawingDeferred = true;
}

}  // namespace gw
