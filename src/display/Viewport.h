#pragma once
// Zoom and scrolling of the board (the 表示 menu, the wheel, the scroll bars and the keyboard
// cursor): the core decides where the board stands, the window shows it.
#include "App.h"

namespace gw {

// What the board is drawn on: the panes while zoomed, the window itself otherwise.
Surface& BoardSurface(App& app);
// A position in the window's units (where the mouse is) as a position on the content.
void WindowToBoard(const App& app, double& x, double& y);

// And back: where a content position shows in the window.
void BoardToWindow(const App& app, double& x, double& y);

// Zooms in (steps > 0) or out about the window point (x, y), which keeps the cell under it;
// zooming out past the fitted size returns to it. Repaints.
void ZoomBoard(App& app, int steps, double x, double y);
// The same about the middle of the board's share of the window.
void ZoomBoardAtCentre(App& app, int steps);
// Back to the layout that fits the window.
void ZoomToFit(App& app);
// A board just opened opens as every board opens, also when it is the one shown before: the zoom
// chosen for it is forgotten. Draws nothing; the open lays the board out afterwards.
void ForgetZoom(App& app);
// Scrolls to (x, y) cells from the start, each kept within its range; repaints when it moved.
void ScrollBoardTo(App& app, double x, double y);
void ScrollBoardBy(App& app, double dx, double dy);
// Scrolls just enough that cell (col, row) is wholly in sight; true when it scrolled (and
// repainted).
bool ScrollCellIntoView(App& app, int col, int row);
// While a drag runs past the edge of the board's share of the window: scrolls one cell that way
// and moves (x, y) back to the edge; true when it scrolled.
bool ScrollForDrag(App& app, double& x, double& y);

// The left share of the window's width the board has; the palette column has the rest.
inline constexpr double kBoardShare = 0.9;
// Twips per cell edge of the fitted layout (LayoutBoard's of old).
double FittedCellTwips(App& app);

// Part of LayoutBoard while zoomed: the scale's left and top and its size for the zoom, and the
// scroll limits. False when not zoomed (the fitted layout of old applies).
struct ZoomedScale {
  double left = 0, top = 0, width = 1, height = 1;
};
bool PlaceZoomed(App& app, TwipsSize client, ZoomedScale& out);
// Points the panes at the window surface once the scale is set.
void AttachPanes(App& app, Surface& window);

}  // namespace gw
