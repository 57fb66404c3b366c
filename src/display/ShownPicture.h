#pragma once

#include "App.h"

namespace gw {

// The draw state (app.layout.shown): what the main window's picture shows, kept by the drawing
// procedures as they draw. Changing the puzzle never draws; Redraw compares the puzzle with this
// record and draws what differs.
void NoteLayout(App& app);
void NoteGrid(App& app);
void NoteHints(App& app);
void NoteCellsDrawn(App& app);
// An exclusive-or drawing of `value` with the stripes of guess level `level` on cell (x, y) / of
// the cross on the square at (cx, cy).
void NoteCell(App& app, int x, int y, int value, int level);
void NoteMark(App& app, int cx, int cy);

// The full repaint when the layout may have changed too (sizes, hints, colours, window size):
// when the picture already shows everything it would draw but some cells, crosses and the hover
// highlight, only the highlight is taken off, the cells and crosses are left to Redraw and false
// is returned; true after a full repaint. Followed by Redraw it gives the picture of PaintBoard.
bool RepaintUnlessOnlyCellsDiffer(App& app);

}  // namespace gw
