#pragma once

#include "App.h"

namespace gw {

// Shows (first call) or removes (second call) the highlight over the hint strip of the line being
// solved.
void HighlightRowStrip(App& app, int y);
void HighlightColStrip(App& app, int x);

}  // namespace gw
