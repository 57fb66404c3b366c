#pragma once
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <memory>
#include <optional>

#include "platform/Surface.h"

namespace gw {

// Logical pixels are 1/96 inch: 15 twips.
constexpr double kTwipsPerPixel = 15.0;

QColor ToQColor(Rgb color);

// A drawing surface on a QImage that the window shows.
//
// Every shape is snapped to whole device pixels by one rounding of its user coordinates, at least
// one pixel wide, so the two drawings of an exclusive-or pair touch exactly the same pixels at any
// scale. A box covers the pixels from its rounded left/top edge up to, not including, its rounded
// right/bottom edge: boxes that share an edge never share a pixel. Lines are one device pixel
// wide, without antialiasing, end points included.
//
// One painter stays open on the image from the first drawing until the image is resized or the
// surface destroyed: showing the image (image()) reads it without ending the painter, so a long
// run of drawings that the window shows as it goes pays for one painter only.
class ImageSurface : public Surface {
 public:
  explicit ImageSurface(QColor background);
  ~ImageSurface() override;

  // New size in device pixels; the picture is cleared and the scale becomes twips.
  void Resize(QSize size);
  void SetOuterSize(TwipsSize outer) { outer_ = outer; }
  // The picture as drawn so far.
  const QImage& image() const { return image_; }
  QColor background() const { return background_; }
  // Device pixel of a point in user units, and back.
  QPointF ToDevice(double x, double y) const;
  QPointF ToUser(QPointF device) const;
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
  void Line(double x1, double y1, double x2, double y2, Rgb color) override;
  void Box(double x1, double y1, double x2, double y2, Rgb color) override;
  void FillBox(double x1, double y1, double x2, double y2, Rgb color) override;
  void HatchBox(double x1, double y1, double x2, double y2, Rgb outline, Rgb fill) override;
  void SetFontSize(double points) override;
  void PrintText(double x, double y, const std::string& text, Rgb color) override;
  double TextWidth(const std::string& text) override;
  double TextHeight(const std::string& text) override;

 private:
  // The painter with the composition of the drawing mode (text: always opaque).
  QPainter& Painter(bool forText = false);
  void EndPainter();
  void Outline(const QRect& r, const QColor& c);
  // A solid box in the drawing mode, written straight into the image's pixels.
  void FillPixels(const QRect& r, const QColor& c);
  void CrossHatchPixels(const QRect& r, const QColor& c);
  uchar* Bits();
  const QFontMetrics& Metrics();

  QImage image_;
  std::unique_ptr<QPainter> painter_;
  std::optional<QPainter::CompositionMode> composition_;
  bool fontSet_ = false;
  QColor background_;
  DrawMode mode_ = DrawMode::Copy;
  double left_ = 0, top_ = 0, width_ = 1, height_ = 1;
  TwipsSize outer_;
  QFont font_;
  std::optional<QFontMetrics> metrics_;
};

// "ＭＳ 明朝" is drawn with IPAMincho; call before the application object is created.
void InstallFontSubstitutions();
inline constexpr const char* kMinchoFont = "ＭＳ 明朝";

}  // namespace gw
