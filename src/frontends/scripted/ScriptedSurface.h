#pragma once
#include <functional>
#include <ostream>
#include <string>

#include "platform/Surface.h"

namespace gw {

// A surface that keeps the scale and sizes the logic reads, prints each drawing as a DRAW line
// while echo is on, and forwards it to a mirror surface (a real image) when one is attached.
class ScriptedSurface : public Surface {
 public:
  // `name` is printed after DRAW for every surface but the main window ("" there).
  ScriptedSurface(std::ostream& out, std::string name) : out_(out), name_(std::move(name)) {}

  void SetEcho(bool on) { echo_ = on; }
  void SetMirror(Surface* mirror) { mirror_ = mirror; }
  // The client and outer size in twips; the scale becomes twips again, as on a resized window.
  void SetSizes(TwipsSize client, TwipsSize outer);

  TwipsSize ClientSize() const override { return client_; }
  TwipsSize OuterSize() const override { return outer_; }
  void Clear() override;
  void SetScale(double left, double top, double width, double height) override;
  double ScaleLeft() const override;
  double ScaleWidth() const override;
  double ScaleTop() const override;
  double ScaleHeight() const override;
  void SetDrawMode(DrawMode mode) override;
  // Each drawing is a DRAW line while the echo is on, and goes to the mirror image if there is one.
  void HatchBox(double x1, double y1, double x2, double y2, Rgb outline, Rgb fill) override;
  void FillBox(double x1, double y1, double x2, double y2, Rgb color) override;
  void Box(double x1, double y1, double x2, double y2, Rgb color) override;
  void Line(double x1, double y1, double x2, double y2, Rgb color) override;
  // The clip is the mirror's alone: the positions the script sees are those of the drawings.
  void SetClip(double x1, double y1, double x2, double y2) override {
    if (mirror_) mirror_->SetClip(x1, y1, x2, y2);
  }
  void NoClip() override {
    if (mirror_) mirror_->NoClip();
  }
  // Texts measured by the mirror's fonts, or by a fixed half-width metric without one.
  void PrintText(double x, double y, const std::string& text, Rgb color) override;
  void SetFontSize(double points) override;
  double TextHeight(const std::string& text) override;
  double TextWidth(const std::string& text) override;

 private:
  void Emit(const std::string& what);
  std::string Rect(double x1, double y1, double x2, double y2) const;
  double UnitsPerTwip() const;

  std::ostream& out_;
  std::string name_;
  bool echo_ = false;
  Surface* mirror_ = nullptr;
  TwipsSize client_, outer_;
  double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  double fontPoints_ = 9;
};

}  // namespace gw
