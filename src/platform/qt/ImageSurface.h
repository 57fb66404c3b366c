#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <memory>

#include "platform/Surface.h"

namespace gw {

// Logical pixels are 1/96 inch: 15 twips.
constexpr double kTwipsPerPixel = 15.0;

QColor ToQColor(Rgb color);

// A drawing surface on a QImage that the window shows. Every box is snapped to whole device
// pixels, at least one wide, from the same rounding for both drawings of an exclusive-or pair,
// so the second drawing restores every pixel. One painter stays open across drawings and is
// ended only when the image is shown or resized.
class ImageSurface : public Surface {
 public:
  explicit ImageSurface(QColor background);
  ~ImageSurface() override;

  // New size in device pixels; the picture is cleared and the scale becomes twips.
  void Resize(QSize size);
  void SetOuterSize(TwipsSize outer) { outer_ = outer; }
  // The picture as drawn so far (ends the open painter).
  const QImage& image();
  // Device pixel of a point in user units, and back.
  QPointF ToDevice(double x, double y) const;
  QPointF ToUser(QPointF device) const;

  void Clear() override;
  void SetScale(double left, double top, double width, double height) override;
  double ScaleLeft() const override { return left_; }
  double ScaleTop() const override { return top_; }
  double ScaleWidth() const override { return width_; }
  double ScaleHeight() const override { return height_; }
  TwipsSize ClientSize() const override;
  TwipsSize OuterSize() const override { return outer_; }
  void SetDrawMode(DrawMode mode) override;
  void Line(double x1, double y1, double x2, double y2, Rgb color) override;
  void Box(double x1, double y1, double x2, double y2, Rgb color) override;
  void FillBox(double x1, double y1, double x2, double y2, Rgb color) override;
  void HatchBox(double x1, double y1, double x2, double y2, Rgb outline, Rgb fill) override;
  void SetFontSize(double points) override;
  void PrintText(double x, double y, const std::string& text, Rgb color) override;
  double TextWidth(const std::string& text) override;
  double TextHeight(const std::string& text) override;

 private:
  QPainter& Painter();
  void EndPainter();
  QRect DeviceRect(double x1, double y1, double x2, double y2) const;
  void ApplyMode(QPainter& p, bool forText) const;

  QImage image_;
  std::unique_ptr<QPainter> painter_;
  QColor background_;
  DrawMode mode_ = DrawMode::Copy;
  double left_ = 0, top_ = 0, width_ = 1, height_ = 1;
  TwipsSize outer_;
  QFont font_;
};

// "ＭＳ 明朝" is drawn with IPAMincho; call before the application object is created.
void InstallFontSubstitutions();
inline constexpr const char* kMinchoFont = "ＭＳ 明朝";

}  // namespace gw
