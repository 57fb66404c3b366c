#include "frontends/scripted/ScriptedPrinter.h"

#include "frontends/scripted/ScriptText.h"

namespace gw {
namespace {

std::string ColorText(Rgb color) {
  return color == kPrinterDefaultColor ? "default" : std::to_string(color);
}

}  // namespace

bool ScriptedPrinter::Begin() {
  toPdf_ = false;
  error_.clear();
  if (condition_ == PrinterCondition::Missing) {
    error_ = kNoPrinterText;
    return false;
  }
  return true;
}

// A PDF file is written by the program itself, so it works whatever the printer's condition.
bool ScriptedPrinter::BeginPdf(const std::string& path) {
  toPdf_ = true;
  error_.clear();
  out_ << "PRINT pdf " << Quote(path) << "\n";
  return true;
}

void ScriptedPrinter::SetFont(const std::string& name, double points) {
  points_ = points;
  out_ << "PRINT font " << Quote(name) << " " << FormatNum(points) << "\n";
}

// One line of text is as high as the font: points converted to millimetres.
double ScriptedPrinter::TextHeight(const std::string&) { return points_ * 25.4 / 72.0; }

void ScriptedPrinter::Text(double x, double y, Rgb color, const std::string& text) {
  out_ << "PRINT text " << FormatNum(x) << " " << FormatNum(y) << " color=" << ColorText(color)
       << " " << Quote(text) << "\n";
}

void ScriptedPrinter::Line(double x1, double y1, double x2, double y2, int widthPixels, Rgb color) {
  out_ << "PRINT line " << FormatNum(x1) << " " << FormatNum(y1) << " " << FormatNum(x2) << " "
       << FormatNum(y2) << " width=" << widthPixels << " color=" << ColorText(color) << "\n";
}

void ScriptedPrinter::FillBox(double x1, double y1, double x2, double y2, Rgb color) {
  out_ << "PRINT box " << FormatNum(x1) << " " << FormatNum(y1) << " " << FormatNum(x2) << " "
       << FormatNum(y2) << " color=" << ColorText(color) << "\n";
}

void ScriptedPrinter::Point(double x, double y, Rgb color) {
  out_ << "PRINT point " << FormatNum(x) << " " << FormatNum(y) << " color=" << ColorText(color)
       << "\n";
}

bool ScriptedPrinter::End() {
  if (!toPdf_ && condition_ == PrinterCondition::Fails) {
    error_ = kPrintFailedText;
    out_ << "PRINT failed\n";
    return false;
  }
  out_ << "PRINT end\n";
  return true;
}

}  // namespace gw
