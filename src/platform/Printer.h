#pragma once
#include <string>

#include "platform/Rgb.h"
#include "text/Tr.h"

namespace gw {

// The text colour the printer uses when none was set.
constexpr Rgb kPrinterDefaultColor = -1;

// Why a document failed, as the user is told (in Japanese: LastError translates it).
inline constexpr const char* kNoPrinterText = TrNoop("プリンタが見つかりません。");
inline constexpr const char* kPrinterUnavailableText = TrNoop("プリンタを使うことができませんでした。");
inline constexpr const char* kPrintFailedText = TrNoop("プリンタに送ることができませんでした。");
inline constexpr const char* kPdfFailedText = TrNoop("PDFファイルを作ることができませんでした。");

// The default printer, in millimetres from the top-left corner of the printable page. A document
// goes either to the printer (Begin) or, when that is not possible, into a PDF file (BeginPdf);
// both end with End.
class Printer {
 public:
  virtual ~Printer() = default;

  // Starts a document on the default printer; false (with LastError) when no printer can take it.
  virtual bool Begin() = 0;
  // Starts a document written to the PDF file at `path` (one page); false (with LastError) when
  // the file cannot be made.
  virtual bool BeginPdf(const std::string& path) = 0;
  virtual void SetFont(const std::string& name, double points) = 0;
  // The height of one line of text in the current font, in millimetres.
  virtual double TextHeight(const std::string& text) = 0;
  // Prints `text` with its top-left corner at (x, y).
  virtual void Text(double x, double y, Rgb color, const std::string& text) = 0;
  virtual void Line(double x1, double y1, double x2, double y2, int widthPixels, Rgb color) = 0;
  virtual void FillBox(double x1, double y1, double x2, double y2, Rgb color) = 0;
  virtual void Point(double x, double y, Rgb color) = 0;
  // Ends the document and sends it; false (with LastError) when that failed.
  virtual bool End() = 0;
  // Why the last Begin, BeginPdf or End failed, as a sentence to show the user.
  virtual std::string LastError() const = 0;
};

}  // namespace gw
