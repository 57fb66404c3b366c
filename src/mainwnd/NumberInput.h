#pragma once

#include "App.h"

namespace gw {

void NumberMouseDown(App& app, int button, int shift, double x, double y);
void NumberMouseMove(App& app, int button, int shift, double x, double y);
void MoveInputCursor(App& app, int code);
void NumberKeyPress(App& app, int code);
void CommitHintEntry(App& app);
void RedrawHintNumber(App& app, double x, double y, int oldNumber, int newNumber, int colorIndex);

}  // namespace gw
