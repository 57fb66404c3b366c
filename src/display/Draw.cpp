#include "display/Draw.h"

namespace gw {

// Placeholder until the board display lands.
void LayoutBoard(App&) {}
void DrawGrid(App&) {}
void DrawHints(App&) {}
void DrawCells(App&) {}
void DrawCell(App&, int, int, int) {}
int SetCell(App& app, int x, int y, int value) {
  int& cell = app.puzzle.Grid[x][y];
  if (cell == value) return 0;
  int changed = cell == 0 ? 1 : 2;
  cell = value;
  return changed;
}
void ToggleHintMark(App& app, int, int) { app.puzzle.Dirty = 1; }
void ToggleInputCursor(App&) {}
std::string HintText(int n) { return std::to_string(n); }
void PaintBoard(App&) {}

}  // namespace gw
