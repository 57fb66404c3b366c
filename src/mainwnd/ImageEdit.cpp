#include "mainwnd/ImageEdit.h"

namespace gw {

// Placeholder until picture editing lands.
void ImageMouseDown(App&, int, int, double, double) {}
void ImageMouseMove(App&, int, int, double, double) {}
void InvertImage(App&) {}
void ScrollImage(App&) {}
void EraseColour(App&) {}

}  // namespace gw
