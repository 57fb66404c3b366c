#pragma once

#include "App.h"
#include "history/History.h"

namespace gw {

enum class Direction { Back, Forward };

// Puts the values of one step back (or forward again) through the drawing paths of any edit:
// cells by SetCell, ticks by ToggleHintMark, hint numbers and colours by a repaint. In play mode with
// the automatic check on, the check then runs on every line whose cells changed, as after a
// press. Sets Dirty.
void ReplayStep(App& app, const Step& step, Direction dir);

}  // namespace gw
