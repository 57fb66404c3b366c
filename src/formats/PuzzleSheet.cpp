#include "formats/PuzzleSheet.h"
#include "text/Tr.h"

#include <algorithm>
#include <cstdio>

namespace gw {
namespace {

constexpr double kCell = 28;    // pixels per cell
constexpr double kMargin = 16;  // around the page
constexpr double kTitleSize = 16;
constexpr double kTitleBand = 32;  // the title's line, above the hints
// Digits as large and as dark as on the printed page; numbers of two digits or more narrowed to
// leave a third of a slot between their ink and the next hint's.
constexpr double kDigitSize = kCell * 0.72;
constexpr double kWideFit = kCell * 0.6;
constexpr double kFrame = 2;  // the frame round the hint areas and the thick lines
constexpr double kThin = 0.7;
constexpr Rgb kInk = MakeRgb(0, 0, 0);
constexpr Rgb kPaper = MakeRgb(255, 255, 255);

size_t MostRuns(const std::vector<ClueLine>& lines) {
  size_t n = 1;
  for (const ClueLine& l : lines) n = std::max(n, l.size());
  return n;
}

// Dark colours get white digits on their box, light ones black.
Rgb TextOn(Rgb c) { return RedOf(c) * 299 + GreenOf(c) * 587 + BlueOf(c) * 114 < 128000 ? kPaper : kInk; }

// About how wide a text is: full-width characters an em, the others six tenths of one.
double TextWidth(const std::string& text, double size) {
  double width = 0;
  for (unsigned char c : text)
    if (c < 0x80) width += 0.6 * size;
    else if (c >= 0xC0) width += size;
  return width;
}

std::string TitleOf(const PuzzleData& p) {
  std::string size = std::to_string(p.width) + " × " + std::to_string(p.height);
  return p.title.empty() ? "(" + size + ")" : Fill(Tr("「{1}」 ({2})"), {p.title, size});
}

void Hint(SheetDrawing& s, double x, double y, const ClueRun& r, const PuzzleData& p) {
  Rgb c = p.colors[r.color].rgb;
  bool mono = p.ColorCount() == 1;
  if (!mono) s.shapes.push_back({SheetShape::Fill, x + 1, y + 1, x + kCell - 1, y + kCell - 1, 1, c, ""});
  std::string text = std::to_string(r.length);
  s.shapes.push_back({SheetShape::Text, x + kCell / 2, y + kCell / 2, 0, 0, kDigitSize, mono ? kInk : TextOn(c), text,
                      text.size() > 1 ? kWideFit : 0});
}

void Line(SheetDrawing& s, double x1, double y1, double x2, double y2, double width) {
  s.shapes.push_back({SheetShape::Line, x1, y1, x2, y2, width, kInk, ""});
}

void Frame(SheetDrawing& s, double x1, double y1, double x2, double y2) {
  Line(s, x1, y1, x2, y1, kFrame);
  Line(s, x1, y2, x2, y2, kFrame);
  Line(s, x1, y1, x1, y2, kFrame);
  Line(s, x2, y1, x2, y2, kFrame);
}

// The page's corners: the hint areas from (kMargin, hintsTop), the board from (left, top).
struct SheetFrame {
  double hintsTop, left, top;
};

void Hints(SheetDrawing& s, const PuzzleData& p, const SheetFrame& f) {
  for (int y = 0; y < p.height; ++y) {
    const ClueLine& runs = p.rows[y];
    for (size_t i = 0; i < runs.size(); ++i)
      Hint(s, f.left - kCell * double(runs.size() - i), f.top + kCell * y, runs[i], p);
  }
  for (int x = 0; x < p.width; ++x) {
    const ClueLine& runs = p.cols[x];
    for (size_t i = 0; i < runs.size(); ++i)
      Hint(s, f.left + kCell * x, f.top - kCell * double(runs.size() - i), runs[i], p);
  }
}

void Solution(SheetDrawing& s, const PuzzleData& p, const SheetFrame& f) {
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x)
      if (int c = p.solution[y][x]; c > 0)
        s.shapes.push_back({SheetShape::Fill, f.left + kCell * x, f.top + kCell * y, f.left + kCell * (x + 1),
                            f.top + kCell * (y + 1), 1, p.colors[c].rgb, ""});
}

// Thin lines every cell through the hints as well, thick every five and round the board, and a
// frame round each hint area.
void Lines(SheetDrawing& s, const PuzzleData& p, const SheetFrame& f) {
  double right = f.left + kCell * p.width, bottom = f.top + kCell * p.height;
  for (int x = 0; x <= p.width; ++x)
    Line(s, f.left + kCell * x, f.hintsTop, f.left + kCell * x, bottom, x % 5 == 0 || x == p.width ? kFrame : kThin);
  for (int y = 0; y <= p.height; ++y)
    Line(s, kMargin, f.top + kCell * y, right, f.top + kCell * y, y % 5 == 0 || y == p.height ? kFrame : kThin);
  Frame(s, kMargin, f.top, f.left, bottom);
  Frame(s, f.left, f.hintsTop, right, f.top);
}

}  // namespace

SheetDrawing DrawPuzzleSheet(const PuzzleData& p, bool solved) {
  SheetDrawing s;
  SheetFrame f;
  f.hintsTop = kMargin + kTitleBand;
  f.left = kMargin + kCell * MostRuns(p.rows);
  f.top = f.hintsTop + kCell * MostRuns(p.cols);
  std::string title = TitleOf(p);
  s.width = int(std::max(f.left + kCell * p.width, kMargin + TextWidth(title, kTitleSize)) + kMargin);
  s.height = int(f.top + kCell * p.height + kMargin);
  s.shapes.push_back({SheetShape::Fill, 0, 0, double(s.width), double(s.height), 1, kPaper, ""});
  s.shapes.push_back({SheetShape::Text, s.width / 2.0, kMargin + kTitleBand / 2 - 4, 0, 0, kTitleSize, kInk, title});
  Hints(s, p, f);
  if (solved && !p.solution.empty()) Solution(s, p, f);
  Lines(s, p, f);
  return s;
}

namespace {

std::string Color(Rgb c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", RedOf(c), GreenOf(c), BlueOf(c));
  return text;
}

std::string Num(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", v);
  return text;
}

std::string Num2(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", v);
  return text;
}

// Texts are the only place a file's own words reach the SVG.
std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '&') out += "&amp;";
    else if (c == '<') out += "&lt;";
    else if (c == '>') out += "&gt;";
    else out += c;
  }
  return out;
}

// A bold sans-serif digit is about seven tenths of an em wide.
constexpr double kBoldDigit = 0.7;

std::string SvgText(const SheetShape& sh) {
  // The baseline sits below the centre by half a digit's height, and a number wider than its fit
  // is narrowed by a transform, placed from its start: not every renderer centres a text by its
  // own rule for the middle of a line, nor anchors a scaled one at its middle.
  double wide = kBoldDigit * sh.width * double(sh.text.size());
  std::string at = "x=\"" + Num(sh.x1) + "\" y=\"" + Num(sh.y1 + 0.36 * sh.width) + "\" text-anchor=\"middle\"";
  if (sh.fit > 0 && wide > sh.fit)
    at = "x=\"" + Num(-wide / 2) + "\" y=\"" + Num(0.36 * sh.width) + "\" transform=\"translate(" + Num(sh.x1) + " " +
         Num(sh.y1) + ") scale(" + Num2(sh.fit / wide) + " 1)\"";
  return "<text " + at + " font-size=\"" + Num(sh.width) + "\" fill=\"" + Color(sh.color) +
         "\" font-family=\"sans-serif\" font-weight=\"bold\">" + Escaped(sh.text) + "</text>\n";
}

}  // namespace

std::string SheetToSvg(const SheetDrawing& sheet) {
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                    std::to_string(sheet.width) + "\" height=\"" + std::to_string(sheet.height) + "\" viewBox=\"0 0 " +
                    std::to_string(sheet.width) + " " + std::to_string(sheet.height) + "\">\n";
  for (const SheetShape& sh : sheet.shapes) {
    switch (sh.kind) {
      case SheetShape::Fill:
        out += "<rect x=\"" + Num(sh.x1) + "\" y=\"" + Num(sh.y1) + "\" width=\"" + Num(sh.x2 - sh.x1) + "\" height=\"" +
               Num(sh.y2 - sh.y1) + "\" fill=\"" + Color(sh.color) + "\"/>\n";
        break;
      case SheetShape::Line:
        out += "<line x1=\"" + Num(sh.x1) + "\" y1=\"" + Num(sh.y1) + "\" x2=\"" + Num(sh.x2) + "\" y2=\"" + Num(sh.y2) +
               "\" stroke=\"" + Color(sh.color) + "\" stroke-width=\"" + Num(sh.width) +
               "\" stroke-linecap=\"square\"/>\n";
        break;
      case SheetShape::Text: out += SvgText(sh); break;
    }
  }
  return out + "</svg>\n";
}

}  // namespace gw
