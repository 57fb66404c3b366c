#pragma once

#include "App.h"

namespace gw {

void CheckRowHints(App& app, int y);
void CheckColHints(App& app, int x);

}  // namespace gw
