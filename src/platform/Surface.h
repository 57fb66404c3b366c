#pragma once
#include <string>

#include "platform/Rgb.h"

namespace gw {

struct TwipsSize {
  double width = 0;
  double height = 0;
};

enum class DrawMode { Copy, Xor };

// A drawing surface with a user scale: the main window (in board units once LayoutBoard set the
// scale) and the palette boxes (in twips). Exclusive-or drawing must be exact: drawing the same
// thing twice restores every pixel.
class Surface {
 public:
  virtual ~Surface() = default;

  virtual void Clear() = 0;
  // The user scale: the client area's top-left corner is (left, top), its size width × height.
  virtual void SetScale(double left, double top, double width, double height) = 0;
  virtual double ScaleLeft() const = 0;
  virtual double ScaleTop() const = 0;
  virtual double ScaleWidth() const = 0;
  virtual double ScaleHeight() const = 0;
  virtual TwipsSize ClientSize() const = 0;
  virtual TwipsSize OuterSize() const = 0;

  virtual void SetDrawMode(DrawMode mode) = 0;
  virtual void Line(double x1, double y1, double x2, double y2, Rgb color) = 0;
  virtual void Box(double x1, double y1, double x2, double y2, Rgb color) = 0;
  virtual void FillBox(double x1, double y1, double x2, double y2, Rgb color) = 0;
  // Outline in `outline`, inside hatched with a diagonal cross in `fill` (pattern pixels only).
  virtual void HatchBox(double x1, double y1, double x2, double y2, Rgb outline, Rgb fill) = 0;

  // Keeps every drawing inside the box (user units, rounded as a box is) until NoClip. Only the
  // zoomed board sets one; a surface without clipping draws everything.
  virtual void SetClip(double, double, double, double) {}
  virtual void NoClip() {}

  virtual void SetFontSize(double points) = 0;
  virtual void PrintText(double x, double y, const std::string& text, Rgb color) = 0;
  virtual double TextWidth(const std::string& text) = 0;
  virtual double TextHeight(const std::string& text) = 0;
};

}  // namespace gw
