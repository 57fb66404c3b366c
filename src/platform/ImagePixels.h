#pragma once
// An image as plain pixels: what the toolkit decodes from a file and the core works on.
#include <cstdint>
#include <vector>

#include "platform/Rgb.h"

namespace gw {

// The largest image decoded, told by the size in the file's header before any pixel is read: at
// most 16384 pixels a side and 16 777 216 (4096 × 4096) in all. A board takes at most 99 cells a
// side, so a bigger image holds nothing more for it, and a file whose header claims a huge size
// (a few kilobytes can claim 60000 × 60000) would otherwise take gigabytes and minutes to decode.
constexpr long long kMaxImageSide = 16384;
constexpr long long kMaxImagePixels = 4096LL * 4096;
inline bool ImageSizeAllowed(long long width, long long height) {
  return width <= kMaxImageSide && height <= kMaxImageSide && width * height <= kMaxImagePixels;
}

// How reading an image ended.
enum class ImageLoad { Read, Unreadable, TooLarge, Cancelled };

struct ImagePixels {
  int width = 0;
  int height = 0;
  std::vector<Rgb> rgb;             // row by row
  std::vector<std::uint8_t> alpha;  // empty when opaque
};

}  // namespace gw
