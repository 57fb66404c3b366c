#include "platform/qt/TextMasks.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <cmath>

#include "platform/qt/TextFit.h"

namespace gw {
namespace {

// The columns of a rendering that hold ink, as [left, right + 1); empty when there is none.
std::pair<int, int> InkColumns(const QImage& image) {
  int left = image.width(), right = -1;
  for (int y = 0; y < image.height(); ++y) {
    const uchar* row = image.constScanLine(y);
    for (int x = 0; x < image.width(); ++x)
      if (row[x]) left = std::min(left, x), right = std::max(right, x);
  }
  return {left, right + 1};
}

// The text in white on black, one byte a pixel, in a canvas with room on both sides for ink that
// reaches outside the advance; `pad` is where the text's left edge lies.
QImage Draw(const QFont& font, const QString& text, int width, int height, int pad, TextFit fit) {
  QImage canvas(width + 2 * pad, height, QImage::Format_Grayscale8);
  canvas.fill(0);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing, false);
  p.setFont(font);
  p.setPen(Qt::white);
  p.translate(pad + fit.shift, 0);
  p.scale(fit.scale, 1);
  p.drawText(QPointF(0, QFontMetrics(font).ascent()), text);
  p.end();
  return canvas;
}

}  // namespace

TextMasks::TextMasks(QFont font) : font_(std::move(font)) {
  // Hard-edged glyphs: every pixel is the text's colour or untouched.
  font_.setStyleStrategy(QFont::NoAntialias);
}

void TextMasks::SetPixelSize(int pixels) {
  if (pixels == font_.pixelSize()) return;
  font_.setPixelSize(pixels);
  masks_.clear();
}

const TextMask& TextMasks::Get(const std::string& text) {
  auto found = masks_.find(text);
  if (found != masks_.end()) return found->second;
  return masks_.emplace(text, Render(QString::fromStdString(text))).first->second;
}

TextMask TextMasks::Render(const QString& text) const {
  QFontMetrics metrics(font_);
  TextMask mask;
  mask.advance = metrics.horizontalAdvance(text);
  int height = metrics.height(), pad = font_.pixelSize();
  QImage canvas = Draw(font_, text, mask.advance, height, pad, {});
  auto [left, right] = InkColumns(canvas);
  if (right > left && mask.advance > 0) {
    // Rasterising the narrowed outline may land a pixel off: narrow a pixel more until it fits.
    double margin = std::floor(TextMargin(font_.pixelSize()));
    for (int extra = 0; extra < 4; ++extra) {
      TextFit fit = FitInk(left - pad, right - pad, mask.advance, margin + extra);
      if (fit.scale == 1 && fit.shift == 0) break;
      canvas = Draw(font_, text, mask.advance, height, pad, fit);
      auto [l, r] = InkColumns(canvas);
      if (l - pad >= margin && r - pad <= mask.advance - margin) break;
    }
  }
  for (int y = 0; y < canvas.height(); ++y) {
    const uchar* row = canvas.constScanLine(y);
    for (int x = 0; x < canvas.width();) {
      if (!row[x]) {
        ++x;
        continue;
      }
      int start = x;
      while (x < canvas.width() && row[x]) ++x;
      mask.spans.push_back({y, start - pad, x - pad});
    }
  }
  return mask;
}

}  // namespace gw
