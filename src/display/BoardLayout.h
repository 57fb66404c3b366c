#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "display/PaneSurface.h"
#include "display/Highlight.h"
#include "platform/Rgb.h"

namespace gw {

// What the main window's picture shows of the cells and check marks since its last full repaint,
// so that Redraw can draw where the state differs from it.
struct ShownPicture {
  // The full repaint was made (layout, grid, hints, cells) and nothing it drew has been lost.
  bool valid = false;
  // What the full repaint read besides cells and ticks (sizes, hints, colours, window size).
  std::uint64_t fingerprint = 0;
  // Steps of the full repaint made since its layout: 1 grid, 2 hints.
  int steps = 0;
  // Cell values shown, [x][y], and the guess level whose stripes they were drawn with.
  std::int8_t cells[100][100] = {};
  std::int8_t levels[100][100] = {};
  // Check crosses shown, by the square's top-left corner in board units; those noted all lie
  // within the first markCols columns and markRows rows.
  bool marks[200][200] = {};
  int markCols = 0, markRows = 0;
};

// The lines whose hints the window shows in the error colour (index 1.., row y at rows[y]), and
// the cells they were found on.
struct ErrorLines {
  std::vector<char> rows, cols;
  std::vector<int> cells;  // [x * (YSize + 1) + y]
};

// Where the board stands in the window (board units), set by each full repaint.
struct BoardGeometry {
  int GridLeft = 0;
  int BoardLeft = 0;
  int BoardRight = 0;
  int GridTop = 0;
  int BoardTop = 0;
  int BoardBottom = 0;
};

// What the player is doing on the board: cursors, hover, drag and zoom (board units).
struct PlayUi {
  // Number input cursor: side 1 row hints (slot, row), side 2 column hints (column, slot).
  int CursorSide = 0;
  int CursorX = 0;
  int CursorY = 0;
  std::string DigitBuffer;

  // The board cell whose hint strips carry the hover highlight in play mode.
  int HoverCol = 0;
  int HoverRow = 0;

  // The keyboard's cell cursor of play mode: where it stands.
  int KeyCol = 1;
  int KeyRow = 1;

  // The cell under the pointer for the status bar (col and row from 1, anything else off the board).
  int UnderPointerCol = 0, UnderPointerRow = 0;

  // A stroke dragged along a line in play mode: the cell it began at, and how many cells from it
  // to the pointer it covers (0 when none is shown) with where the pointer is, in window units.
  int StrokeCol = 0, StrokeRow = 0;
  int StrokeCells = 0;
  double StrokeX = 0, StrokeY = 0;

  // The value a mouse drag writes; shared by play and image input.
  int DragValue = 0;

  // The whole-unit mouse position number input last saw while moving.
  int LastMouseX = -1000;
  int LastMouseY = -1000;

  // The zoom and scroll of the window (表示 menu, wheel, scroll bars).
  BoardView view;
};

// The draw state: what the window shows now besides the state itself, so that a redraw draws
// only what differs and an exclusive-or overlay is taken off exactly where it was put on.
struct DrawState {
  // Whether the keyboard cursor's frame is drawn now (a repaint wipes it, as it wipes the hover
  // highlight).
  bool KeyCursorShown = false;

  // What the board's highlight shows now (display/Highlight.h).
  std::vector<HighlightMark> Highlight;
  // The tint of the row and column under the pointer (display/Highlight.h), in window units, and
  // the cell it stands for (0, 0 for none). Kept apart from the marks above: it only follows the
  // pointer and asks nothing of the player.
  std::vector<HighlightMark> PointerLine;
  int PointerCol = 0, PointerRow = 0;
  // The line tint's tick as last shown in the menu (-1 before the first).
  int LineTintTicked = -1;

  // The cells and crosses the picture shows (display/ShownPicture.h).
  ShownPicture shown;

  // The surface that draws the board through the zoom while zoomed.
  PaneSurface panes;
  // The picture's own hints as the hint areas last showed them (image input with live hints).
  std::vector<int> LiveHintsShown;
  // The lines of play whose hints are shown as gone wrong (ツール > ヒントの矛盾を赤で表示).
  ErrorLines ErrorsShown;
};

// The window's board: its geometry, the player's doings on it and what it shows. A procedure that
// needs only one of them takes that part.
struct BoardLayout : BoardGeometry, PlayUi, DrawState {};

// ColorTable(0..31): 0..15 the standard colours, 16..31 made by the user.
struct Colors {
  Rgb ColorTable[32] = {};
};

}  // namespace gw
