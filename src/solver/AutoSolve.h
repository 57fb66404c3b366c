#pragma once

#include "App.h"

namespace gw {

// "自動で解く(&A)": solves the loaded puzzle on the board.
void AutoSolve(App& app);

}  // namespace gw
