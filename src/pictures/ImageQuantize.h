#pragma once
// A picture from an image: the image reduced to the board (aspect kept), its colours reduced by
// k-means in CIE L*a*b* to the chosen number plus the background, the background being the
// dominant colour of the image's edge (white for a transparent surround). One colour is the shape
// against the background; each colour is the one most of its cells share, numbered from the one
// most unlike the background. Every two colours, the background among them, end at least
// kDistinctColors apart (CIE76), moved apart or merged. Plain pixels in, so the toolkit only
// decodes the file.
#include <cstdint>
#include <vector>

#include "formats/PuzzleData.h"
#include "platform/ImagePixels.h"

namespace gw {

// Colours closer than this in L*a*b* are hard to tell apart on the board and in its hints.
constexpr double kDistinctColors = 15;

struct QuantizeRequest {
  int longSide = 20;  // cells along the longer side of the image, 1..99
  int colors = 2;     // 1..9, the background not counted
};

// The board size the request gives this image: the longer side `longSide`, the other in proportion.
void BoardSizeFor(const ImagePixels& image, int longSide, int& width, int& height);

// The picture as a puzzle with its solution and colours (fewer when the image has fewer).
PuzzleData QuantizeImage(const ImagePixels& image, const QuantizeRequest& request);

}  // namespace gw
