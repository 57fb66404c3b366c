#pragma once

#include "App.h"

namespace gw {

// Entries of ColorTable with a fixed role in drawing.
enum ColorRole {
  kGridLineColor = 1,      // board grid and thick lines
  kSeparatorColor = 2,     // thin lines between hint slots
  kStripOutlineColor = 4,  // outline of the hatched hint-strip highlights
  kWhiteColor = 15,        // hint areas, board, first partner of every exclusive-or drawing
};

// The sixteen standard colours, index 0..15 (anything else gives black).
Rgb StandardColor(int index);
// Red (128, 0, 0), whatever the colour table holds: the fill of the strip highlights.
constexpr Rgb kHighlightFill = MakeRgb(128, 0, 0);

// The relative luminance and the contrast ratio (1 to 21) of the web's accessibility guidelines.
double RelativeLuminance(Rgb c);
double ContrastRatio(Rgb a, Rgb b);
// Below this a hint's colour does not read on the hint area (the guidelines' least for large
// text and graphics).
constexpr double kReadableContrast = 3.0;

// The colour to write a number in on a band of `background`: the window-text black, or white on
// a dark band (black, navy, dark red, blue, green …), where black would hardly be read.
Rgb LabelColorOn(Rgb background);

// ColorTable(index); black for an index outside the table, so that bad data cannot reach past it.
Rgb TableColor(const App& app, int index);
// The colour of palette slot k: ColorTable(Palette(k)), or the puzzle's own colour k.
Rgb SlotColor(const App& app, int slot);

}  // namespace gw
