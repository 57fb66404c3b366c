#pragma once
#include <QPainter>
#include <vector>

#include "display/Highlight.h"
#include "frontends/qt/ImageSurface.h"

namespace gw {

// Paints the tinted marks of the board's highlight over the board image of `main` (device pixels
// of painter and image are the same), in the colours the highlight's scheme gives their kind.
void PaintHighlightTint(QPainter& painter, const ImageSurface& main, const std::vector<HighlightMark>& marks);

}  // namespace gw
