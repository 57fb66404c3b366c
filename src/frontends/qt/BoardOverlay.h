#pragma once
#include <QPainter>
#include <vector>

#include "platform/Platform.h"
#include "frontends/qt/ImageSurface.h"

namespace gw {

// Paints the highlight of these cells over the board image of `main` (device pixels of painter
// and image are the same).
void PaintBoardOverlay(QPainter& painter, const ImageSurface& main, const std::vector<OverlayCell>& cells);

}  // namespace gw
