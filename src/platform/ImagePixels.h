#pragma once
// An image as plain pixels: what the toolkit decodes from a file and the core works on.
#include <cstdint>
#include <vector>

#include "platform/Rgb.h"

namespace gw {

struct ImagePixels {
  int width = 0;
  int height = 0;
  std::vector<Rgb> rgb;             // row by row
  std::vector<std::uint8_t> alpha;  // empty when opaque
};

}  // namespace gw
