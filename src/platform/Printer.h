#pragma once
#include <string>

#include "platform/Rgb.h"

namespace gw {

// The text colour the printer uses when none was set.
constexpr Rgb kPrinterDefaultColor = -1;

// The default printer, in millimetres from the top-left corner of the printable page.
class Printer {
 public:
  virtual ~Printer() = default;

  // Starts a document; false (with LastError) when no printer can take it.
  virtual bool Begin() = 0;
  virtual void SetFont(const std::string& name, double points) = 0;
  virtual double TextHeight(const std::string& text) = 0;
  virtual void Text(double x, double y, Rgb color, const std::string& text) = 0;
  virtual void Line(double x1, double y1, double x2, double y2, int widthPixels, Rgb color) = 0;
  virtual void FillBox(double x1, double y1, double x2, double y2, Rgb color) = 0;
  virtual void Point(double x, double y, Rgb color) = 0;
  // Ends the document and sends it; false (with LastError) when that failed.
  virtual bool End() = 0;
  virtual std::string LastError() const = 0;
};

}  // namespace gw
