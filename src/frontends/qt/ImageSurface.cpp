#include "frontends/qt/ImageSurface.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace gw {
namespace {

// Nearest integer, halves away from zero (as lround, without its library call: every drawing
// rounds four coordinates).
int Snap(double v) { return v >= 0 ? static_cast<int>(v + 0.5) : -static_cast<int>(0.5 - v); }

constexpr QRgb kOpaque = 0xFF000000u;

}  // namespace

QColor ToQColor(Rgb color) { return QColor(RedOf(color), GreenOf(color), BlueOf(color)); }

void InstallFontSubstitutions() { QFont::insertSubstitution(kMinchoFont, "IPAMincho"); }

ImageSurface::ImageSurface(QColor background, TextBox textBox)
    : image_(1, 1, QImage::Format_RGB32),
      background_(background),
      textBox_(textBox),
      masks_(QFont(kMinchoFont)) {
  image_.fill(background_);
  bounds_ = clip_ = image_.rect();
  ForgetRounded();
  ApplyFontSize();
}

void ImageSurface::Resize(QSize size, qreal ratio) {
  ratio_ = ratio > 0 ? ratio : 1;
  QSize device(Snap(size.width() * ratio_), Snap(size.height() * ratio_));
  image_ = QImage(device.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  image_.setDevicePixelRatio(ratio_);
  image_.fill(background_);
  bounds_ = clip_ = image_.rect();
  ForgetRounded();
  clearHeld_ = false;
  heldCount_ = 0;
  noted_.clear();
  left_ = top_ = 0;
  width_ = image_.width() / ratio_ * kTwipsPerPixel;
  height_ = image_.height() / ratio_ * kTwipsPerPixel;
  ApplyFontSize();
}

const QImage& ImageSurface::image() const {
  Settle();
  return image_;
}

QSize ImageSurface::LogicalSize() const {
  return QSize(Snap(image_.width() / ratio_), Snap(image_.height() / ratio_));
}

QPointF ImageSurface::ToDevice(double x, double y) const {
  return QPointF((x - left_) * bounds_.width() / width_, (y - top_) * bounds_.height() / height_);
}

QPointF ImageSurface::ToUser(QPointF logical) const {
  QPointF d = logical * ratio_;
  return QPointF(left_ + d.x() * width_ / image_.width(), top_ + d.y() * height_ / image_.height());
}

namespace {

// The entry of a coordinate in its axis's table.
std::size_t RoundedSlot(double v, int bits) {
  std::uint64_t b;
  std::memcpy(&b, &v, sizeof b);
  return static_cast<std::size_t>((b * 0x9E3779B97F4A7C15ull) >> (64 - bits));
}

// The device pixel of v on an axis, rounded from `unrounded()` the first time it is asked for.
template <class Axis, class Unrounded>
int Rounded(Axis& axis, double v, Unrounded unrounded) {
  std::size_t i = RoundedSlot(v, Axis::kBits);
  if (axis.value[i] == v) return axis.device[i];
  int device = Snap(unrounded());
  axis.value[i] = v;
  axis.device[i] = device;
  return device;
}

}  // namespace

int ImageSurface::DeviceX(double x) const {
  return Rounded(roundedX_, x, [&] { return ToDevice(x, top_).x(); });
}

int ImageSurface::DeviceY(double y) const {
  return Rounded(roundedY_, y, [&] { return ToDevice(left_, y).y(); });
}

QPoint ImageSurface::DevicePoint(double x, double y) const { return QPoint(DeviceX(x), DeviceY(y)); }

void ImageSurface::ForgetRounded() {
  lastBox_ = LastBox{};
  roundedX_.value.fill(std::numeric_limits<double>::quiet_NaN());
  roundedY_.value.fill(std::numeric_limits<double>::quiet_NaN());
}

QRect ImageSurface::DeviceRect(double x1, double y1, double x2, double y2) const {
  // A cell is filled in white and then in its colour: the same box twice in a row.
  LastBox& last = lastBox_;
  if (last.x1 == x1 && last.y1 == y1 && last.x2 == x2 && last.y2 == y2) return last.device;
  last = {x1, y1, x2, y2, BoxPixels(x1, y1, x2, y2)};
  return last.device;
}

QRect ImageSurface::BoxPixels(double x1, double y1, double x2, double y2) const {
  QPoint a = DevicePoint(std::min(x1, x2), std::min(y1, y2));
  QPoint b = DevicePoint(std::max(x1, x2), std::max(y1, y2));
  int right = std::max(b.x(), a.x() + 1), bottom = std::max(b.y(), a.y() + 1);
  return QRect(a.x(), a.y(), right - a.x(), bottom - a.y());
}

void ImageSurface::Clear() {
  heldCount_ = 0;  // wiped anyway
  noted_.clear();
  clearHeld_ = true;
}

bool ImageSurface::Note(const Noted& n) {
  if (!clearHeld_) return false;
  noted_.push_back(n);
  return true;
}

void ImageSurface::SettleNoted() const {
  if (!clearHeld_) return;
  clearHeld_ = false;
  // The noted drawings set their own clips as they go; the clip of now is put back after them.
  QRect now = clip_;
  clip_ = bounds_;
  bool same = noted_ == madeNoted_ && made_.size() == image_.size() &&
              made_.bytesPerLine() == image_.bytesPerLine();
  if (same) {
    std::memcpy(image_.bits(), made_.constBits(), image_.sizeInBytes());
  } else {
    image_.fill(background_);
    for (const Noted& n : noted_) Draw(n);
    made_ = image_.copy();
    madeNoted_.swap(noted_);
  }
  noted_.clear();
  clip_ = now;
}

void ImageSurface::Draw(const Noted& n) const {
  switch (n.kind) {
    case Noted::kFill: FillPixels(n.rect, n.rgb, false); break;
    case Noted::kSlant: SlantPixels(n.a, n.b, n.rgb, false); break;
    case Noted::kOutline: Outline(n.rect, n.rgb, false); break;
    case Noted::kHatch: Hatch(n.rect, n.rgb, n.fill, false); break;
    case Noted::kText: Text(n.a, *n.mask, n.rgb); break;
    case Noted::kClip: clip_ = n.rect; break;
  }
}

void ImageSurface::Settle() const {
  SettleNoted();
  DrawHeld();
}

namespace {

// Two boxes side by side in one band of rows, or one above the other in one band of columns:
// together they are one box.
bool Adjoin(const QRect& a, const QRect& b) {
  if (a.top() == b.top() && a.bottom() == b.bottom())
    return a.right() + 1 == b.left() || b.right() + 1 == a.left();
  if (a.left() == b.left() && a.right() == b.right())
    return a.bottom() + 1 == b.top() || b.bottom() + 1 == a.top();
  return false;
}

}  // namespace

void ImageSurface::Hold(const HeldXor& h) {
  // The newest first: a cell's colour follows its white at once.
  for (std::size_t i = heldCount_; i-- > 0;)
    if (held_[i].SameShape(h)) {
      held_[i].rgb ^= h.rgb;
      JoinHeld(i);
      return;
    }
  if (heldCount_ == kHeldMax) DrawHeld();
  held_[heldCount_++] = h;
}

// A box whose colour a second drawing completed (a cell's white and colour make one flip) joins
// a held box of the same flip beside it: a row of painted cells becomes one pass over its rows.
// Exclusive-or boxes that never share a pixel flip the same pixels together as apart.
void ImageSurface::JoinHeld(std::size_t i) {
  HeldXor& h = held_[i];
  if (h.kind != HeldXor::kRect) return;
  for (std::size_t j = 0; j < heldCount_; ++j) {
    HeldXor& other = held_[j];
    if (j == i || other.kind != HeldXor::kRect || other.rgb != h.rgb || !Adjoin(other.rect, h.rect))
      continue;
    other.rect |= h.rect;
    held_[i] = held_[--heldCount_];
    return;
  }
}

// Exclusive-or drawings commute, so the held ones may be made in any order.
void ImageSurface::DrawHeld() const {
  for (std::size_t i = 0; i < heldCount_; ++i) {
    const HeldXor& h = held_[i];
    if (h.rgb == 0) continue;  // drawn twice in the same colour: it cancelled itself out
    if (h.kind == HeldXor::kRect) FillPixels(h.rect, h.rgb, true);
    else SlantPixels(h.a, h.b, h.rgb, true);
  }
  heldCount_ = 0;
}

// Exclusive-or keeps the alpha byte, as Qt's raster operation on this format does.
void ImageSurface::FillPixels(const QRect& r, QRgb rgb, bool exclusiveOr) const {
  // The image's rectangle starts at the origin. Clipped here, not by QRect's out-of-line
  // intersection: this runs for every cell drawn.
  int left = std::max(r.left(), clip_.left()), right = std::min(r.right(), clip_.right());
  int top = std::max(r.top(), clip_.top()), bottom = std::min(r.bottom(), clip_.bottom());
  if (left > right || top > bottom) return;
  int width = right - left + 1;
  Rows rows = Pixels();
  for (int y = top; y <= bottom; ++y) {
    QRgb* row = rows[y] + left;
    if (exclusiveOr)
      for (int x = 0; x < width; ++x) row[x] ^= rgb;
    else
      std::fill(row, row + width, kOpaque | rgb);
  }
}

namespace {

// The pixels of a slanted line from a to b (Bresenham), both ends included: one pixel wide,
// hard-edged, and the same pixels every time, so an exclusive-or pair restores them.
template <class Visit>
void WalkSlant(QPoint a, QPoint b, Visit visit) {
  int dx = std::abs(b.x() - a.x()), dy = -std::abs(b.y() - a.y());
  int sx = a.x() < b.x() ? 1 : -1, sy = a.y() < b.y() ? 1 : -1;
  int err = dx + dy;
  for (int x = a.x(), y = a.y();;) {
    visit(x, y);
    if (x == b.x() && y == b.y()) break;
    int e2 = 2 * err;
    if (e2 >= dy) err += dy, x += sx;
    if (e2 <= dx) err += dx, y += sy;
  }
}

}  // namespace

void ImageSurface::SlantPixels(QPoint a, QPoint b, QRgb rgb, bool exclusiveOr) const {
  Rows rows = Pixels();
  QRgb solid = kOpaque | rgb;
  auto inside = [this](int x, int y) {
    return x >= clip_.left() && y >= clip_.top() && x <= clip_.right() && y <= clip_.bottom();
  };
  // With both ends inside, every pixel between is: the usual case, a cell's cross, goes
  // unchecked.
  if (inside(a.x(), a.y()) && inside(b.x(), b.y())) {
    if (exclusiveOr) WalkSlant(a, b, [&](int x, int y) { rows[y][x] ^= rgb; });
    else WalkSlant(a, b, [&](int x, int y) { rows[y][x] = solid; });
    return;
  }
  WalkSlant(a, b, [&](int x, int y) {
    if (inside(x, y)) rows[y][x] = exclusiveOr ? rows[y][x] ^ rgb : solid;
  });
}

void ImageSurface::Fill(const QRect& r, QRgb rgb) {
  if (mode_ == DrawMode::Xor) {
    SettleNoted();
    Hold({HeldXor::kRect, r, {}, {}, rgb});
    return;
  }
  if (Note({Noted::kFill, r, {}, {}, rgb})) return;
  Settle();
  FillPixels(r, rgb, false);
}

void ImageSurface::Slant(QPoint a, QPoint b, QRgb rgb) {
  if (mode_ == DrawMode::Xor) {
    SettleNoted();
    Hold({HeldXor::kSlant, {}, a, b, rgb});
    return;
  }
  if (Note({Noted::kSlant, {}, a, b, rgb})) return;
  Settle();
  SlantPixels(a, b, rgb, false);
}

void ImageSurface::SetScale(double left, double top, double width, double height) {
  ForgetRounded();
  left_ = left;
  top_ = top;
  width_ = width == 0 ? 1 : width;
  height_ = height == 0 ? 1 : height;
}

TwipsSize ImageSurface::ClientSize() const {
  return {image_.width() / ratio_ * kTwipsPerPixel, image_.height() / ratio_ * kTwipsPerPixel};
}

void ImageSurface::Line(double x1, double y1, double x2, double y2, Rgb color) {
  QPoint a = DevicePoint(x1, y1), b = DevicePoint(x2, y2);
  // Straight lines as one rectangle: exactly the pixels between the ends, each once.
  if (a.y() == b.y() || a.x() == b.x()) Fill(QRect(a, b).normalized(), ToQRgb(color));
  else Slant(a, b, ToQRgb(color));
}

// Diagonal lines both ways every 8 pixels: x - y and x + y divisible by 8. The pattern is
// anchored at the image's origin, so a second drawing hits the same pixels; only pattern pixels
// change.
void ImageSurface::CrossHatchPixels(const QRect& r, QRgb rgb, bool exclusiveOr) const {
  constexpr int kStep = 8;
  auto mod = [](int v) { return (v % kStep + kStep) % kStep; };
  QRect clip = r.intersected(clip_);
  if (clip.isEmpty()) return;
  Rows rows = Pixels();
  for (int y = clip.top(); y <= clip.bottom(); ++y) {
    QRgb* row = rows[y];
    auto every8th = [&](int residue) {
      for (int x = clip.left() + mod(residue - clip.left()); x <= clip.right(); x += kStep)
        row[x] = exclusiveOr ? row[x] ^ rgb : kOpaque | rgb;
    };
    // The two lines of a row meet where they share their pixels; those are set once.
    every8th(mod(y));
    if (mod(-y) != mod(y)) every8th(mod(-y));
  }
}

void ImageSurface::Outline(const QRect& r, QRgb rgb, bool exclusiveOr) const {
  // Four strips that never overlap, so exclusive-or flips each border pixel once.
  FillPixels(QRect(r.left(), r.top(), r.width(), 1), rgb, exclusiveOr);
  if (r.height() > 1) FillPixels(QRect(r.left(), r.bottom(), r.width(), 1), rgb, exclusiveOr);
  if (r.height() > 2) {
    FillPixels(QRect(r.left(), r.top() + 1, 1, r.height() - 2), rgb, exclusiveOr);
    if (r.width() > 1) FillPixels(QRect(r.right(), r.top() + 1, 1, r.height() - 2), rgb, exclusiveOr);
  }
}

void ImageSurface::Box(double x1, double y1, double x2, double y2, Rgb color) {
  QRect r = DeviceRect(x1, y1, x2, y2);
  bool exclusiveOr = mode_ == DrawMode::Xor;
  if (!exclusiveOr && Note({Noted::kOutline, r, {}, {}, ToQRgb(color)})) return;
  Settle();
  Outline(r, ToQRgb(color), exclusiveOr);
}

void ImageSurface::FillBox(double x1, double y1, double x2, double y2, Rgb color) {
  Fill(DeviceRect(x1, y1, x2, y2), ToQRgb(color));
}

void ImageSurface::Hatch(const QRect& r, QRgb outline, QRgb fill, bool exclusiveOr) const {
  if (r.width() > 2 && r.height() > 2) CrossHatchPixels(r.adjusted(1, 1, -1, -1), fill, exclusiveOr);
  Outline(r, outline, exclusiveOr);
}

void ImageSurface::HatchBox(double x1, double y1, double x2, double y2, Rgb outline, Rgb fill) {
  QRect r = DeviceRect(x1, y1, x2, y2);
  bool exclusiveOr = mode_ == DrawMode::Xor;
  if (!exclusiveOr && Note({Noted::kHatch, r, {}, {}, ToQRgb(outline), ToQRgb(fill)})) return;
  Settle();
  Hatch(r, ToQRgb(outline), ToQRgb(fill), exclusiveOr);
}

void ImageSurface::ApplyFontSize() {
  // Points are 1/72 inch; a logical pixel is 1/96 inch.
  int pixels = std::max(1, Snap(points_ * 96.0 / 72.0 * ratio_));
  if (pixels != masks_.PixelSize()) {
    // The masks the noted drawings point to are about to go.
    Settle();
    madeNoted_.clear();
  }
  masks_.SetPixelSize(pixels);
  fontHeight_ = QFontMetrics(masks_.font()).height();
}

void ImageSurface::SetFontSize(double points) {
  if (points == points_) return;
  points_ = points;
  ApplyFontSize();
}

// Text is printed opaquely whatever the drawing mode, as a window's text output always is.
void ImageSurface::PrintText(double x, double y, const std::string& text, Rgb color) {
  QPoint at = DevicePoint(x, y);  // the top-left corner of the text
  QSize box = textBox_ == TextBox::UnitSquare ? DeviceRect(x, y, x + 1, y + 1).size() : QSize();
  const TextMask& mask = masks_.Get(text, box);
  if (Note({Noted::kText, {}, at, {}, ToQRgb(color), 0, &mask})) return;
  Settle();
  Text(at, mask, ToQRgb(color));
}

void ImageSurface::Text(QPoint at, const TextMask& mask, QRgb rgb) const {
  QRgb pixel = kOpaque | rgb;
  Rows rows = Pixels();
  for (const TextMask::Span& s : mask.spans) {
    int y = at.y() + s.y;
    if (y < clip_.top() || y > clip_.bottom()) continue;
    int x0 = std::max(at.x() + s.x0, clip_.left()), x1 = std::min(at.x() + s.x1, clip_.right() + 1);
    if (x0 < x1) std::fill(rows[y] + x0, rows[y] + x1, pixel);
  }
}

void ImageSurface::SetClip(double x1, double y1, double x2, double y2) {
  ApplyClip(BoxPixels(x1, y1, x2, y2).intersected(bounds_));
}

void ImageSurface::NoClip() { ApplyClip(bounds_); }

// Held exclusive-or drawings are made inside the clip they were drawn under; drawings noted
// after a clear note the clip too.
void ImageSurface::ApplyClip(const QRect& r) {
  if (r == clip_) return;
  DrawHeld();
  if (clearHeld_) noted_.push_back({Noted::kClip, r, {}, {}, 0, 0, nullptr});
  clip_ = r;
}

double ImageSurface::TextWidth(const std::string& text) {
  return masks_.Get(text).advance * width_ / image_.width();
}

double ImageSurface::TextHeight(const std::string&) { return fontHeight_ * height_ / image_.height(); }

}  // namespace gw
