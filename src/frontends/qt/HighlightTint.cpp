#include "frontends/qt/HighlightTint.h"

namespace gw {
namespace {

QColor ColourOf(Rgb c, int alpha = 255) { return QColor(RedOf(c), GreenOf(c), BlueOf(c), alpha); }

}  // namespace

void PaintHighlightTint(QPainter& painter, const ImageSurface& main, const std::vector<HighlightMark>& marks) {
  bool saved = false;
  for (const HighlightMark& m : marks) {
    const HighlightStyle& style = StyleOf(m.kind);
    if (!style.tint) continue;
    if (!saved) painter.save();
    saved = true;
    QRect r = main.DeviceRect(m.x1, m.y1, m.x2, m.y2);
    painter.fillRect(r, ColourOf(style.fill, style.alpha));
    int inset = r.width() >= 12 ? 2 : 1;
    painter.setPen(QPen(ColourOf(style.frame), inset));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r.adjusted(inset, inset, -inset, -inset));
  }
  if (saved) painter.restore();
}

}  // namespace gw
