#pragma once

#include "App.h"

namespace gw {

// Places Pic(0) (current colour) and Pic(1) (palette column) for client size w × h twips, and
// sets the column's font size.
void PlacePaletteBar(App& app, double clientWidth, double clientHeight);
// 0 redraws Pic(0) only, 1 Pic(1) only, anything else both.
void DrawPaletteBar(App& app, int what);
// Makes puzzle colour k current, unless it is free; true when it did.
bool ChooseColour(App& app, int k);
// A press in Pic(1) at height y (its own units) chooses the colour of that band; any button.
void PaletteMouseDown(App& app, int button, double y);

}  // namespace gw
