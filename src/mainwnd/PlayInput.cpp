#include "mainwnd/PlayInput.h"

namespace gw {

// Placeholder until play input lands.
void PlayMouseDown(App&, int, int, double, double) {}
void PlayMouseMove(App&, int, int, double, double) {}
void ToggleHoverHighlight(App&, int, int) {}

}  // namespace gw
