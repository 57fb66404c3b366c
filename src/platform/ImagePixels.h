#pragma once
// An image as plain pixels: what the toolkit decodes from a file and the core works on.
#include <cstddef>
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

// The largest image file read: four times an uncompressed 4096 × 4096 picture.
constexpr std::size_t kMaxImageFileBytes = 256u << 20;

// How reading an image ended. Truncated: the file ends before the pixels its header announces.
enum class ImageLoad { Read, Unreadable, TooLarge, Cancelled, Truncated };

struct ImagePixels {
  int width = 0;
  int height = 0;
  std::vector<Rgb> rgb;             // row by row
  std::vector<std::uint8_t> alpha;  // empty when opaque
};

}  // namespace gw
