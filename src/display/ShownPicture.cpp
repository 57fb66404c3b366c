#include "display/ShownPicture.h"

#include <algorithm>
#include <cstring>

#include "display/BoardLayout.h"
#include "display/Colors.h"
#include "display/Draw.h"
#include "state/GuessLayer.h"
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

// Whether a full repaint would show a cross on the square at (cx, cy): a ticked hint's.
bool WantedMark(const PuzzleState& p, int cx, int cy) {
  int x = cx - p.XHintCount, y = cy - p.YHintCount;
  if (cx >= 1 && cx <= p.XHintCount && y >= 1 && y <= p.YSize) return p.RowHints[cx][y][kHintCheck] < 0;
  if (cy >= 1 && cy <= p.YHintCount && x >= 1 && x <= p.XSize) return p.ColHints[x][cy][kHintCheck] < 0;
  return false;
}

// The squares that can carry a cross: the hint areas, and wherever a stray cross was noted.
struct MarkSpan {
  int cols, rows;
};

MarkSpan MarkSpanOf(const PuzzleState& p, const ShownPicture& shown) {
  return {std::min(kMarkSpan, std::max(shown.markCols, p.XHintCount + p.XSize + 1)),
          std::min(kMarkSpan, std::max(shown.markRows, p.YHintCount + p.YSize + 1))};
}

// Calls differ(x, y, shown value, shown level, value, level) for every cell whose shown value or
// look differs from the state, row by row as a full repaint draws them; false when it stops.
// Redraw runs after every move of a drag: the columns are first compared in memory order, and
// only those that differ are visited row by row.
template <class Differ>
bool ForEachCellDifference(App& app, Differ differ) {
  const PuzzleState& p = app.puzzle;
  const ShownPicture& shown = app.layout.shown;
  bool guessing = app.guess.Depth() > 0;
  int xSize = std::min(p.XSize, kMaxBoard), ySize = std::min(p.YSize, kMaxBoard);
  bool columnDiffers[kCap] = {};
  bool any = false;
  for (int x = 1; x <= xSize; ++x) {
    bool differs = guessing;  // a guess level may change a look without a value
    for (int y = 1; y <= ySize; ++y)
      differs |= (p.Grid[x][y] != shown.cells[x][y]) | (shown.levels[x][y] != 0);
    columnDiffers[x] = differs;
    any |= differs;
  }
  if (!any) return true;
  for (int y = 1; y <= ySize; ++y)
    for (int x = 1; x <= xSize; ++x) {
      if (!columnDiffers[x]) continue;
      int value = p.Grid[x][y];
      int level = guessing ? GuessLevelOf(app.guess, x, y, value) : 0;
      int now = shown.cells[x][y], nowLevel = shown.levels[x][y];
      if (now == value && nowLevel == level) continue;
      if (!differ(x, y, now, nowLevel, value, level)) return false;
    }
  return true;
}

// The same for the crosses, column by column of squares: the crosses of one row's hints left to
// right, then those of one column's top down. Only the hint areas are read from the state; a
// square elsewhere differs only where a stray cross was noted.
template <class Differ>
bool ForEachMarkDifference(App& app, Differ differ) {
  const PuzzleState& p = app.puzzle;
  const ShownPicture& shown = app.layout.shown;
  MarkSpan span = MarkSpanOf(p, shown);
  for (int cx = 0; cx < span.cols; ++cx) {
    const bool* shownColumn = shown.marks[cx];
    // The squares of this column that belong to a hint area: [areaTop, areaBottom).
    int areaTop = 0, areaBottom = 0;
    if (cx >= 1 && cx <= p.XHintCount) areaTop = p.YHintCount + 1, areaBottom = p.YHintCount + p.YSize + 1;
    else if (cx > p.XHintCount && cx <= p.XHintCount + p.XSize) areaTop = 1, areaBottom = p.YHintCount + 1;
    areaTop = std::min(areaTop, span.rows);
    areaBottom = std::min(areaBottom, span.rows);
    // Outside the area nothing is wanted: only a cross shown there differs.
    auto strays = [&](int from, int to) {
      for (const bool* at = std::find(shownColumn + from, shownColumn + to, true); at != shownColumn + to;
           at = std::find(at + 1, shownColumn + to, true))
        if (!differ(cx, static_cast<int>(at - shownColumn))) return false;
      return true;
    };
    if (!strays(0, areaTop)) return false;
    for (int cy = areaTop; cy < areaBottom; ++cy)
      if (WantedMark(p, cx, cy) != shownColumn[cy] && !differ(cx, cy)) return false;
    if (!strays(std::max(areaTop, areaBottom), span.rows)) return false;
  }
  return true;
}

bool AnyDifference(App& app) {
  return !ForEachCellDifference(app, [](int, int, int, int, int, int) { return false; }) ||
         !ForEachMarkDifference(app, [](int, int) { return false; });
}

// Each cell that differs: the shown look off, then the state's on (a blank draws nothing). Each
// cross that differs is drawn again where it stands or is missing.
void DrawDifferences(App& app) {
  ForEachCellDifference(app, [&](int x, int y, int now, int nowLevel, int value, int level) {
    DrawCellLook(app, x, y, now, nowLevel);
    DrawCellLook(app, x, y, value, level);
    return true;
  });
  ForEachMarkDifference(app, [&](int cx, int cy) {
    DrawHintMark(app, cx, cy);
    return true;
  });
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

void NoteCell(App& app, int x, int y, int value, int level) {
  ShownPicture& shown = app.layout.shown;
  if (value == 0) return;
  if (!InBoard(app.puzzle, x, y)) {  // drawn where no repaint draws: only a repaint wipes it
    shown.valid = false;
    return;
  }
  std::int8_t& now = shown.cells[x][y];
  std::int8_t& nowLevel = shown.levels[x][y];
  bool fits = value >= -128 && value <= 127 && level >= 0 && level <= 127;
  // A look drawn over itself cancels out; over another it leaves a mixture no state shows.
  if (now == 0 && fits) {
    now = static_cast<std::int8_t>(value);
    nowLevel = static_cast<std::int8_t>(level);
  } else if (now == value && nowLevel == level) {
    now = nowLevel = 0;
  } else {
    shown.valid = false;
  }
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

void Redraw(App& app) {
  if (app.puzzle.Mode == kModeNumber) return;
  int dirty = app.document.Dirty;
  // A picture that cannot be trusted is painted afresh, but only when the state has moved on.
  if (app.layout.shown.valid) DrawDifferences(app);
  else if (AnyDifference(app)) PaintBoard(app);
  app.document.Dirty = dirty;
}

bool RepaintUnlessOnlyCellsDiffer(App& app) {
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

}  // namespace gw
