#pragma once
#include <algorithm>

namespace gw {

// Texts are laid out in boxes as wide as their advance (a hint fills its slot with two half-width
// digits), but a font's ink may reach the box's edge, so that neighbouring numbers run together.
// The ink is kept `margin` inside the box: narrowed about its centre where it is too wide, then
// moved in as little as possible, so a text that already fits stays where the font puts it.
struct TextFit {
  double scale = 1;  // horizontal scale of the ink
  double shift = 0;  // x' = shift + scale × x, box-relative
};

// The ink spans inkLeft..inkRight (box-relative), the box 0..advance.
inline TextFit FitInk(double inkLeft, double inkRight, double advance, double margin) {
  TextFit fit;
  double room = std::max(advance - 2 * margin, 1.0), width = inkRight - inkLeft;
  if (width <= 0) return fit;
  fit.scale = std::min(1.0, room / width);
  double centre = (inkLeft + inkRight) / 2;
  double left = centre - fit.scale * (centre - inkLeft), right = centre + fit.scale * (inkRight - centre);
  double move = left < margin ? margin - left : right > advance - margin ? advance - margin - right : 0;
  fit.shift = centre * (1 - fit.scale) + move;
  return fit;
}

// The margin for a font of `em` device pixels: a tenth of an em, at least one pixel.
inline double TextMargin(double em) { return std::max(1.0, em / 10); }

}  // namespace gw
