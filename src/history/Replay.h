#pragma once

#include "App.h"
#include "history/History.h"

namespace gw {

enum class Direction { Back, Forward };

// Puts the values of one step back (or forward again) into the state; a change of hint numbers,
// colours or guess levels repaints, and Redraw shows the cells and ticks. In play mode with the
// automatic check on, the check then runs on every line whose cells changed, as after a press.
// Sets Dirty.
void ReplayStep(App& app, const Step& step, Direction dir);

}  // namespace gw
