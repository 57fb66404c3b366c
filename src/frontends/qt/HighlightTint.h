#pragma once
#include <QPainter>
#include <vector>

#include "display/BoardLayout.h"
#include "display/Highlight.h"
#include "frontends/qt/ImageSurface.h"

namespace gw {

// Paints the tinted marks of the board's highlight over the board image of `main` (device pixels
// of painter and image are the same), in the colours the highlight's scheme gives their kind.
void PaintHighlightTint(QPainter& painter, const ImageSurface& main, const std::vector<HighlightMark>& marks);
// Everything the window lays over the board image: the highlight's tints, the line under the
// pointer, and a stroke's cell count beside the pointer.
void PaintBoardOverlay(QPainter& painter, const ImageSurface& main, const BoardLayout& layout);

}  // namespace gw
