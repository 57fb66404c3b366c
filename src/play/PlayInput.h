#pragma once

#include "App.h"

namespace gw {

void PlayMouseDown(App& app, int button, int shift, double x, double y);
void PlayMouseMove(App& app, int button, int shift, double x, double y);
void ToggleHoverHighlight(App& app, int col, int row);
// The stroke's cell count beside the pointer goes (the buttons were let go).
void EndStrokeCount(App& app);

}  // namespace gw
