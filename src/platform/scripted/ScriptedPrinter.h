#pragma once
#include <ostream>

#include "platform/Printer.h"

namespace gw {

// Prints every printer operation as a PRINT line.
class ScriptedPrinter : public Printer {
 public:
  explicit ScriptedPrinter(std::ostream& out) : out_(out) {}

  bool Begin() override { return true; }
  void SetFont(const std::string& name, double points) override;
  double TextHeight(const std::string& text) override;
  void Text(double x, double y, Rgb color, const std::string& text) override;
  void Line(double x1, double y1, double x2, double y2, int widthPixels, Rgb color) override;
  void FillBox(double x1, double y1, double x2, double y2, Rgb color) override;
  void Point(double x, double y, Rgb color) override;
  bool End() override;
  std::string LastError() const override { return ""; }

 private:
  std::ostream& out_;
  double points_ = 11;
};

}  // namespace gw
