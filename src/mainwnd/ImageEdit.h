#pragma once

#include "App.h"

namespace gw {

void ImageMouseDown(App& app, int button, int shift, double x, double y);
void ImageMouseMove(App& app, int button, int shift, double x, double y);
void InvertImage(App& app);
void ScrollImage(App& app);
// "指定色マス消去(&D)": erases every cell of the current colour (and its marks in play mode).
void EraseColour(App& app);

}  // namespace gw
