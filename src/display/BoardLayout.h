#pragma once
#include <string>
#include <vector>

#include "platform/Rgb.h"

namespace gw {

// An exclusive-or drawing over the board that is no part of the puzzle (the mistakes found, a
// hint's line and cells): a hatched box, or a frame of bands `band` units wide. Drawn with the
// colour that turns white into the colour meant.
struct OverlayMark {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  double band = 0;
  Rgb xorColour = 0;
};

// The window's layout values and the positions the input code keeps (all board units).
struct BoardLayout {
  int GridLeft = 0;
  int BoardLeft = 0;
  int BoardRight = 0;
  int GridTop = 0;
  int BoardTop = 0;
  int BoardBottom = 0;

  // Number input cursor: side 1 row hints (slot, row), side 2 column hints (column, slot).
  int CursorSide = 0;
  int CursorX = 0;
  int CursorY = 0;
  std::string DigitBuffer;

  // The board cell whose hint strips carry the hover highlight in play mode.
  int HoverCol = 0;
  int HoverRow = 0;

  // The keyboard's cell cursor of play mode: where it stands, and whether its frame is drawn
  // now (a repaint wipes it, as it wipes the hover highlight).
  int KeyCol = 1;
  int KeyRow = 1;
  bool KeyCursorShown = false;

  // What the overlay shows now; a repaint wipes it.
  std::vector<OverlayMark> Overlay;

  // The value a mouse drag writes; shared by play and image input.
  int DragValue = 0;

  // The whole-unit mouse position number input last saw while moving.
  int LastMouseX = -1000;
  int LastMouseY = -1000;
};

// ColorTable(0..31): 0..15 the standard colours, 16..31 made by the user.
struct Colors {
  Rgb ColorTable[32] = {};
};

}  // namespace gw
