#include "frontends/qt/BoardOverlay.h"

namespace gw {

void PaintBoardOverlay(QPainter& painter, const ImageSurface& main, const std::vector<OverlayCell>& cells) {
  if (cells.empty()) return;
  painter.save();
  // A see-through fill keeps the cell's own colour readable under it; the frame makes the cell
  // stand out on any colour, light or dark.
  const QColor fill(255, 40, 120, 110);
  const QColor frame(200, 0, 80);
  for (const OverlayCell& c : cells) {
    QRect r = main.DeviceRect(c.left, c.top, c.left + 1, c.top + 1);
    painter.fillRect(r, fill);
    int inset = r.width() >= 12 ? 2 : 1;
    painter.setPen(QPen(frame, inset));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r.adjusted(inset, inset, -inset, -inset));
  }
  painter.restore();
}

}  // namespace gw
