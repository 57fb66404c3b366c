#pragma once

#include "App.h"

namespace gw {

// Image input mode: the picture is painted with the mouse in the current colour.
void ImageMouseDown(App& app, int button, int shift, double x, double y);
void ImageMouseMove(App& app, int button, int shift, double x, double y);
// "画像の反転(&H)": swaps the current colour with the blank cells, after asking.
void InvertImage(App& app);
// "画像スクロール(&S)": shifts the picture cyclically by an amount typed as U3, D4, R5 or L6.
void ScrollImage(App& app);
// "指定色マス消去(&D)": erases every cell of the current colour (and its marks in play mode).
void EraseColour(App& app);

}  // namespace gw
