#pragma once
#include <ostream>

#include "platform/Printer.h"

namespace gw {

// What the scripted machine offers for printing: a working default printer, none at all, or one
// that takes a document but fails to send it.
enum class PrinterCondition { Ready, Missing, Fails };

// Prints every printer operation as a PRINT line.
class ScriptedPrinter : public Printer {
 public:
  explicit ScriptedPrinter(std::ostream& out) : out_(out) {}

  void SetCondition(PrinterCondition condition) { condition_ = condition; }

  // A page begins and ends as the condition says (PRINT begin, end, failed).
  bool Begin() override;
  bool End() override;
  bool BeginPdf(const std::string& path) override;
  std::string LastError() const override { return error_.empty() ? "" : Tr(error_.c_str()); }
  // Every drawing prints one PRINT line.
  void Point(double x, double y, Rgb color) override;
  void FillBox(double x1, double y1, double x2, double y2, Rgb color) override;
  void Line(double x1, double y1, double x2, double y2, int widthPixels, Rgb color) override;
  void Text(double x, double y, Rgb color, const std::string& text) override;
  double TextHeight(const std::string& text) override;
  void SetFont(const std::string& name, double points) override;

 private:
  std::ostream& out_;
  PrinterCondition condition_ = PrinterCondition::Ready;
  bool toPdf_ = false;
  double points_ = 11;
  std::string error_;
};

}  // namespace gw
