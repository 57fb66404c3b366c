#include "display/PaletteBar.h"

namespace gw {

// Placeholder until the palette bar lands.
void PlacePaletteBar(App&, double, double) {}
void DrawPaletteBar(App&, int) {}
void PaletteMouseDown(App&, int, double) {}

}  // namespace gw
