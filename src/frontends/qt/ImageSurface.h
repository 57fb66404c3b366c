#pragma once
#include <QColor>
#include <QImage>
#include <array>
#include <limits>
#include <vector>

#include "platform/Surface.h"
#include "frontends/qt/TextMasks.h"

namespace gw {

// Logical pixels are 1/96 inch: 15 twips.
constexpr double kTwipsPerPixel = 15.0;

QColor ToQColor(Rgb color);
// 0x00BBGGRR to Qt's 0xAARRGGBB, alpha 0: the pixel value an exclusive-or flips by.
constexpr QRgb ToQRgb(Rgb c) { return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu); }

// A drawing surface on a QImage that the window shows, in device pixels: the image has the
// screen's pixel ratio, so that drawing lands on the screen's own pixels at any display scale.
//
// Every shape is snapped to whole device pixels by one rounding of its user coordinates, at least
// one pixel wide, so the two drawings of an exclusive-or pair touch exactly the same pixels at any
// scale. A box covers the pixels from its rounded left/top edge up to, not including, its rounded
// right/bottom edge: boxes that share an edge never share a pixel. Lines are one device pixel
// wide, without antialiasing, end points included.
//
// Everything is written straight into the pixels. Exclusive-or boxes and slanted lines are held
// back (a few at most), and drawings of the same shape close together (a cell's white, then its
// colour; a cell's old value off, then its new one on; the two lines of a cross each drawn twice)
// are made as one pass with their colours combined, and boxes side by side that flip by the same
// colour (a row of cells painted alike) as one box. The
// drawings in copy mode that follow a clear (a repaint's background, hint areas, grid and numbers)
// are only noted until something else is drawn; when they are the same as the last time, the
// picture they made then is copied instead of drawing them again. Reading the image (image())
// makes whatever is still held back.
class ImageSurface : public Surface {
 public:
  // Texts as the font draws them, or with their ink kept (with a margin) inside the unit square at
  // their position, which on the board is a hint slot: two digits then never touch the next slot's.
  enum class TextBox { Natural, UnitSquare };

  explicit ImageSurface(QColor background, TextBox textBox = TextBox::Natural);

  // New size in logical pixels, with `ratio` device pixels to each; the picture is cleared and the
  // scale becomes twips.
  void Resize(QSize size, qreal ratio = 1);
  void SetOuterSize(TwipsSize outer) { outer_ = outer; }
  // The picture as drawn so far, in device pixels, carrying its pixel ratio.
  const QImage& image() const;
  qreal PixelRatio() const { return ratio_; }
  QColor background() const { return background_; }
  // The logical size the image stands for.
  QSize LogicalSize() const;
  // Device pixel of a point in user units, and a logical pixel back to user units.
  QPointF ToDevice(double x, double y) const;
  QPointF ToUser(QPointF logical) const;
  // The device pixels a box from (x1, y1) to (x2, y2) covers.
  QRect DeviceRect(double x1, double y1, double x2, double y2) const;
  // The device pixel a point falls on.
  QPoint DevicePoint(double x, double y) const;

  void Clear() override;
  void SetScale(double left, double top, double width, double height) override;
  double ScaleLeft() const override { return left_; }
  double ScaleTop() const override { return top_; }
  double ScaleWidth() const override { return width_; }
  double ScaleHeight() const override { return height_; }
  TwipsSize ClientSize() const override;
  TwipsSize OuterSize() const override { return outer_; }
  void SetDrawMode(DrawMode mode) override { mode_ = mode; }
  // Straight into the image's pixels (exclusive-or drawings held back a moment, see above).
  void Line(double x1, double y1, double x2, double y2, Rgb color) override;
  void Box(double x1, double y1, double x2, double y2, Rgb color) override;
  void FillBox(double x1, double y1, double x2, double y2, Rgb color) override;
  void HatchBox(double x1, double y1, double x2, double y2, Rgb outline, Rgb fill) override;
  void SetClip(double x1, double y1, double x2, double y2) override;
  void NoClip() override;
  // Texts in the real fonts, measured by Qt.
  void SetFontSize(double points) override;
  void PrintText(double x, double y, const std::string& text, Rgb color) override;
  double TextWidth(const std::string& text) override;
  double TextHeight(const std::string& text) override;

 private:
  // An exclusive-or drawing held back, to be combined with identical ones that follow.
  struct HeldXor {
    enum Kind { kRect, kSlant } kind = kRect;
    QRect rect;
    QPoint a, b;
    QRgb rgb = 0;
    bool SameShape(const HeldXor& o) const {
      return kind == o.kind && (kind == kRect ? rect == o.rect : a == o.a && b == o.b);
    }
  };
  // How many exclusive-or drawings are held back at most, each looked at for an identical one:
  // the lines of a cell's two crosses (one put off, one on) and a box.
  static constexpr std::size_t kHeldMax = 4;
  // A drawing noted after a clear, in device pixels.
  struct Noted {
    enum Kind { kFill, kSlant, kOutline, kHatch, kText, kClip } kind;
    QRect rect;
    QPoint a, b;
    QRgb rgb = 0, fill = 0;
    const TextMask* mask = nullptr;
    bool operator==(const Noted&) const = default;
  };

  // Makes the held-back drawings: the ones noted since the clear, then the exclusive-or ones.
  void Settle() const;
  void SettleNoted() const;
  void DrawHeld() const;
  void Hold(const HeldXor& h);
  void JoinHeld(std::size_t i);
  void Draw(const Noted& n) const;
  // Notes a drawing while the clear is held back; false when it must be drawn now.
  bool Note(const Noted& n);
  void FillPixels(const QRect& r, QRgb rgb, bool exclusiveOr) const;
  void SlantPixels(QPoint a, QPoint b, QRgb rgb, bool exclusiveOr) const;
  // Solid box in the drawing mode; exclusive-or ones are held back for combining.
  void Fill(const QRect& r, QRgb rgb);
  void Slant(QPoint a, QPoint b, QRgb rgb);
  void Outline(const QRect& r, QRgb rgb, bool exclusiveOr) const;
  void CrossHatchPixels(const QRect& r, QRgb rgb, bool exclusiveOr) const;
  void Hatch(const QRect& r, QRgb outline, QRgb fill, bool exclusiveOr) const;
  void Text(QPoint at, const TextMask& mask, QRgb rgb) const;
  // The rows of the image, looked up once per drawing (bits() checks for sharing each time).
  struct Rows {
    uchar* bits;
    qsizetype stride;
    QRgb* operator[](int y) const { return reinterpret_cast<QRgb*>(bits + y * stride); }
  };
  Rows Pixels() const { return {image_.bits(), image_.bytesPerLine()}; }
  void ApplyFontSize();
  // The scale changed: the coordinates rounded so far round differently.
  void ForgetRounded();
  // One coordinate to its device pixel, on each axis.
  int DeviceX(double x) const;
  int DeviceY(double y) const;

  mutable QImage image_;
  QRect bounds_;  // image_.rect(), kept here: QImage's size getters are calls into the library
  // The pixels drawing may change: the whole image unless a clip is set.
  mutable QRect clip_;
  void ApplyClip(const QRect& r);
  // Coordinates rounded to device pixels, by axis and by their exact value: a cell's edges come
  // back for every cell of its row or column, and its mark's corners for every drawing of the
  // mark. Direct-mapped on the value's bits; an empty entry holds NaN, which equals nothing.
  struct RoundedAxis {
    static constexpr int kBits = 7;
    std::array<double, 1 << kBits> value;
    std::array<int, 1 << kBits> device;
  };
  mutable RoundedAxis roundedX_, roundedY_;
  QRect BoxPixels(double x1, double y1, double x2, double y2) const;
  // The last box rounded, by its user coordinates (NaN: none).
  struct LastBox {
    double x1 = std::numeric_limits<double>::quiet_NaN(), y1 = 0, x2 = 0, y2 = 0;
    QRect device;
  };
  mutable LastBox lastBox_;
  mutable bool clearHeld_ = false;
  mutable std::array<HeldXor, kHeldMax> held_;
  mutable std::size_t heldCount_ = 0;
  // The drawings noted since the held-back clear; the last such list made and its picture.
  mutable std::vector<Noted> noted_, madeNoted_;
  mutable QImage made_;
  QColor background_;
  qreal ratio_ = 1;
  DrawMode mode_ = DrawMode::Copy;
  double left_ = 0, top_ = 0, width_ = 1, height_ = 1;
  TwipsSize outer_;
  double points_ = 9;
  TextBox textBox_;
  TextMasks masks_;
  int fontHeight_ = 0;
};

// "ＭＳ 明朝" is drawn with IPAMincho; call before the application object is created.
void InstallFontSubstitutions();
inline constexpr const char* kMinchoFont = "ＭＳ 明朝";

}  // namespace gw
