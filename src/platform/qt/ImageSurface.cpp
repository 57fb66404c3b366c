#include "platform/qt/ImageSurface.h"

#include <QFontMetricsF>
#include <cmath>

namespace gw {

QColor ToQColor(Rgb color) { return QColor(RedOf(color), GreenOf(color), BlueOf(color)); }

void InstallFontSubstitutions() { QFont::insertSubstitution(kMinchoFont, "IPAMincho"); }

ImageSurface::ImageSurface(QColor background)
    : image_(1, 1, QImage::Format_RGB32), background_(background), font_(kMinchoFont) {
  font_.setStyleStrategy(QFont::NoAntialias);  // a white reprint must wipe the old digits exactly
  image_.fill(background_);
}

ImageSurface::~ImageSurface() { EndPainter(); }

void ImageSurface::Resize(QSize size) {
  EndPainter();
  image_ = QImage(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  image_.fill(background_);
  left_ = top_ = 0;
  width_ = image_.width() * kTwipsPerPixel;
  height_ = image_.height() * kTwipsPerPixel;
}

const QImage& ImageSurface::image() {
  EndPainter();
  return image_;
}

QPainter& ImageSurface::Painter() {
  if (!painter_) {
    painter_ = std::make_unique<QPainter>(&image_);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, false);
  }
  return *painter_;
}

void ImageSurface::EndPainter() {
  if (painter_) painter_->end();
  painter_.reset();
}

QPointF ImageSurface::ToDevice(double x, double y) const {
  return QPointF((x - left_) * image_.width() / width_, (y - top_) * image_.height() / height_);
}

QPointF ImageSurface::ToUser(QPointF d) const {
  return QPointF(left_ + d.x() * width_ / image_.width(), top_ + d.y() * height_ / image_.height());
}

QRect ImageSurface::DeviceRect(double x1, double y1, double x2, double y2) const {
  QPointF a = ToDevice(std::min(x1, x2), std::min(y1, y2));
  QPointF b = ToDevice(std::max(x1, x2), std::max(y1, y2));
  int l = static_cast<int>(std::lround(a.x())), t = static_cast<int>(std::lround(a.y()));
  int r = static_cast<int>(std::lround(b.x())), btm = static_cast<int>(std::lround(b.y()));
  if (r <= l) r = l + 1;
  if (btm <= t) btm = t + 1;
  return QRect(QPoint(l, t), QPoint(r - 1, btm - 1));
}

void ImageSurface::ApplyMode(QPainter& p, bool forText) const {
  // Text is printed opaquely whatever the drawing mode, as a window's text output always is.
  if (mode_ == DrawMode::Xor && !forText)
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  else
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void ImageSurface::Clear() {
  QPainter& p = Painter();
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.fillRect(image_.rect(), background_);
}

void ImageSurface::SetScale(double left, double top, double width, double height) {
  left_ = left;
  top_ = top;
  width_ = width == 0 ? 1 : width;
  height_ = height == 0 ? 1 : height;
}

TwipsSize ImageSurface::ClientSize() const {
  return {image_.width() * kTwipsPerPixel, image_.height() * kTwipsPerPixel};
}

void ImageSurface::SetDrawMode(DrawMode mode) { mode_ = mode; }

void ImageSurface::Line(double x1, double y1, double x2, double y2, Rgb color) {
  QPainter& p = Painter();
  ApplyMode(p, false);
  QPointF a = ToDevice(x1, y1), b = ToDevice(x2, y2);
  QPoint da(static_cast<int>(std::lround(a.x())), static_cast<int>(std::lround(a.y())));
  QPoint db(static_cast<int>(std::lround(b.x())), static_cast<int>(std::lround(b.y())));
  QColor c = ToQColor(color);
  if (da.y() == db.y()) {
    p.fillRect(QRect(QPoint(std::min(da.x(), db.x()), da.y()), QSize(std::abs(db.x() - da.x()) + 1, 1)), c);
  } else if (da.x() == db.x()) {
    p.fillRect(QRect(QPoint(da.x(), std::min(da.y(), db.y())), QSize(1, std::abs(db.y() - da.y()) + 1)), c);
  } else {
    p.setPen(QPen(c, 0));
    p.drawLine(da, db);
  }
}

void ImageSurface::Box(double x1, double y1, double x2, double y2, Rgb color) {
  QPainter& p = Painter();
  ApplyMode(p, false);
  QRect r = DeviceRect(x1, y1, x2, y2);
  QColor c = ToQColor(color);
  // Four strips that never overlap, so exclusive-or flips each border pixel once.
  p.fillRect(QRect(r.left(), r.top(), r.width(), 1), c);
  if (r.height() > 1) p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), c);
  if (r.height() > 2) {
    p.fillRect(QRect(r.left(), r.top() + 1, 1, r.height() - 2), c);
    if (r.width() > 1) p.fillRect(QRect(r.right(), r.top() + 1, 1, r.height() - 2), c);
  }
}

void ImageSurface::FillBox(double x1, double y1, double x2, double y2, Rgb color) {
  QPainter& p = Painter();
  ApplyMode(p, false);
  p.fillRect(DeviceRect(x1, y1, x2, y2), ToQColor(color));
}

void ImageSurface::HatchBox(double x1, double y1, double x2, double y2, Rgb outline, Rgb fill) {
  QRect r = DeviceRect(x1, y1, x2, y2);
  QPainter& p = Painter();
  ApplyMode(p, false);
  p.setBrushOrigin(0, 0);
  if (r.width() > 2 && r.height() > 2)
    p.fillRect(r.adjusted(1, 1, -1, -1), QBrush(ToQColor(fill), Qt::DiagCrossPattern));
  Box(x1, y1, x2, y2, outline);
}

void ImageSurface::SetFontSize(double points) {
  // Points are 1/72 inch; a logical pixel is 1/96 inch.
  int pixels = std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0)));
  font_.setPixelSize(pixels);
}

void ImageSurface::PrintText(double x, double y, const std::string& text, Rgb color) {
  QPainter& p = Painter();
  ApplyMode(p, true);
  p.setFont(font_);
  p.setPen(ToQColor(color));
  QPointF d = ToDevice(x, y);
  QFontMetricsF fm(font_);
  p.drawText(QPointF(std::round(d.x()), std::round(d.y()) + fm.ascent()), QString::fromStdString(text));
}

double ImageSurface::TextWidth(const std::string& text) {
  QFontMetricsF fm(font_);
  return fm.horizontalAdvance(QString::fromStdString(text)) * width_ / image_.width();
}

double ImageSurface::TextHeight(const std::string&) {
  QFontMetricsF fm(font_);
  return fm.height() * height_ / image_.height();
}

}  // namespace gw
