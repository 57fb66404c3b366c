#pragma once
// What a BMP, PNG or GIF file says of itself, told from its bytes before any pixel is decoded: the
// size its header gives, and whether its data runs as far as that header says. A decoder handed a
// file cut short may give back an image whose missing part is whatever its memory held, which would
// become a puzzle of different colours on every read.
#include <string_view>

namespace gw {

struct ImageFileFacts {
  long long width = 0;   // as the header says; 0 when the file says none (another format)
  long long height = 0;
  bool complete = true;  // false: the file ends before the data its header announces
};

ImageFileFacts InspectImageBytes(std::string_view bytes);

}  // namespace gw
