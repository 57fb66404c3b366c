#include "pictures/ImageFileFacts.h"

#include <cstdint>
#include <cstdlib>

#include "platform/ImagePixels.h"

namespace gw {
namespace {

// Little- and big-endian numbers at `at`; the callers check the length first.
std::uint32_t Le(std::string_view b, size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(b[at + size_t(i)]);
  return v;
}
std::uint32_t Be32(std::string_view b, size_t at) {
  std::uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v = v << 8 | static_cast<unsigned char>(b[at + size_t(i)]);
  return v;
}

// RLE8 or RLE4 data from `at`: complete once it ends the bitmap or its last row, before the file ends.
bool RunLengthComplete(std::string_view b, size_t at, long long height, bool four) {
  long long row = 0;
  while (row < height) {
    if (at + 2 > b.size()) return false;
    unsigned count = static_cast<unsigned char>(b[at]), code = static_cast<unsigned char>(b[at + 1]);
    at += 2;
    if (count > 0) continue;  // a run of one value
    if (code == 0) {
      ++row;
    } else if (code == 1) {
      return true;
    } else if (code == 2) {
      if (at + 2 > b.size()) return false;
      row += static_cast<unsigned char>(b[at + 1]);
      at += 2;
    } else {  // `code` values written out, padded to an even count of bytes
      size_t bytes = four ? (code + 1) / 2 : code;
      at += bytes + bytes % 2;
    }
  }
  return true;
}

ImageFileFacts Bmp(std::string_view b) {
  ImageFileFacts f;
  f.complete = false;
  if (b.size() < 18) return f;
  std::uint32_t offset = Le(b, 10, 4), header = Le(b, 14, 4);
  if (b.size() < 14 + size_t(header) || header < 12) return f;
  long long bpp, compression = 0;
  if (header == 12) {  // the oldest header, of 16-bit sizes
    f.width = Le(b, 18, 2);
    f.height = Le(b, 20, 2);
    bpp = Le(b, 24, 2);
  } else {
    if (header < 40) return f;
    f.width = static_cast<std::int32_t>(Le(b, 18, 4));
    f.height = std::llabs(static_cast<std::int32_t>(Le(b, 22, 4)));  // negative: rows top down
    bpp = Le(b, 28, 2);
    compression = Le(b, 30, 4);
  }
  f.complete = true;
  // A size past the limit is refused as too large before its data matters.
  if (f.width <= 0 || !ImageSizeAllowed(f.width, f.height)) return f;
  switch (compression) {
    case 0:    // plain rows, each padded to four bytes
    case 3:    // the same, with masks for the colours
    case 6: {  // and for alpha
      long long row = (f.width * bpp + 31) / 32 * 4;
      f.complete = static_cast<long long>(b.size()) >= offset + row * f.height;
      break;
    }
    case 1:
    case 2: f.complete = RunLengthComplete(b, offset, f.height, compression == 2); break;
    default: break;  // JPEG or PNG inside: their own decoder checks them
  }
  return f;
}

// Chunk after chunk up to IEND, each whole.
ImageFileFacts Png(std::string_view b) {
  ImageFileFacts f;
  f.complete = false;
  if (b.size() < 24) return f;
  f.width = Be32(b, 16);
  f.height = Be32(b, 20);
  for (size_t at = 8; at + 8 <= b.size();) {
    std::uint64_t end = at + 12 + std::uint64_t(Be32(b, at));
    if (end > b.size()) return f;
    if (b.substr(at + 4, 4) == "IEND") {
      f.complete = true;
      return f;
    }
    at = size_t(end);
  }
  return f;
}

// Sub-blocks up to their empty one; false when the file ends first.
bool SkipSubBlocks(std::string_view b, size_t& at) {
  for (;;) {
    if (at >= b.size()) return false;
    size_t length = static_cast<unsigned char>(b[at++]);
    if (length == 0) return true;
    at += length;
  }
}

size_t ColourTableBytes(unsigned flags) { return flags & 0x80 ? 3u << ((flags & 7) + 1) : 0; }

// Block after block: each image's data must end with its empty sub-block. A file that stops
// between blocks after an image lacks only its trailer, which takes nothing from the pictures.
ImageFileFacts Gif(std::string_view b) {
  ImageFileFacts f;
  f.complete = false;
  if (b.size() < 13) return f;
  f.width = Le(b, 6, 2);
  f.height = Le(b, 8, 2);
  size_t at = 13 + ColourTableBytes(static_cast<unsigned char>(b[10]));
  int images = 0;
  for (;;) {
    if (at >= b.size()) {
      f.complete = images > 0;
      return f;
    }
    unsigned char kind = static_cast<unsigned char>(b[at]);
    if (kind == 0x3B) break;
    if (kind == 0x21) {
      at += 2;
    } else if (kind == 0x2C) {
      if (at + 10 > b.size()) return f;
      at += 10 + ColourTableBytes(static_cast<unsigned char>(b[at + 9])) + 1;  // and the LZW code size
      ++images;
    } else {
      break;  // not a block: the decoder says what it makes of it
    }
    if (!SkipSubBlocks(b, at)) return f;
  }
  f.complete = true;
  return f;
}

}  // namespace

ImageFileFacts InspectImageBytes(std::string_view bytes) {
  if (bytes.starts_with("BM")) return Bmp(bytes);
  if (bytes.starts_with("\x89PNG\r\n\x1a\n")) return Png(bytes);
  if (bytes.starts_with("GIF87a") || bytes.starts_with("GIF89a")) return Gif(bytes);
  return {};
}

}  // namespace gw
