#pragma once
// A page picture as a list of shapes in pixels, built by the core and written as SVG by the core
// or as PNG by the toolkit.
#include <string>
#include <vector>

#include "platform/Rgb.h"

namespace gw {

struct SheetShape {
  enum Kind { Line, Fill, Text } kind = Line;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // a line's ends, a fill's corners, a text's centre (x1, y1)
  double width = 1;                       // a line's width, a text's size
  Rgb color = 0;
  std::string text;
  double fit = 0;  // a text's widest: a wider one is narrowed to it (0: as wide as it comes)
};

struct SheetDrawing {
  int width = 0;
  int height = 0;
  std::vector<SheetShape> shapes;
};

}  // namespace gw
