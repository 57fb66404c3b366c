#pragma once
#include <QFont>
#include <memory>

#include "platform/Printer.h"

class QPainter;
class QPrinter;

namespace gw {

// The system's default printer through Qt's print support, or a PDF file in its place. One
// document at a time; coordinates arrive in millimetres and are turned into device pixels here,
// so that fonts keep their point sizes; line widths are pixels of at most 300 dpi.
class QtPrinter : public Printer {
 public:
  QtPrinter();
  ~QtPrinter() override;

  // A page of the system's default printer, or a PDF file written by Qt.
  bool Begin() override;
  bool BeginPdf(const std::string& path) override;
  // Drawing in millimetres on the page, through a QPainter.
  void SetFont(const std::string& name, double points) override;
  double TextHeight(const std::string& text) override;
  void Text(double x, double y, Rgb color, const std::string& text) override;
  void Line(double x1, double y1, double x2, double y2, int widthPixels, Rgb color) override;
  void FillBox(double x1, double y1, double x2, double y2, Rgb color) override;
  void Point(double x, double y, Rgb color) override;
  bool End() override;
  std::string LastError() const override { return error_.empty() ? "" : Tr(error_.c_str()); }

 private:
  bool Start(std::unique_ptr<QPrinter> printer, const char* failure);
  void Finish();
  double Device(double mm) const;

  std::unique_ptr<QPrinter> printer_;
  std::unique_ptr<QPainter> painter_;
  QFont font_;
  bool toPdf_ = false;
  std::string error_;
};

}  // namespace gw
