#pragma once

#include "App.h"

namespace gw {

// Fills the cells that every packing of the runs covers, whatever the line holds. Returns 1 when
// it wrote any cell of the work line.
int OverlapRule(App& app);
// Completes a run that the decided cells at either end of the line show started but still too
// short. Returns 1 when it wrote the run (also when it was already complete).
int EdgeRule(App& app);

}  // namespace gw
