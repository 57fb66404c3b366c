#include "platform/qt/ImageSurface.h"

#include <cmath>

namespace gw {
namespace {

int Snap(double v) { return static_cast<int>(std::lround(v)); }

}  // namespace

QColor ToQColor(Rgb color) { return QColor(RedOf(color), GreenOf(color), BlueOf(color)); }

void InstallFontSubstitutions() { QFont::insertSubstitution(kMinchoFont, "IPAMincho"); }

ImageSurface::ImageSurface(QColor background)
    : image_(1, 1, QImage::Format_RGB32), background_(background), font_(kMinchoFont) {
  // Hard-edged glyphs: a reprint of the same text covers exactly the same pixels.
  font_.setStyleStrategy(QFont::NoAntialias);
  font_.setPixelSize(12);
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

QPainter& ImageSurface::Painter(bool forText) {
  if (!painter_) {
    painter_ = std::make_unique<QPainter>(&image_);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, false);
    painter_->setBrushOrigin(0, 0);
    composition_.reset();
    fontSet_ = false;
  }
  // Text is printed opaquely whatever the drawing mode, as a window's text output always is.
  auto mode = mode_ == DrawMode::Xor && !forText ? QPainter::RasterOp_SourceXorDestination
                                                 : QPainter::CompositionMode_SourceOver;
  if (composition_ != mode) {
    painter_->setCompositionMode(mode);
    composition_ = mode;
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

QPoint ImageSurface::DevicePoint(double x, double y) const {
  QPointF d = ToDevice(x, y);
  return QPoint(Snap(d.x()), Snap(d.y()));
}

QRect ImageSurface::DeviceRect(double x1, double y1, double x2, double y2) const {
  QPoint a = DevicePoint(std::min(x1, x2), std::min(y1, y2));
  QPoint b = DevicePoint(std::max(x1, x2), std::max(y1, y2));
  int right = std::max(b.x(), a.x() + 1), bottom = std::max(b.y(), a.y() + 1);
  return QRect(a.x(), a.y(), right - a.x(), bottom - a.y());
}


void ImageSurface::Clear() {
  QRgb pixel = background_.rgb();
  uchar* bits = Bits();
  for (int y = 0; y < image_.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(bits + y * image_.bytesPerLine());
    std::fill(row, row + image_.width(), pixel);
  }
}

uchar* ImageSurface::Bits() {
  // The open painter draws into the image's own pixels; were they shared with a copy of the
  // image, writing here would part them from the painter's.
  if (!image_.isDetached()) EndPainter();
  return image_.bits();
}

// Solid boxes go straight into the pixels: for the cell-sized boxes drawn one at a time here,
// QPainter's setup for each call costs more than the fill itself. Exclusive-or keeps the alpha
// byte, as Qt's raster operation on this format does.
void ImageSurface::FillPixels(const QRect& r, const QColor& c) {
  QRect clip = r.intersected(image_.rect());
  if (clip.isEmpty()) return;
  QRgb rgb = c.rgb() & 0x00FFFFFFu;
  uchar* bits = Bits();
  for (int y = clip.top(); y <= clip.bottom(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(bits + y * image_.bytesPerLine()) + clip.left();
    if (mode_ == DrawMode::Xor)
      for (int x = 0; x < clip.width(); ++x) row[x] ^= rgb;
    else
      std::fill(row, row + clip.width(), 0xFF000000u | rgb);
  }
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

void ImageSurface::Line(double x1, double y1, double x2, double y2, Rgb color) {
  QPoint a = DevicePoint(x1, y1), b = DevicePoint(x2, y2);
  QColor c = ToQColor(color);
  if (a.y() == b.y() || a.x() == b.x()) {
    // Straight lines as one rectangle: exactly the pixels between the ends, each once.
    FillPixels(QRect(a, b).normalized(), c);
    return;
  }
  // Slanted lines pixel by pixel (Bresenham), both ends included: one pixel wide, hard-edged,
  // and the same pixels every time, so an exclusive-or pair restores them.
  QRgb rgb = c.rgb() & 0x00FFFFFFu;
  bool exclusiveOr = mode_ == DrawMode::Xor;
  uchar* bits = Bits();
  int dx = std::abs(b.x() - a.x()), dy = -std::abs(b.y() - a.y());
  int sx = a.x() < b.x() ? 1 : -1, sy = a.y() < b.y() ? 1 : -1;
  int err = dx + dy;
  for (int x = a.x(), y = a.y();;) {
    if (image_.rect().contains(x, y)) {
      QRgb& px = reinterpret_cast<QRgb*>(bits + y * image_.bytesPerLine())[x];
      px = exclusiveOr ? px ^ rgb : 0xFF000000u | rgb;
    }
    if (x == b.x() && y == b.y()) break;
    int e2 = 2 * err;
    if (e2 >= dy) err += dy, x += sx;
    if (e2 <= dx) err += dx, y += sy;
  }
}

// Diagonal lines both ways every 8 pixels: x - y and x + y divisible by 8. The pattern is
// anchored at the image's origin, so a second drawing hits the same pixels; only pattern pixels
// change.
void ImageSurface::CrossHatchPixels(const QRect& r, const QColor& c) {
  constexpr int kStep = 8;
  auto mod = [](int v) { return (v % kStep + kStep) % kStep; };
  QRect clip = r.intersected(image_.rect());
  if (clip.isEmpty()) return;
  QRgb rgb = c.rgb() & 0x00FFFFFFu;
  bool exclusiveOr = mode_ == DrawMode::Xor;
  uchar* bits = Bits();
  for (int y = clip.top(); y <= clip.bottom(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(bits + y * image_.bytesPerLine());
    auto every8th = [&](int residue) {
      for (int x = clip.left() + mod(residue - clip.left()); x <= clip.right(); x += kStep)
        row[x] = exclusiveOr ? row[x] ^ rgb : 0xFF000000u | rgb;
    };
    // The two lines of a row meet where they share their pixels; those are set once.
    every8th(mod(y));
    if (mod(-y) != mod(y)) every8th(mod(-y));
  }
}

void ImageSurface::Outline(const QRect& r, const QColor& c) {
  // Four strips that never overlap, so exclusive-or flips each border pixel once.
  FillPixels(QRect(r.left(), r.top(), r.width(), 1), c);
  if (r.height() > 1) FillPixels(QRect(r.left(), r.bottom(), r.width(), 1), c);
  if (r.height() > 2) {
    FillPixels(QRect(r.left(), r.top() + 1, 1, r.height() - 2), c);
    if (r.width() > 1) FillPixels(QRect(r.right(), r.top() + 1, 1, r.height() - 2), c);
  }
}

void ImageSurface::Box(double x1, double y1, double x2, double y2, Rgb color) {
  Outline(DeviceRect(x1, y1, x2, y2), ToQColor(color));
}

void ImageSurface::FillBox(double x1, double y1, double x2, double y2, Rgb color) {
  FillPixels(DeviceRect(x1, y1, x2, y2), ToQColor(color));
}

void ImageSurface::HatchBox(double x1, double y1, double x2, double y2, Rgb outline, Rgb fill) {
  QRect r = DeviceRect(x1, y1, x2, y2);
  if (r.width() > 2 && r.height() > 2) CrossHatchPixels(r.adjusted(1, 1, -1, -1), ToQColor(fill));
  Outline(r, ToQColor(outline));
}

void ImageSurface::SetFontSize(double points) {
  // Points are 1/72 inch; a logical pixel is 1/96 inch.
  int pixels = std::max(1, Snap(points * 96.0 / 72.0));
  if (pixels == font_.pixelSize()) return;
  font_.setPixelSize(pixels);
  metrics_.reset();
  fontSet_ = false;
}

const QFontMetrics& ImageSurface::Metrics() {
  if (!metrics_) metrics_.emplace(font_, &image_);
  return *metrics_;
}

void ImageSurface::PrintText(double x, double y, const std::string& text, Rgb color) {
  QPainter& p = Painter(true);
  if (!fontSet_) {
    p.setFont(font_);
    fontSet_ = true;
  }
  p.setPen(ToQColor(color));
  // The position is the top-left corner of the text.
  QPoint d = DevicePoint(x, y);
  p.drawText(QPoint(d.x(), d.y() + Metrics().ascent()), QString::fromStdString(text));
}

double ImageSurface::TextWidth(const std::string& text) {
  return Metrics().horizontalAdvance(QString::fromStdString(text)) * width_ / image_.width();
}

double ImageSurface::TextHeight(const std::string&) {
  return Metrics().height() * height_ / image_.height();
}

}  // namespace gw
