#pragma once
#include <cmath>

namespace gw {

// The whole board unit a mouse position falls in (the largest whole number not above it). Far-off
// or undefined positions land on a unit well outside every board, so that no caller has to guard
// the conversion.
inline int WholeUnit(double v) {
  constexpr double kFar = 1000;
  if (!(v > -kFar)) return -static_cast<int>(kFar);
  if (v > kFar) return static_cast<int>(kFar);
  return static_cast<int>(std::floor(v));
}

}  // namespace gw
