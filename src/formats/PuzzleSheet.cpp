#include "formats/PuzzleSheet.h"

#include <algorithm>
#include <cstdio>

namespace gw {
namespace {

constexpr double kCell = 24;    // pixels per cell
constexpr double kMargin = 16;  // around the page
constexpr Rgb kInk = MakeRgb(0, 0, 0);
constexpr Rgb kPaper = MakeRgb(255, 255, 255);

size_t MostRuns(const std::vector<ClueLine>& lines) {
  size_t n = 1;
  for (const ClueLine& l : lines) n = std::max(n, l.size());
  return n;
}

// Dark colours get white digits on their box, light ones black.
Rgb TextOn(Rgb c) { return RedOf(c) * 299 + GreenOf(c) * 587 + BlueOf(c) * 114 < 128000 ? kPaper : kInk; }

void Hint(SheetDrawing& s, double x, double y, const ClueRun& r, const PuzzleData& p) {
  Rgb c = p.colors[r.color].rgb;
  bool mono = p.ColorCount() == 1;
  if (!mono) s.shapes.push_back({SheetShape::Fill, x + 1, y + 1, x + kCell - 1, y + kCell - 1, 1, c, ""});
  s.shapes.push_back({SheetShape::Text, x + kCell / 2, y + kCell / 2, 0, 0, kCell * 0.55, mono ? kInk : TextOn(c),
                      std::to_string(r.length)});
}

}  // namespace

SheetDrawing DrawPuzzleSheet(const PuzzleData& p, bool solved) {
  SheetDrawing s;
  const double left = kMargin + kCell * MostRuns(p.rows), top = kMargin + kCell * MostRuns(p.cols);
  s.width = int(left + kCell * p.width + kMargin);
  s.height = int(top + kCell * p.height + kMargin);
  s.shapes.push_back({SheetShape::Fill, 0, 0, double(s.width), double(s.height), 1, kPaper, ""});
  for (int y = 0; y < p.height; ++y) {
    const ClueLine& runs = p.rows[y];
    for (size_t i = 0; i < runs.size(); ++i)
      Hint(s, left - kCell * double(runs.size() - i), top + kCell * y, runs[i], p);
  }
  for (int x = 0; x < p.width; ++x) {
    const ClueLine& runs = p.cols[x];
    for (size_t i = 0; i < runs.size(); ++i)
      Hint(s, left + kCell * x, top - kCell * double(runs.size() - i), runs[i], p);
  }
  if (solved && !p.solution.empty())
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x)
        if (int c = p.solution[y][x]; c > 0)
          s.shapes.push_back({SheetShape::Fill, left + kCell * x, top + kCell * y, left + kCell * (x + 1),
                              top + kCell * (y + 1), 1, p.colors[c].rgb, ""});
  // Thin lines every cell, thick every five and around the board.
  for (int x = 0; x <= p.width; ++x) {
    double w = x % 5 == 0 || x == p.width ? 2 : 0.7;
    s.shapes.push_back({SheetShape::Line, left + kCell * x, kMargin, left + kCell * x, top + kCell * p.height, w, kInk, ""});
  }
  for (int y = 0; y <= p.height; ++y) {
    double w = y % 5 == 0 || y == p.height ? 2 : 0.7;
    s.shapes.push_back({SheetShape::Line, kMargin, top + kCell * y, left + kCell * p.width, top + kCell * y, w, kInk, ""});
  }
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
               "\" stroke=\"" + Color(sh.color) + "\" stroke-width=\"" + Num(sh.width) + "\"/>\n";
        break;
      case SheetShape::Text:
        out += "<text x=\"" + Num(sh.x1) + "\" y=\"" + Num(sh.y1) + "\" font-size=\"" + Num(sh.width) + "\" fill=\"" +
               Color(sh.color) +
               "\" font-family=\"sans-serif\" text-anchor=\"middle\" dominant-baseline=\"central\">" + sh.text +
               "</text>\n";
        break;
    }
  }
  return out + "</svg>\n";
}

}  // namespace gw
