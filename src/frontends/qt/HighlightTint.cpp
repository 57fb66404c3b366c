#include "frontends/qt/HighlightTint.h"

#include <QFontMetrics>
#include <algorithm>

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
    if (!style.framed) continue;
    int inset = r.width() >= 12 ? 2 : 1;
    painter.setPen(QPen(ColourOf(style.frame), inset));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r.adjusted(inset, inset, -inset, -inset));
  }
  if (saved) painter.restore();
}

namespace {

// A small label just below and right of the pointer, clear of the cell it points at.
void PaintStrokeCount(QPainter& painter, const ImageSurface& main, const BoardLayout& l) {
  QRect at = main.DeviceRect(l.StrokeX, l.StrokeY, l.StrokeX, l.StrokeY);
  QString text = QString::number(l.StrokeCells);
  painter.save();
  QFont font = painter.font();
  font.setBold(true);
  font.setPixelSize(std::max(12, static_cast<int>(14 * main.PixelRatio())));
  painter.setFont(font);
  QFontMetrics metrics(font);
  int pad = font.pixelSize() / 4;
  QRect box(0, 0, metrics.horizontalAdvance(text) + 2 * pad, metrics.height() + pad);
  box.moveTopLeft(at.topLeft() + QPoint(font.pixelSize(), font.pixelSize()));
  QRect image = main.image().rect();
  if (box.right() > image.right()) box.moveRight(at.left() - pad);
  if (box.bottom() > image.bottom()) box.moveBottom(at.top() - pad);
  painter.setPen(QColor(40, 40, 40));
  painter.setBrush(QColor(255, 255, 225, 235));
  painter.drawRect(box);
  painter.drawText(box, Qt::AlignCenter, text);
  painter.restore();
}

}  // namespace

void PaintBoardOverlay(QPainter& painter, const ImageSurface& main, const BoardLayout& layout) {
  PaintHighlightTint(painter, main, layout.PointerLine);
  PaintHighlightTint(painter, main, layout.Highlight);
  if (layout.StrokeCells > 0) PaintStrokeCount(painter, main, layout);
}

}  // namespace gw
