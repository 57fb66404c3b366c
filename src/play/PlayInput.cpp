#include "play/PlayInput.h"

#include <cstdlib>

#include "display/BoardLayout.h"
#include "display/Draw.h"
#include "display/Highlight.h"
#include "display/Viewport.h"
#include "settings/Options.h"
#include "mainwnd/BoardUnits.h"
#include "rules/HintCheck.h"
#include "mainwnd/MainWnd.h"
#include "state/Document.h"
#include "state/PuzzleState.h"

namespace gw {
namespace {

// A mouse position as the board sees it: the whole unit it falls in and the board cell that unit
// belongs to (col below 1 lies in the row hints, row below 1 in the column hints).
struct BoardSpot {
  int fx, fy, col, row;
};

BoardSpot SpotAt(const PuzzleState& p, double x, double y) {
  int fx = WholeUnit(x), fy = WholeUnit(y);
  return {fx, fy, fx - p.XHintCount, fy - p.YHintCount};
}

bool OnBoard(const PuzzleState& p, int col, int row) {
  return col >= 1 && col <= p.XSize && row >= 1 && row <= p.YSize;
}

// The order of the tests matters only in that every press beyond them changes nothing; with no
// puzzle loaded (XSize 0) they turn every press away.
bool InsideHintsOrBoard(const PuzzleState& p, const BoardSpot& s) {
  return s.fx > 0 && s.col <= p.XSize && s.fy > 0 && s.row <= p.YSize;
}

// A tick set or taken off by hand; an empty slot has nothing to tick.
void ToggleCheckByHand(App& app, int* hint) {
  if (hint[kHintNumber] == 0) return;
  hint[kHintCheck] = hint[kHintCheck] < 0 ? 0 : -1;
  app.document.Dirty = 1;
}

void PressOnHints(App& app, const BoardSpot& s) {
  PuzzleState& p = app.puzzle;
  if (s.col < 1) {
    // The corner square above the row hints and left of the column hints holds nothing.
    if (s.row < 1 || s.fx > kMaxBoard) return;
    ToggleCheckByHand(app, p.RowHints[s.fx][s.row]);
  } else {
    if (s.fy > kMaxBoard) return;
    ToggleCheckByHand(app, p.ColHints[s.col][s.fy]);
  }
}

// Left paints with the current colour or clears a cell of that colour; right marks or clears a
// mark. Either overwrites whatever else the cell held in one click.
void PressOnCell(App& app, int button, int col, int row) {
  PuzzleState& p = app.puzzle;
  int cell = p.Grid[col][row];
  int value;
  if (button == kLeftButton) value = cell == p.CurColor ? 0 : p.CurColor;
  else if (button == kRightButton) value = cell < 0 ? 0 : -p.CurColor;
  else return;
  SetCell(app, col, row, value);
  app.layout.DragValue = value;
}

// Moves the hover highlight from one cell to another. A strip that stays (the row's when moving
// along it, the column's when moving up or down) would be taken off and put back by exclusive-or
// drawings that cancel; it is left alone, which halves the drawing of every move of a drag.
void MoveHoverHighlight(App& app, int oldCol, int oldRow, int col, int row) {
  const PuzzleState& p = app.puzzle;
  bool was = OnBoard(p, oldCol, oldRow), now = OnBoard(p, col, row);
  if (was && (!now || row != oldRow)) ToggleRowStrip(app, oldRow);
  if (was && (!now || col != oldCol)) ToggleColStrip(app, oldCol);
  if (now && (!was || row != oldRow)) ToggleRowStrip(app, row);
  if (now && (!was || col != oldCol)) ToggleColStrip(app, col);
}

void FollowWithLineTint(App& app, const BoardSpot& s) {
  bool on = TintsLines(app) && OnBoard(app.puzzle, s.col, s.row);
  ShowPointerLine(app, on ? s.col : 0, on ? s.row : 0);
}

// The cells from the stroke's first cell to the pointer when both stand in one line; 0 when the
// stroke has left that line or covers only the cell it began on.
int StrokeCellsTo(const BoardLayout& l, int col, int row) {
  int cells = row == l.StrokeRow ? std::abs(col - l.StrokeCol) + 1 : col == l.StrokeCol ? std::abs(row - l.StrokeRow) + 1 : 0;
  return cells >= 2 ? cells : 0;
}

void ShowStrokeCount(App& app, int cells, double x, double y) {
  BoardLayout& l = app.layout;
  BoardToWindow(app, x, y);
  if (cells == l.StrokeCells && (cells == 0 || (x == l.StrokeX && y == l.StrokeY))) return;
  l.StrokeCells = cells;
  l.StrokeX = x;
  l.StrokeY = y;
  app.ui.HighlightChanged();
}

void CheckCellLines(App& app, int col, int row) {
  if (app.puzzle.AutoCheck != 1) return;
  CheckRowHints(app, row);
  CheckColHints(app, col);
}

}  // namespace

void PlayMouseDown(App& app, int button, int /*shift*/, double x, double y) {
  PuzzleState& p = app.puzzle;
  BoardSpot s = SpotAt(p, x, y);
  if (!InsideHintsOrBoard(p, s)) return;
  // Every press that got this far counts as a change, also one that changes nothing.
  app.document.Dirty = 1;
  if (s.col < 1 || s.row < 1) {
    PressOnHints(app, s);
    return;
  }
  PressOnCell(app, button, s.col, s.row);
  app.layout.StrokeCol = s.col;
  app.layout.StrokeRow = s.row;
  // A middle-button press changes no cell but still has its lines checked.
  CheckCellLines(app, s.col, s.row);
}

void PlayMouseMove(App& app, int button, int /*shift*/, double x, double y) {
  PuzzleState& p = app.puzzle;
  BoardLayout& l = app.layout;
  BoardSpot s = SpotAt(p, x, y);
  if (s.col != l.HoverCol || s.row != l.HoverRow) {
    MoveHoverHighlight(app, l.HoverCol, l.HoverRow, s.col, s.row);
    l.HoverCol = s.col;
    l.HoverRow = s.row;
    FollowWithLineTint(app, s);
  }
  bool painting = button == kLeftButton || button == kRightButton;
  if (!painting) EndStrokeCount(app);
  if (!OnBoard(p, s.col, s.row)) return;
  // Only a drag with exactly one of the two buttons paints; both together, or the middle one,
  // only move the highlight.
  if (!painting) return;
  if (l.StrokeCol > 0) ShowStrokeCount(app, StrokeCellsTo(l, s.col, s.row), x, y);
  // The press that began a stroke on the board has marked the game as changed already; a stroke
  // begun in the margin has not, and its cells must not slip past the save prompt.
  if (SetCell(app, s.col, s.row, l.DragValue) != 0) app.document.Dirty = 1;
  CheckCellLines(app, s.col, s.row);
}

void EndStrokeCount(App& app) {
  BoardLayout& l = app.layout;
  bool shown = l.StrokeCells > 0;
  l.StrokeCol = l.StrokeRow = l.StrokeCells = 0;
  if (shown) app.ui.HighlightChanged();
}

void ToggleHoverHighlight(App& app, int col, int row) {
  if (!OnBoard(app.puzzle, col, row)) return;
  ToggleRowStrip(app, row);
  ToggleColStrip(app, col);
}

}  // namespace gw
