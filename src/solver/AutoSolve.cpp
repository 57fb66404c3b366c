#include "solver/AutoSolve.h"

namespace gw {

// Placeholder until the solver lands.
void AutoSolve(App&) {}

}  // namespace gw
