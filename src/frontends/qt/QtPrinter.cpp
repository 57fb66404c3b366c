#include "frontends/qt/QtPrinter.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

#include "frontends/qt/ImageSurface.h"
#include "frontends/qt/TextFit.h"
#include "frontends/qt/QtTr.h"
#include "Messages.h"

namespace gw {
namespace {

// Beyond a hundred metres nothing lands on any page; keeping coordinates and fonts inside these
// bounds keeps absurd sizes typed into the print dialog from overflowing the paint engine.
constexpr double kFarthestMm = 100000;
constexpr double kLargestPoints = 2000;
constexpr double kSmallestPoints = 0.5;
// A point is a dot the eye can find: about a pen tip wide.
constexpr double kDotMm = 0.5;
// Line widths count pixels of a 300-dpi printer: on finer printers a pixel is so thin that the
// thick lines every fifth cell could not be told from the thin ones.
constexpr double kCoarsestDpi = 300;

QColor TextColour(Rgb color) {
  return color == kPrinterDefaultColor ? QColor(Qt::black) : ToQColor(color);
}

}  // namespace

QtPrinter::QtPrinter() : font_(kMinchoFont) {}

QtPrinter::~QtPrinter() { Finish(); }

bool QtPrinter::Begin() {
  Finish();
  QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) {
    error_ = kNoPrinterText;
    return false;
  }
  toPdf_ = false;
  return Start(std::make_unique<QPrinter>(info, QPrinter::HighResolution), kPrinterUnavailableText);
}

bool QtPrinter::BeginPdf(const std::string& path) {
  Finish();
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(QString::fromStdString(path));
  printer->setPageSize(QPageSize(QPageSize::A4));
  toPdf_ = true;
  return Start(std::move(printer), kPdfFailedText);
}

bool QtPrinter::Start(std::unique_ptr<QPrinter> printer, const char* failure) {
  error_.clear();
  printer_ = std::move(printer);
  printer_->setDocName(QTr(kAppCaption));
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(printer_.get())) {
    error_ = failure;
    Finish();
    return false;
  }
  return true;
}

void QtPrinter::Finish() {
  if (painter_ && painter_->isActive()) painter_->end();
  painter_.reset();
  printer_.reset();
}

double QtPrinter::Device(double mm) const {
  return std::clamp(mm, -kFarthestMm, kFarthestMm) * printer_->resolution() / 25.4;
}

void QtPrinter::SetFont(const std::string& name, double points) {
  font_ = QFont(QString::fromStdString(name));
  font_.setPointSizeF(std::clamp(points, kSmallestPoints, kLargestPoints));
}

double QtPrinter::TextHeight(const std::string&) {
  if (!printer_) return 0;
  return QFontMetricsF(font_, printer_.get()).height() * 25.4 / printer_->resolution();
}

void QtPrinter::Text(double x, double y, Rgb color, const std::string& text) {
  if (!painter_) return;
  painter_->setFont(font_);
  painter_->setPen(TextColour(color));
  QFontMetricsF metrics(font_, printer_.get());
  QString t = QString::fromStdString(text);
  // As on the screen, the ink stays inside the text's own advance with a margin, so that the two
  // digits of a hint do not run into the next slot's.
  QRectF ink = metrics.tightBoundingRect(t);
  double em = font_.pointSizeF() * printer_->resolution() / 72;
  TextFit fit = FitInk(ink.left(), ink.right(), metrics.horizontalAdvance(t), TextMarginAcross(em, text));
  painter_->save();
  painter_->translate(Device(x) + fit.shift, Device(y) + metrics.ascent());
  painter_->scale(fit.scale, 1);
  painter_->drawText(QPointF(0, 0), t);
  painter_->restore();
}

void QtPrinter::Line(double x1, double y1, double x2, double y2, int widthPixels, Rgb color) {
  if (!painter_) return;
  // No transform is set, so the pen's width is in the printer's own pixels.
  double pixels = std::max(1, widthPixels) * std::max(1.0, printer_->resolution() / kCoarsestDpi);
  QPen pen(ToQColor(color), pixels);
  pen.setCapStyle(Qt::SquareCap);
  painter_->setPen(pen);
  painter_->drawLine(QPointF(Device(x1), Device(y1)), QPointF(Device(x2), Device(y2)));
}

void QtPrinter::FillBox(double x1, double y1, double x2, double y2, Rgb color) {
  if (!painter_) return;
  QRectF box(QPointF(Device(x1), Device(y1)), QPointF(Device(x2), Device(y2)));
  painter_->fillRect(box.normalized(), ToQColor(color));
}

void QtPrinter::Point(double x, double y, Rgb color) {
  if (!painter_) return;
  double r = Device(kDotMm / 2);
  painter_->setPen(Qt::NoPen);
  painter_->setBrush(ToQColor(color));
  painter_->drawEllipse(QPointF(Device(x), Device(y)), r, r);
  painter_->setBrush(Qt::NoBrush);
}

bool QtPrinter::End() {
  if (!painter_) return false;
  bool sent = painter_->end();
  if (!toPdf_ && printer_->printerState() == QPrinter::Error) sent = false;
  if (!sent) error_ = toPdf_ ? kPdfFailedText : kPrintFailedText;
  Finish();
  return sent;
}

}  // namespace gw
