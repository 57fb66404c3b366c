#pragma once

#include "App.h"

namespace gw {

// RowColorTotals / ColColorTotals afresh: every hint slot of a line counted under the colour its
// colour plane holds, empty slots included (a file's " 01" and " 00" give different totals).
void CountHintColours(App& app);
// Removes every tick and its drawn cross, over the whole capacity of both hint arrays.
void EraseHintChecks(App& app);

}  // namespace gw
