#include "frontends/qt/TextMasks.h"

#include <QFontMetrics>
#include <QSize>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "frontends/qt/TextFit.h"

namespace gw {
namespace {

// The pixels of a rendering that hold ink, as [left, right) × [top, bottom); empty when none.
QRect Ink(const QImage& image) {
  int left = image.width(), right = -1, top = image.height(), bottom = -1;
  for (int y = 0; y < image.height(); ++y) {
    const uchar* row = image.constScanLine(y);
    for (int x = 0; x < image.width(); ++x)
      if (row[x]) left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = y;
  }
  return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// The text in white on black, one byte a pixel, in a canvas with `pad` pixels of room on every
// side for ink that reaches outside the box.
QImage Draw(const QFont& font, const QString& text, QSize box, int pad, TextFit across, TextFit down) {
  QImage canvas(box.width() + 2 * pad, box.height() + 2 * pad, QImage::Format_Grayscale8);
  canvas.fill(0);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing, false);
  p.setFont(font);
  p.setPen(Qt::white);
  p.translate(pad + across.shift, pad + down.shift);
  p.scale(across.scale, down.scale);
  p.drawText(QPointF(0, QFontMetrics(font).ascent()), text);
  p.end();
  return canvas;
}

bool Fits(const QRect& ink, int pad, QSize box, double across, double down) {
  QRect r = ink.translated(-pad, -pad);
  return r.left() >= across && r.right() + 1 <= box.width() - across && r.top() >= down &&
         r.bottom() + 1 <= box.height() - down;
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

const TextMask& TextMasks::Get(const std::string& text, QSize box) {
  std::string key = text;
  if (!box.isEmpty()) key += '\0' + std::to_string(box.width()) + 'x' + std::to_string(box.height());
  auto found = masks_.find(key);
  if (found != masks_.end()) return found->second;
  double margin = box.isEmpty() ? 0 : MarginAcross(text, box);
  return masks_.emplace(key, Render(QString::fromStdString(text), box, margin)).first->second;
}

// A text of two characters or more fills its slot from side to side, and a one-digit hint in
// the slot to its left may stand close to their common edge: its margin is what keeps a third
// of the slot between their inks ("3" beside "13" never reads "313"), and at least a sixth, so
// that two of them side by side keep that third too. One-digit hints keep their place.
double TextMasks::MarginAcross(const std::string& text, QSize box) {
  double margin = std::floor(TextMarginAcross(font_.pixelSize(), text));
  if (std::count_if(text.begin(), text.end(), [](char c) { return c != ' '; }) < 2) return margin;
  int third = (box.width() + 2) / 3;
  return std::max({margin, double((third + 1) / 2), double(third - OneDigitRoom(box))});
}

// The fewest pixels any one-digit hint leaves free at its slot's right edge.
int TextMasks::OneDigitRoom(QSize box) {
  int room = box.width();
  for (char digit = '0'; digit <= '9'; ++digit)
    for (const TextMask::Span& s : Get(std::string(" ") + digit, box).spans) room = std::min(room, box.width() - s.x1);
  return room;
}

TextMask TextMasks::Render(const QString& text, QSize box, double marginAcross) const {
  QFontMetrics metrics(font_);
  TextMask mask;
  mask.advance = metrics.horizontalAdvance(text);
  bool fitted = !box.isEmpty();
  if (!fitted) box = QSize(mask.advance, metrics.height());
  int pad = font_.pixelSize();
  QImage canvas = Draw(font_, text, box, pad, {}, {});
  QRect ink = Ink(canvas);
  if (fitted && !ink.isEmpty()) {
    // Rasterising the narrowed outline may land a pixel off: narrow a pixel more until it fits.
    double marginDown = std::floor(TextMargin(font_.pixelSize()));
    QRect r = ink.translated(-pad, -pad);
    for (int extra = 0; extra < 4 && !Fits(ink, pad, box, marginAcross, marginDown); ++extra) {
      TextFit across = FitInk(r.left(), r.right() + 1, box.width(), marginAcross + extra);
      TextFit down = FitInk(r.top(), r.bottom() + 1, box.height(), marginDown + extra);
      canvas = Draw(font_, text, box, pad, across, down);
      ink = Ink(canvas);
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
      mask.spans.push_back({y - pad, start - pad, x - pad});
    }
  }
  return mask;
}

}  // namespace gw
