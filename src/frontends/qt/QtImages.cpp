#include "frontends/qt/QtImages.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QImageReader>
#include <QPainter>

#include "pictures/ImageFileFacts.h"
#include "system/FileError.h"
#include "system/NativeFiles.h"

namespace gw {

ImageLoad DecodeImageFile(const std::string& path, ImagePixels& out) {
  // The bytes are read once, so that the file whose header is checked is the file decoded.
  std::string bytes;
  try {
    bytes = ReadWholeFile(path, kMaxImageFileBytes);
  } catch (const FileError& e) {
    return e.number() == kErrTooLarge ? ImageLoad::TooLarge : ImageLoad::Unreadable;
  }
  ImageFileFacts facts = InspectImageBytes(bytes);
  if (!ImageSizeAllowed(facts.width, facts.height)) return ImageLoad::TooLarge;
  if (!facts.complete) return ImageLoad::Truncated;
  QByteArray data = QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size()));
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  // A board has at most 20 cells a side in the window (99 in files): 400 pixels a side leave at
  // least four for each cell.
  constexpr int kMaxSide = 400;
  QSize size = reader.size();  // from the header: nothing is decoded yet
  if (size.isValid() && !ImageSizeAllowed(size.width(), size.height())) return ImageLoad::TooLarge;
  if (size.isValid() && (size.width() > kMaxSide || size.height() > kMaxSide))
    reader.setScaledSize(size.scaled(kMaxSide, kMaxSide, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
  QImage image = reader.read();
  if (image.isNull()) return ImageLoad::Unreadable;
  image = image.convertToFormat(QImage::Format_ARGB32);
  out.width = image.width();
  out.height = image.height();
  out.rgb.resize(size_t(out.width) * out.height);
  out.alpha.resize(out.rgb.size());
  for (int y = 0; y < out.height; ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < out.width; ++x) {
      size_t i = size_t(y) * out.width + x;
      out.rgb[i] = MakeRgb(qRed(line[x]), qGreen(line[x]), qBlue(line[x]));
      out.alpha[i] = std::uint8_t(qAlpha(line[x]));
    }
  }
  return ImageLoad::Read;
}

namespace {

// Bold, centred on its point, narrowed about it where it is wider than the shape allows.
void DrawSheetText(QPainter& p, const SheetShape& s, QColor colour) {
  QFont font;
  font.setPixelSize(int(s.width));
  font.setBold(true);
  p.setFont(font);
  p.setPen(colour);
  QString text = QString::fromStdString(s.text);
  double advance = QFontMetricsF(font).horizontalAdvance(text);
  double narrow = s.fit > 0 && advance > s.fit ? s.fit / advance : 1;
  p.save();
  p.translate(s.x1, s.y1);
  p.scale(narrow, 1);
  p.drawText(QRectF(-advance, -s.width, 2 * advance, 2 * s.width), Qt::AlignCenter, text);
  p.restore();
}

}  // namespace

bool WriteSheetPng(const SheetDrawing& sheet, const std::string& path) {
  QImage image(sheet.width, sheet.height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  auto color = [](Rgb c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); };
  for (const SheetShape& s : sheet.shapes) {
    switch (s.kind) {
      case SheetShape::Fill:
        p.fillRect(QRectF(QPointF(s.x1, s.y1), QPointF(s.x2, s.y2)), color(s.color));
        break;
      case SheetShape::Line:
        p.setPen(QPen(color(s.color), s.width));
        p.drawLine(QPointF(s.x1, s.y1), QPointF(s.x2, s.y2));
        break;
      case SheetShape::Text: DrawSheetText(p, s, color(s.color)); break;
    }
  }
  p.end();
  return image.save(QString::fromStdString(path), "PNG");
}

}  // namespace gw
