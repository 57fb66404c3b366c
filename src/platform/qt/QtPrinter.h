#pragma once

#include "platform/Printer.h"

namespace gw {

// The system's default printer.
class QtPrinter : public Printer {
 public:
  bool Begin() override { return false; }
  void SetFont(const std::string&, double) override {}
  double TextHeight(const std::string&) override { return 0; }
  void Text(double, double, Rgb, const std::string&) override {}
  void Line(double, double, double, double, int, Rgb) override {}
  void FillBox(double, double, double, double, Rgb) override {}
  void Point(double, double, Rgb) override {}
  bool End() override { return false; }
  std::string LastError() const override { return "印刷できません。"; }
};

}  // namespace gw
