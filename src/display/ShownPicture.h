#pragma once

#include "App.h"

namespace gw {

// Bookkeeping of what the main window shows (app.layout.shown), kept by the drawing procedures.
void NoteLayout(App& app);
void NoteGrid(App& app);
void NoteHints(App& app);
void NoteCellsDrawn(App& app);
// An exclusive-or drawing of `value` on cell (x, y) / of the cross on the square at (cx, cy).
void NoteCell(App& app, int x, int y, int value);
void NoteMark(App& app, int cx, int cy);

// The full redraw (LayoutBoard, DrawGrid, DrawHints, DrawCells). When the picture already shows
// everything it would draw but some cells, check marks and the hover highlight, only those are
// drawn: the same picture for a fraction of the work.
void RedrawBoard(App& app);
// RedrawBoard, but the cells and crosses that differ are left to CatchUpPicture: drawing is
// deferred from here on. A cell that ends as the picture shows it (a second solve of the same
// board) is then never drawn at all.
void RedrawBoardDeferred(App& app);

// Draws what SetCell and ToggleHintMark left undrawn while app.layout.DrawingDeferred was set, so
// that the picture shows the state again (a full repaint when the picture was lost meanwhile);
// Dirty stays as it is. Nothing unless deferred, nor while DrawingHeld (a trial).
void CatchUpPicture(App& app);

}  // namespace gw
