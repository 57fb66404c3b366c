#pragma once
#include <QFont>
#include <QRgb>
#include <QSize>
#include <string>
#include <unordered_map>
#include <vector>

namespace gw {

// A text as the pixels its ink covers, relative to the text's top-left corner: spans of rows.
struct TextMask {
  struct Span {
    int y, x0, x1;  // pixels x0..x1 - 1 of row y
  };
  std::vector<Span> spans;
  int advance = 0;
};

// Hard-edged renderings of texts in one font, made once per text and size: the board prints the
// same few hint numbers again and again, and shaping them anew each time cost half a repaint.
// A text given a box (a hint slot) has its ink fitted into it with a margin (TextFit.h).
class TextMasks {
 public:
  explicit TextMasks(QFont font);
  // Font size in device pixels; changing it forgets the masks made at the old size.
  void SetPixelSize(int pixels);
  int PixelSize() const { return font_.pixelSize(); }
  const QFont& font() const { return font_; }
  // `box`: the box's size in pixels from the text's top-left corner; empty for none.
  const TextMask& Get(const std::string& text, QSize box = {});

 private:
  double MarginAcross(const std::string& text, QSize box);
  int OneDigitRoom(QSize box);
  TextMask Render(const QString& text, QSize box, double marginAcross) const;

  QFont font_;
  std::unordered_map<std::string, TextMask> masks_;
};

}  // namespace gw
