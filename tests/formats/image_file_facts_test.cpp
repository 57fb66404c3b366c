// Whether an image file holds all the data its header announces, told before decoding: every
// prefix of a whole BMP, PNG and GIF is told short, the whole file (and one with bytes after it)
// complete, and the sizes are those of the header.
#include "pictures/ImageFileFacts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/ImagePixels.h"

namespace gw {
namespace {

void PutLe(std::string& s, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) s += char(v >> (8 * i) & 0xFF);
}
void PutBe(std::string& s, std::uint32_t v) {
  for (int i = 3; i >= 0; --i) s += char(v >> (8 * i) & 0xFF);
}

// A BMP of 40-byte header with `pixels` after it, whatever they hold.
std::string Bmp(std::int32_t w, std::int32_t h, int bpp, int compression, const std::string& pixels) {
  std::string s = "BM";
  PutLe(s, 54 + std::uint32_t(pixels.size()), 4);
  PutLe(s, 0, 4);
  PutLe(s, 54, 4);
  PutLe(s, 40, 4);
  PutLe(s, std::uint32_t(w), 4);
  PutLe(s, std::uint32_t(h), 4);
  PutLe(s, 1, 2);
  PutLe(s, std::uint32_t(bpp), 2);
  PutLe(s, std::uint32_t(compression), 4);
  PutLe(s, std::uint32_t(pixels.size()), 4);
  for (int i = 0; i < 4; ++i) PutLe(s, 0, 4);
  return s + pixels;
}

std::string Chunk(const std::string& type, const std::string& data) {
  std::string s;
  PutBe(s, std::uint32_t(data.size()));
  return s + type + data + "CRC!";  // the decoder checks the sums; the chunks' lengths matter here
}

std::string Png(std::uint32_t w, std::uint32_t h) {
  std::string header;
  PutBe(header, w);
  PutBe(header, h);
  header += std::string("\x08\x02\x00\x00\x00", 5);
  return std::string("\x89PNG\r\n\x1a\n", 8) + Chunk("IHDR", header) + Chunk("IDAT", std::string(40, 'z')) +
         Chunk("IEND", "");
}

// An 8 x 8 GIF of two colours with a graphic control extension, one image of two sub-blocks and
// the trailer.
std::string Gif() {
  std::string s = "GIF89a";
  PutLe(s, 8, 2);
  PutLe(s, 8, 2);
  s += std::string("\xf0\x00\x00", 3) + std::string("\xff\x00\x00\x00\x00\xff", 6);
  s += std::string("\x21\xf9\x04\x00\x00\x00\x00\x00", 8);
  s += std::string("\x2c\x00\x00\x00\x00\x08\x00\x08\x00\x00", 10) + "\x02";
  s += std::string("\x05") + "abcde" + "\x03" + "fgh" + std::string(1, '\0');
  return s + "\x3b";
}

TEST(ImageFileFacts, EveryPrefixOfAWholeFileIsShort) {
  const std::string rows24(12 * 3, '\x40');  // 3 x 3 at 24 bits: rows of 9 bytes padded to 12
  const std::string rle8 = std::string("\x04\x01\x00\x00\x04\x02\x00\x01", 8);  // two rows, then the end
  const struct {
    const char* name;
    std::string whole;
    size_t shortOfWhole;  // prefixes this much shorter than the whole file are still complete
    size_t signature;     // shorter prefixes are of no known format: the decoder refuses them
  } cases[] = {
      {"BMP", Bmp(3, 3, 24, 0, rows24), 0, 2},
      {"BMP top down", Bmp(3, -3, 24, 0, rows24), 0, 2},
      {"BMP of 1 bit", Bmp(33, 2, 1, 0, std::string(16, '\x55')), 0, 2},
      {"BMP in RLE8", Bmp(4, 2, 8, 1, rle8), 0, 2},
      {"PNG", Png(3, 3), 0, 8},
      {"GIF", Gif(), 1, 6},  // a GIF without its trailer lacks no pixel
  };
  for (const auto& c : cases) {
    for (size_t n = c.signature; n + c.shortOfWhole < c.whole.size(); ++n)
      EXPECT_FALSE(InspectImageBytes(c.whole.substr(0, n)).complete) << c.name << " cut to " << n;
    for (size_t n = c.whole.size() - c.shortOfWhole; n <= c.whole.size(); ++n)
      EXPECT_TRUE(InspectImageBytes(c.whole.substr(0, n)).complete) << c.name << " of " << n;
    EXPECT_TRUE(InspectImageBytes(c.whole + "tail").complete) << c.name << " with bytes after it";
  }
}

TEST(ImageFileFacts, TheSizesAreThoseOfTheHeader) {
  const struct {
    const char* name;
    std::string bytes;
    long long width, height;
    bool allowed;
  } cases[] = {
      {"BMP", Bmp(100, 100, 24, 0, ""), 100, 100, true},
      {"BMP top down", Bmp(7, -5, 24, 0, ""), 7, 5, true},
      {"BMP of 30000 x 30000", Bmp(30000, 30000, 24, 0, ""), 30000, 30000, false},
      {"BMP of 8000 x 8000", Bmp(8000, 8000, 24, 0, ""), 8000, 8000, false},
      {"PNG of 60000 x 60000", Png(60000, 60000), 60000, 60000, false},
      {"GIF", Gif(), 8, 8, true},
      {"JPEG", "\xff\xd8\xff\xe0", 0, 0, true},
  };
  for (const auto& c : cases) {
    ImageFileFacts f = InspectImageBytes(c.bytes);
    EXPECT_EQ(f.width, c.width) << c.name;
    EXPECT_EQ(f.height, c.height) << c.name;
    EXPECT_EQ(ImageSizeAllowed(f.width, f.height), c.allowed) << c.name;
  }
  EXPECT_FALSE(InspectImageBytes(Bmp(100, 100, 24, 0, std::string(10, '\x40'))).complete);
}

}  // namespace
}  // namespace gw
