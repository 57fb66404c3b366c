#pragma once
#include <algorithm>
#include <string_view>

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

// The margin for a font of `em` device pixels: a tenth of an em, at least one pixel; across a
// text of two characters or more (a two-digit hint, "A0"), which fills its box from side to side,
// a sixth, so that it stands clearly apart from its neighbours ("1 11 13" never reads "11113").
// A single digit keeps the narrow margin and so its place.
inline double TextMargin(double em) { return std::max(1.0, em / 10); }
inline double TextMarginAcross(double em, std::string_view text) {
  auto characters = std::count_if(text.begin(), text.end(), [](char c) { return c != ' '; });
  return characters >= 2 ? std::max(1.0, em / 6) : TextMargin(em);
}

}  // namespace gw
