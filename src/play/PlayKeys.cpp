#include "play/PlayKeys.h"

#include <algorithm>

#include "display/BoardLayout.h"
#include "display/Colors.h"
#include "display/Highlight.h"
#include "display/PaletteBar.h"
#include "display/Viewport.h"
#include "mainwnd/BoardUnits.h"
#include "mainwnd/MainWnd.h"
#include "state/PuzzleState.h"

namespace gw {
namespace {

bool HasBoard(const PuzzleState& p) { return p.XSize >= 1 && p.YSize >= 1; }

// The middle of a board cell in board units: where the mouse would be to act on it.
double MidX(const PuzzleState& p, int col) { return p.XHintCount + col + 0.5; }
double MidY(const PuzzleState& p, int row) { return p.YHintCount + row + 0.5; }

// Moves the frame (drawing it if it was not shown) to a cell.
void PlaceKeyCursor(App& app, int col, int row) {
  BoardLayout& l = app.layout;
  if (l.KeyCursorShown && col == l.KeyCol && row == l.KeyRow) return;
  if (l.KeyCursorShown) ToggleKeyCursor(app);
  l.KeyCol = col;
  l.KeyRow = row;
  ToggleKeyCursor(app);
  l.KeyCursorShown = true;
}

int ColourKey(int code) {
  if (code >= kKey1 && code < kKey1 + 9) return code - kKey1 + 1;
  if (code >= kKeyPad1 && code < kKeyPad1 + 9) return code - kKeyPad1 + 1;
  return 0;
}

bool Arrow(int code) { return code >= kKeyLeft && code <= kKeyDown; }

// Arrows stop at the edges of the board.
void StepCursor(const PuzzleState& p, int code, int& col, int& row) {
  if (code == kKeyLeft) col = std::max(1, col - 1);
  if (code == kKeyRight) col = std::min(p.XSize, col + 1);
  if (code == kKeyUp) row = std::max(1, row - 1);
  if (code == kKeyDown) row = std::min(p.YSize, row + 1);
}

}  // namespace

void PlayKeyDown(App& app, int code, int shift) {
  const PuzzleState& p = app.puzzle;
  if (!HasBoard(p)) return;
  if (int k = ColourKey(code)) {
    ChooseColour(app, k);
    return;
  }
  int button = code == kKeySpace ? kLeftButton : (code == kKeyX || code == kKeyDelete) ? kRightButton : 0;
  if (!Arrow(code) && button == 0) return;
  BoardLayout& l = app.layout;
  // A cursor left from a larger puzzle starts inside this one.
  int col = std::clamp(l.KeyCol, 1, p.XSize), row = std::clamp(l.KeyRow, 1, p.YSize);
  if (Arrow(code)) StepCursor(p, code, col, row);
  ScrollCellIntoView(app, col, row);
  PlaceKeyCursor(app, col, row);
  // The hover highlight follows; with Shift the move drags the stroke on, as a held button does.
  bool drag = Arrow(code) && (shift & kShiftDown);
  double x = MidX(p, col), y = MidY(p, row);
  BoardToWindow(app, x, y);
  MainWndMouseMove(app, drag ? kLeftButton : 0, 0, x, y);
  if (button) MainWndMouseDown(app, button, 0, x, y);
}

void FollowPress(App& app, double x, double y) {
  const PuzzleState& p = app.puzzle;
  int col = WholeUnit(x) - p.XHintCount, row = WholeUnit(y) - p.YHintCount;
  if (col < 1 || col > p.XSize || row < 1 || row > p.YSize) return;
  BoardLayout& l = app.layout;
  if (l.KeyCursorShown) {
    PlaceKeyCursor(app, col, row);
  } else {
    l.KeyCol = col;
    l.KeyRow = row;
  }
}

void ToggleKeyCursor(App& app) {
  const PuzzleState& p = app.puzzle;
  const BoardLayout& l = app.layout;
  double cx = p.XHintCount + l.KeyCol, cy = p.YHintCount + l.KeyRow;
  Surface& s = BoardSurface(app);
  s.SetDrawMode(DrawMode::Xor);
  // White inverts what is under the frame: it shows on blank and painted cells alike.
  const double inset = 0.06;
  XorFrame(s, cx + inset, cy + inset, cx + 1 - inset, cy + 1 - inset, 0.12, TableColor(app, kWhiteColor));
}

}  // namespace gw
