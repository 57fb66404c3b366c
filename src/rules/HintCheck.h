#pragma once

#include "App.h"

namespace gw {

void CheckRowHints(App& app, int y);
void CheckColHints(App& app, int x);
// In play mode with the automatic check on: every line checked again.
void RecheckEveryLine(App& app);

}  // namespace gw
