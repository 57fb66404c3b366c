#include "mainwnd/NumberInput.h"

namespace gw {

// Placeholder until number input lands.
void NumberMouseDown(App&, int, int, double, double) {}
void NumberMouseMove(App&, int, int, double, double) {}
void MoveInputCursor(App&, int) {}
void NumberKeyPress(App&, int) {}
void CommitHintEntry(App&) {}
void RedrawHintNumber(App&, double, double, int, int, int) {}

}  // namespace gw
